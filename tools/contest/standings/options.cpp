#include "contest/standings/options.h"

#include <algorithm>

#include "common/command_line.h"

const std::string_view STANDINGS_HELP =
    "Usage: barvotok-contest standings RESULTS... [OPTION]... -o OUT.{html,csv,json}\n"
    "Ranks the contestants judged into the results databases RESULTS (one file,\n"
    "or the shards of one contest, in any order) and writes the standings in the\n"
    "format that OUT's extension names, or --format.\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE      where to write: FILE.csv, FILE.json or FILE.html, or\n"
    "                         '-' for standard output (with --format)\n"
    "      --format FORMAT    csv, json or html, whatever FILE's extension\n"
    "      --scoring NAME     relative (default): per test case round(10^9 * best / moves)\n"
    "                         points, best being the fewest moves known, 0 unanswered;\n"
    "                         moves: most test cases answered, then fewest moves in all\n"
    "      --count WHICH      best (default): each contestant's best submission counts;\n"
    "                         last: the last one in byte order of the paths\n"
    "      --input INPUT      the test set file ('-' for standard input); ranks the\n"
    "                         verdicts on this test set (needed when the results\n"
    "                         hold several)\n"
    "      --reference FILE   the organisers' answers to INPUT (needs --input): judged\n"
    "                         here, they set the best known and are shown unranked;\n"
    "                         may be given more than once, one of them '-'\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "A contestant is the contestant-number line of a submission whose header\n"
    "passed; any other submission stands alone under its file name, unidentified.\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  a file cannot be read or written, or the output is an input (by any name\n"
    "     or link: nothing is written then); a file is not a results database; or\n"
    "     the results do not name one test set\n"
    "  2  a bad command line\n";

constexpr KnownOption STANDINGS_OPTIONS[] = {
    {"--help", 'h'},        {"--version"},        {"--output", 'o', true}, {"--format", 0, true},
    {"--scoring", 0, true}, {"--count", 0, true}, {"--input", 0, true},    {"--reference", 0, true},
};

StandingsOptions parseStandingsOptions(const std::vector<std::string>& arguments) {
  StandingsOptions options;
  std::optional<std::string> output;
  std::optional<OutputFormat> format;
  OptionCursor cursor(arguments, STANDINGS_OPTIONS);
  while (cursor.next()) {
    if (cursor.is("--help")) {
      options.help = true;
    } else if (cursor.is("--version")) {
      options.version = true;
    } else if (cursor.is("--output")) {
      output = cursor.value();
    } else if (cursor.is("--scoring")) {
      const std::string& name = cursor.value();
      if (name != "relative" && name != "moves") {
        throw UsageError{"invalid value " + quotedArgument(name) + " for --scoring: relative or moves"};
      }
      options.scoring = name == "relative" ? Scoring::relative : Scoring::moves;
    } else if (cursor.is("--count")) {
      const std::string& name = cursor.value();
      if (name != "best" && name != "last")
        throw UsageError{"invalid value " + quotedArgument(name) + " for --count: best or last"};
      options.counting = name == "best" ? Counting::best : Counting::last;
    } else if (cursor.is("--format")) {
      format = formatByName(cursor.value());
      if (!format)
        throw UsageError{"invalid value " + quotedArgument(cursor.value()) +
                         " for --format: csv, json or html"};
    } else if (cursor.is("--input")) {
      options.input = cursor.value();
    } else if (cursor.is("--reference")) {
      options.references.push_back(cursor.value());
    } else {
      options.results.push_back(cursor.operand());
    }
  }
  if (options.help || options.version) return options;
  if (options.results.empty()) throw UsageError{"missing RESULTS"};
  if (!output) throw UsageError{"missing -o OUT"};
  if (!format) format = outputFormatOf(*output);
  if (!format && *output == "-") throw UsageError{"standard output needs --format csv, json or html"};
  if (!format) {
    throw UsageError{"the output " + quotedArgument(*output) +
                     " must end in .csv, .json or .html, or --format must name the format"};
  }
  if (!options.references.empty() && !options.input) throw UsageError{"--reference needs --input INPUT"};
  if (std::find(options.results.begin(), options.results.end(), "-") != options.results.end())
    throw UsageError{"RESULTS cannot be standard input: a results database is read as a file"};
  std::vector<std::string> readers = options.references;
  if (options.input) readers.push_back(*options.input);
  if (std::count(readers.begin(), readers.end(), "-") > 1)
    throw UsageError{"standard input ('-') can be only one of INPUT and the references"};
  options.output = *output;
  options.format = *format;
  return options;
}
