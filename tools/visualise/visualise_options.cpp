#include "visualise/visualise_options.h"

#include <limits>

#include "common/command_line.h"

const std::string_view VISUALISE_HELP =
    "Usage: barvotok-visualise [OPTION]... INPUT SUBMISSION [-o PAGE.html]\n"
    "Writes one self-contained HTML page that shows the evaluator's replay of a\n"
    "section of SUBMISSION on its test case from INPUT, with its verdict.\n"
    "\n"
    "Options:\n"
    "  -o, --output PAGE   write the page to PAGE ('-' for standard output); PAGE\n"
    "                      may also come third, after SUBMISSION\n"
    "      --section K     show the K-th section of the submission (default: 1)\n"
    "      --test-case N   show the first section that answers test case N\n"
    "      --png FILE      also write a PNG picture of the grid (needs libpng)\n"
    "      --move M        the move that the PNG shows (default: the last one played)\n"
    "  -h, --help          show this help and exit\n"
    "      --version       show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  a file cannot be read or written, or an output is an input or the other\n"
    "     output (by any name or link: nothing is written then); or the section\n"
    "     cannot be shown\n"
    "  2  a bad command line\n";

namespace {

constexpr std::int64_t MOST = std::numeric_limits<std::int32_t>::max();

std::int32_t count(const OptionCursor& cursor, std::string_view option, std::int64_t least) {
  return static_cast<std::int32_t>(parseWhole(cursor.value(), option, least, MOST));
}

void chooseSection(VisualiseOptions& options, bool& chosen, SectionChoice::By by, std::int32_t value) {
  if (chosen) throw UsageError{"give --section or --test-case once"};
  chosen = true;
  options.choice = {by, value};
}

void takeOperands(VisualiseOptions& options, const std::vector<std::string>& operands) {
  if (operands.size() < 2) throw UsageError{operands.empty() ? "missing INPUT" : "missing SUBMISSION"};
  if (operands.size() > 3 || (operands.size() == 3 && options.pageName)) {
    throw UsageError{"more than one PAGE.html"};
  }
  options.inputName = operands[0];
  options.submissionName = operands[1];
  if (operands.size() == 3) options.pageName = operands[2];
  if (!options.pageName && !options.pngName) throw UsageError{"nothing to write: give PAGE.html or --png"};
  if (options.pngMove && !options.pngName) throw UsageError{"--move goes with --png"};
}

}  // namespace

constexpr KnownOption VISUALISE_OPTIONS[] = {
    {"--help", 'h'},          {"--version"},      {"--output", 'o', true}, {"--section", 0, true},
    {"--test-case", 0, true}, {"--png", 0, true}, {"--move", 0, true},
};

VisualiseOptions parseVisualiseOptions(const std::vector<std::string>& arguments) {
  VisualiseOptions options;
  std::vector<std::string> operands;
  bool sectionChosen = false;
  OptionCursor cursor(arguments, VISUALISE_OPTIONS);
  while (cursor.next()) {
    if (cursor.is("--help")) {
      options.help = true;
    } else if (cursor.is("--version")) {
      options.version = true;
    } else if (cursor.is("--output")) {
      if (options.pageName) throw UsageError{"more than one PAGE.html"};
      options.pageName = cursor.value();
    } else if (cursor.is("--section")) {
      chooseSection(options, sectionChosen, SectionChoice::By::position, count(cursor, "--section", 1));
    } else if (cursor.is("--test-case")) {
      chooseSection(options, sectionChosen, SectionChoice::By::testCaseNumber,
                    count(cursor, "--test-case", 1));
    } else if (cursor.is("--png")) {
      options.pngName = cursor.value();
    } else if (cursor.is("--move")) {
      options.pngMove = count(cursor, "--move", 0);
    } else {
      operands.push_back(cursor.operand());
    }
  }
  if (!options.help && !options.version) takeOperands(options, operands);
  return options;
}
