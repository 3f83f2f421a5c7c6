#include "solve/solver_options.h"

#include "common/command_line.h"
#include "text/leading_int.h"

const std::string_view SOLVER_HELP =
    "Usage: barvotok-solve [OPTION]... INPUT\n"
    "Reads the test set INPUT ('-' for standard input), checked exactly as the\n"
    "evaluator checks it, and writes a submission that answers every test case.\n"
    "A table of moves per test case goes to standard error.\n"
    "\n"
    "  -o, --output FILE      write the submission to FILE instead of standard output\n"
    "      --report FILE      write the evaluator's exact report to FILE: on the test\n"
    "                         set with the submission written, or on the bad test set\n"
    "      --strategy NAME    greedy (default): the colour that floods the most cells;\n"
    "                         lookahead: the colour whose best pair of moves floods\n"
    "                         the most cells, or the greedy answer if shorter\n"
    "      --contestant ID    the contestant number line, 6 characters starting with\n"
    "                         a number (default 000000)\n"
    "      --pad N|max        insert N idle moves (moves that flood nothing) where the\n"
    "                         region's border is largest; 'max' or a larger N fills\n"
    "                         the section up to w*h moves, the most it may hold\n"
    "      --drop-last N      leave out the last N moves of each section\n"
    "      --stop-after N     keep at most the first N moves of each section\n"
    "  -q, --quiet            no table of moves\n"
    "  -h, --help             show this help and exit\n"
    "\n"
    "Padding comes first, then --drop-last, then --stop-after; the last two leave\n"
    "sections unfinished, which the evaluator rejects.\n"
    "\n"
    "Exit status: 0 on success; 1 when the test set is not valid (the evaluator's\n"
    "report follows on standard error, its bytes outside printable ASCII as \\xHH)\n"
    "or a file cannot be read or written, or is the test set itself; 2 for a bad\n"
    "command line.\n";

namespace {

std::string checkedContestant(const std::string& text) {
  // The evaluator wants exactly six characters that start with a number.
  if (text.size() != 6 || !scanLeadingInt(text)) {
    throw UsageError{"invalid value '" + text + "' for --contestant: 6 characters starting with a number"};
  }
  return text;
}

}  // namespace

SolverOptions parseSolverOptions(const std::vector<std::string>& arguments) {
  SolverOptions options;
  SectionShape& shape = options.shape;
  std::vector<std::string> operands;
  OptionCursor cursor(arguments);
  while (cursor.next()) {
    if (cursor.isFlag("--help", "-h")) {
      options.help = true;
    } else if (cursor.isFlag("--quiet", "-q")) {
      options.table = false;
    } else if (cursor.isOption("--output", "-o")) {
      options.output = cursor.value();
    } else if (cursor.isOption("--report")) {
      options.report = cursor.value();
    } else if (cursor.isOption("--strategy")) {
      const std::string name = cursor.value();
      const auto strategy = strategyByName(name);
      if (!strategy) throw UsageError{"unknown strategy '" + name + "' (see --help)"};
      options.strategy = *strategy;
    } else if (cursor.isOption("--contestant")) {
      options.contestant = checkedContestant(cursor.value());
    } else if (cursor.isOption("--pad")) {
      const std::string count = cursor.value();
      shape.idleMoves = count == "max" ? MAX_SECTION_MOVES : parseWhole(count, "--pad", 0, MAX_SECTION_MOVES);
    } else if (cursor.isOption("--drop-last")) {
      shape.dropLast = parseWhole(cursor.value(), "--drop-last", 0, MAX_SECTION_MOVES);
    } else if (cursor.isOption("--stop-after")) {
      shape.stopAfter = parseWhole(cursor.value(), "--stop-after", 0, MAX_SECTION_MOVES);
    } else {
      operands.push_back(cursor.operand());
    }
  }
  if (options.help) return options;
  if (operands.size() != 1) throw UsageError{operands.empty() ? "missing INPUT" : "more than one INPUT"};
  options.input = operands.front();
  return options;
}
