#include "solve/solver_options.h"

#include "common/command_line.h"
#include "text/leading_int.h"

const std::string_view SOLVER_HELP =
    "Usage: barvotok-solve [OPTION]... INPUT\n"
    "Reads the test set INPUT ('-' for standard input), checked exactly as the\n"
    "evaluator checks it, and writes a submission that answers every test case.\n"
    "A table of moves per test case, with a lower bound on the fewest moves any\n"
    "answer needs, goes to standard error. Every answer is first judged by the\n"
    "evaluator's own code; one that it rejects is a solver fault (exit status 1,\n"
    "nothing written).\n"
    "\n"
    "Options:\n"
    "  -o, --output FILE      write the submission to FILE instead of standard output\n"
    "      --report FILE      write the evaluator's exact report to FILE: on the test\n"
    "                         set with the submission written, or on the bad test set\n"
    "      --strategy NAME    beam (default): a beam search over the grid's one-colour\n"
    "                         areas, ranked by a lower bound on the moves still needed;\n"
    "                         exact: the beam's answer, then A* for a shorter one or\n"
    "                         the proof that none exists (small grids; a note per test\n"
    "                         case on standard error); greedy: the colour that floods\n"
    "                         the most cells; lookahead: the colour whose best pair of\n"
    "                         moves floods the most cells, or the greedy answer if shorter\n"
    "      --beam-width N     states the beam keeps per move (default: sized to the\n"
    "                         grid, at most 5000, for about half a second per test\n"
    "                         case, less under a --time-limit below 10 s; on grids\n"
    "                         too large for even one state, 16 lines of moves\n"
    "                         looking 4 moves ahead of the played region)\n"
    "      --time-limit S     seconds per test case for beam and exact (default 40);\n"
    "                         then they answer with the best they have\n"
    "      --contestant ID    the contestant number line, 6 characters starting with\n"
    "                         a number (default 000000)\n"
    "      --pad N|max        insert N idle moves (moves that flood nothing) where the\n"
    "                         region's border is largest; 'max' or a larger N fills\n"
    "                         the section up to w*h moves, the most it may hold\n"
    "      --drop-last N      leave out the last N moves of each section\n"
    "      --stop-after N     keep at most the first N moves of each section\n"
    "  -q, --quiet            no table of moves and no notes of the exact search\n"
    "      --progress         a progress line on standard error every ten seconds,\n"
    "                         wherever it goes (a log, a pipe); a terminal shows a bar\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "Padding comes first, then --drop-last, then --stop-after; the last two leave\n"
    "sections unfinished, which the evaluator rejects (answers are judged before\n"
    "they are shaped).\n"
    "\n"
    "Exit status:\n"
    "  0  success\n"
    "  1  a file cannot be read or written, or an output is the test set or the\n"
    "     other output (by any name or link: nothing is written then); the test\n"
    "     set is not valid (the evaluator's report follows on standard error, its\n"
    "     bytes outside printable ASCII as \\xHH); or the evaluator rejects an answer\n"
    "  2  a bad command line\n";

namespace {

constexpr std::int64_t MAX_BEAM_WIDTH = 1'000'000;

std::string checkedContestant(const std::string& text) {
  // The evaluator wants exactly six characters that start with a number.
  if (text.size() != 6 || !scanLeadingInt(text)) {
    throw UsageError{"invalid value " + quotedArgument(text) +
                     " for --contestant: 6 characters starting with a number"};
  }
  return text;
}

// Whole or decimal seconds, "2" or "0.5", read digit by digit (the locale's
// decimal point does not matter); at most a day, so that a deadline never
// overflows the clock.
double parseSeconds(const std::string& text) {
  double seconds = 0;
  double scale = 1;
  bool point = false;
  bool wellFormed = !text.empty() && text.size() <= 12 && text.front() != '.' && text.back() != '.';
  for (const char c : text) {
    if (c == '.' && !point) {
      point = true;
    } else if (c >= '0' && c <= '9') {
      if (point) scale /= 10;
      seconds = point ? seconds + (c - '0') * scale : seconds * 10 + (c - '0');
    } else {
      wellFormed = false;
    }
  }
  if (!wellFormed || seconds <= 0 || seconds > 86400) {
    throw UsageError{"invalid value " + quotedArgument(text) +
                     " for --time-limit: seconds above 0, at most 86400"};
  }
  return seconds;
}

}  // namespace

constexpr KnownOption SOLVER_OPTIONS[] = {
    {"--help", 'h'},
    {"--version"},
    {"--progress"},
    {"--quiet", 'q'},
    {"--output", 'o', true},
    {"--report", 0, true},
    {"--strategy", 0, true},
    {"--beam-width", 0, true},
    {"--time-limit", 0, true},
    {"--contestant", 0, true},
    {"--pad", 0, true},
    {"--drop-last", 0, true},
    {"--stop-after", 0, true},
};

SolverOptions parseSolverOptions(const std::vector<std::string>& arguments) {
  SolverOptions options;
  SectionShape& shape = options.shape;
  std::vector<std::string> operands;
  OptionCursor cursor(arguments, SOLVER_OPTIONS);
  while (cursor.next()) {
    if (cursor.is("--help")) {
      options.help = true;
    } else if (cursor.is("--version")) {
      options.version = true;
    } else if (cursor.is("--progress")) {
      options.progress = ProgressStyle::lines;
    } else if (cursor.is("--quiet")) {
      options.table = false;
    } else if (cursor.is("--output")) {
      options.output = cursor.value();
    } else if (cursor.is("--report")) {
      options.report = cursor.value();
    } else if (cursor.is("--strategy")) {
      const std::string& name = cursor.value();
      const auto strategy = strategyByName(name);
      if (!strategy) throw UsageError{"unknown strategy " + quotedArgument(name) + " (see --help)"};
      options.strategy = *strategy;
    } else if (cursor.is("--beam-width")) {
      options.limits.beamWidth =
          static_cast<std::int32_t>(parseWhole(cursor.value(), "--beam-width", 1, MAX_BEAM_WIDTH));
    } else if (cursor.is("--time-limit")) {
      options.limits.seconds = parseSeconds(cursor.value());
    } else if (cursor.is("--contestant")) {
      options.contestant = checkedContestant(cursor.value());
    } else if (cursor.is("--pad")) {
      const std::string& count = cursor.value();
      shape.idleMoves = count == "max" ? MAX_SECTION_MOVES : parseWhole(count, "--pad", 0, MAX_SECTION_MOVES);
    } else if (cursor.is("--drop-last")) {
      shape.dropLast = parseWhole(cursor.value(), "--drop-last", 0, MAX_SECTION_MOVES);
    } else if (cursor.is("--stop-after")) {
      shape.stopAfter = parseWhole(cursor.value(), "--stop-after", 0, MAX_SECTION_MOVES);
    } else {
      operands.push_back(cursor.operand());
    }
  }
  if (options.help || options.version) return options;
  if (operands.size() != 1) throw UsageError{operands.empty() ? "missing INPUT" : "more than one INPUT"};
  options.input = operands.front();
  return options;
}
