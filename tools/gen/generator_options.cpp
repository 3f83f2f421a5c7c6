#include "gen/generator_options.h"

#include "common/command_line.h"

const std::string_view GENERATOR_HELP =
    "Usage: barvotok-gen [OPTION]...\n"
    "Writes a test set of the task Barvotok in the evaluator's input-file format.\n"
    "The same options and seed give the same file, byte for byte, on every machine.\n"
    "\n"
    "Options:\n"
    "  -n, --cases N          number of test cases (default 1)\n"
    "      --width A[..B]     columns w of each grid, fixed or drawn from A..B,\n"
    "                         within 1..1000 (default 100)\n"
    "      --height A[..B]    rows h, within 1..1000 (default 100)\n"
    "      --colours A[..B]   colours b, within 1..100 (default 6)\n"
    "  -p, --pattern LIST     comma-separated patterns; test case i takes the i-th\n"
    "                         in turn (default uniform):\n"
    "                           uniform       every cell a random colour\n"
    "                           clustered     cells copy a neighbour's colour (blobs)\n"
    "                           stripes       vertical stripes\n"
    "                           comb          a comb-shaped region with a huge border\n"
    "                                         beside a one-cell-per-move corridor\n"
    "                           serpentine    one winding corridor between walls\n"
    "                           checkerboard  two colours, no equal neighbours\n"
    "                           holes         one background colour full of holes\n"
    "                           mixed         all of the above in this order\n"
    "  -s, --seed N           seed of the random numbers (default 1)\n"
    "      --cluster P        clustered: chance that a cell copies a neighbour\n"
    "                         (default 0.6)\n"
    "      --stripe-width N   stripes: columns per stripe (default 1)\n"
    "      --hole-density P   holes: chance that a cell may become a hole (default 0.3)\n"
    "  -o, --output FILE      write to FILE instead of standard output\n"
    "      --progress         a progress line on standard error every ten seconds,\n"
    "                         wherever it goes (a log, a pipe); a terminal shows a bar\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  a file cannot be written (nothing is left half written)\n"
    "  2  a bad command line\n";

namespace {

std::vector<Pattern> parsePatterns(const std::string& text) {
  if (text == "mixed") return {ALL_PATTERNS.begin(), ALL_PATTERNS.end()};
  std::vector<Pattern> patterns;
  std::size_t start = 0;
  while (true) {
    const auto comma = text.find(',', start);
    const std::string name = text.substr(start, comma - start);
    const auto pattern = patternByName(name);
    if (!pattern) throw UsageError{"unknown pattern " + quotedArgument(name) + " (see --help)"};
    patterns.push_back(*pattern);
    if (comma == std::string::npos) return patterns;
    start = comma + 1;
  }
}

}  // namespace

constexpr KnownOption GENERATOR_OPTIONS[] = {
    {"--help", 'h'},
    {"--version"},
    {"--progress"},
    {"--cases", 'n', true},
    {"--width", 0, true},
    {"--height", 0, true},
    {"--colours", 0, true},
    {"--pattern", 'p', true},
    {"--seed", 's', true},
    {"--cluster", 0, true},
    {"--stripe-width", 0, true},
    {"--hole-density", 0, true},
    {"--output", 'o', true},
};

GeneratorOptions parseGeneratorOptions(const std::vector<std::string>& arguments) {
  GeneratorOptions options;
  GeneratorSettings& settings = options.settings;
  OptionCursor cursor(arguments, GENERATOR_OPTIONS);
  while (cursor.next()) {
    if (cursor.is("--help")) {
      options.help = true;
    } else if (cursor.is("--version")) {
      options.version = true;
    } else if (cursor.is("--progress")) {
      options.progress = ProgressStyle::lines;
    } else if (cursor.is("--cases")) {
      settings.caseCount = static_cast<std::int32_t>(parseWhole(cursor.value(), "--cases", 1, INT32_MAX));
    } else if (cursor.is("--width")) {
      settings.width = parseRange(cursor.value(), "--width", 1, MAX_GRID_SIDE);
    } else if (cursor.is("--height")) {
      settings.height = parseRange(cursor.value(), "--height", 1, MAX_GRID_SIDE);
    } else if (cursor.is("--colours")) {
      settings.colours = parseRange(cursor.value(), "--colours", 1, MAX_COLOURS);
    } else if (cursor.is("--pattern")) {
      settings.patterns = parsePatterns(cursor.value());
    } else if (cursor.is("--seed")) {
      settings.seed = parseSeed(cursor.value(), "--seed");
    } else if (cursor.is("--cluster")) {
      settings.params.clusterProbability = parseProbability(cursor.value(), "--cluster");
    } else if (cursor.is("--stripe-width")) {
      settings.params.stripeWidth =
          static_cast<std::int32_t>(parseWhole(cursor.value(), "--stripe-width", 1, MAX_GRID_SIDE));
    } else if (cursor.is("--hole-density")) {
      settings.params.holeDensity = parseProbability(cursor.value(), "--hole-density");
    } else if (cursor.is("--output")) {
      options.output = cursor.value();
    } else {
      throw UsageError{"unexpected argument " + quotedArgument(cursor.operand())};
    }
  }
  return options;
}
