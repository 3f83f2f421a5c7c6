#include "contest/judge/options.h"

#include <algorithm>

#include "common/command_line.h"

const std::string_view JUDGE_HELP =
    "Usage: barvotok-contest judge INPUT SUBMISSION... -d RESULTS [-j N] [--shard K/N] [--reports DIR]\n"
    "                              [--recheck] [--json]\n"
    "Checks the test set INPUT once, as the evaluator checks it, then judges every\n"
    "SUBMISSION exactly as 'Zvn22Barvotok eval' would, into the results database\n"
    "RESULTS (SQLite). A SUBMISSION is a file, or a folder whose regular files are\n"
    "each one submission. Contents that already have a verdict against this test\n"
    "set are not judged again, so an interrupted run is finished by running it again.\n"
    "\n"
    "Options:\n"
    "  -d, --results FILE     the results database, created when missing\n"
    "  -j, --jobs N           judge on N threads (default: one per core)\n"
    "      --shard K/N        judge only part K of N parts (K from 0 to N-1); a\n"
    "                         submission's part is fixed by the hash of its path\n"
    "      --reports DIR      also write each report as DIR/NAME.report, NAME being\n"
    "                         the submission's file name\n"
    "      --recheck          judge the contents that already have a verdict again,\n"
    "                         name on standard error each verdict that differs, and\n"
    "                         keep the new one (before publishing standings built\n"
    "                         from databases of other machines)\n"
    "      --json             write the summary as one JSON object: the counts, and\n"
    "                         the files judged now, judged before, left for the\n"
    "                         next run and skipped\n"
    "      --progress         a progress line on standard error every ten seconds,\n"
    "                         wherever it goes (a log, a pipe); a terminal shows a bar\n"
    "  -h, --help             show this help and exit\n"
    "      --version          show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  every submission has its verdict\n"
    "  1  a file cannot be read or written, or an output (RESULTS, a report) is an\n"
    "     input, RESULTS or another report, or its name is too long, or two\n"
    "     submissions share a file name under --reports (by any name or link:\n"
    "     nothing is written then); the test set is not valid (the evaluator's\n"
    "     report follows on standard error); RESULTS is not this tool's database;\n"
    "     a submission changed or failed while it was judged, or memory ran out (it\n"
    "     is left for the next run); the log could not be folded back into\n"
    "     RESULTS; or --recheck found a stored verdict that differs\n"
    "  2  a bad command line\n"
    "  128+N  stopped by signal N (SIGINT 130, SIGTERM 143) between submissions;\n"
    "         a re-run finishes the job\n";

ShardChoice parseShard(std::string_view text) {
  const UsageError bad{"invalid value " + quotedArgument(text) + " for --shard: K/N with 0 <= K < N"};
  const auto slash = text.find('/');
  if (slash == std::string_view::npos) throw bad;
  try {
    ShardChoice shard;
    shard.count = parseWhole(text.substr(slash + 1), "--shard", 1, INT32_MAX);
    shard.index = parseWhole(text.substr(0, slash), "--shard", 0, shard.count - 1);
    return shard;
  } catch (const UsageError&) {
    throw bad;
  }
}

constexpr KnownOption JUDGE_OPTIONS[] = {
    {"--help", 'h'},          {"--version"},         {"--progress"},       {"--recheck"},          {"--json"},
    {"--results", 'd', true}, {"--jobs", 'j', true}, {"--shard", 0, true}, {"--reports", 0, true},
};

JudgeOptions parseJudgeOptions(const std::vector<std::string>& arguments) {
  JudgeOptions options;
  std::vector<std::string> operands;
  bool resultsGiven = false;
  OptionCursor cursor(arguments, JUDGE_OPTIONS);
  while (cursor.next()) {
    if (cursor.is("--help")) {
      options.help = true;
    } else if (cursor.is("--version")) {
      options.version = true;
    } else if (cursor.is("--progress")) {
      options.progress = ProgressStyle::lines;
    } else if (cursor.is("--results")) {
      options.results = cursor.value();
      resultsGiven = true;
    } else if (cursor.is("--jobs")) {
      options.threads = parseWhole(cursor.value(), "--jobs", 1, 1024);
    } else if (cursor.is("--shard")) {
      options.shard = parseShard(cursor.value());
    } else if (cursor.is("--json")) {
      options.json = true;
    } else if (cursor.is("--recheck")) {
      options.recheck = true;
    } else if (cursor.is("--reports")) {
      options.reportsFolder = cursor.value();
      if (options.reportsFolder.empty()) throw UsageError{"--reports needs a folder"};
    } else {
      operands.push_back(cursor.operand());
    }
  }
  if (options.help || options.version) return options;
  if (operands.empty()) throw UsageError{"missing INPUT"};
  if (operands.size() == 1) throw UsageError{"missing SUBMISSION"};
  if (!resultsGiven || options.results.empty()) throw UsageError{"missing -d RESULTS"};
  // The test set is read twice (listed with its hash, then checked) and a
  // submission is named by its path in the results: neither can be a pipe.
  if (operands.front() == "-") throw UsageError{"INPUT cannot be standard input: the judge reads it twice"};
  if (std::find(operands.begin() + 1, operands.end(), "-") != operands.end())
    throw UsageError{"a SUBMISSION cannot be standard input: the results name each by its path"};
  options.input = operands.front();
  options.submissions.assign(operands.begin() + 1, operands.end());
  return options;
}
