// barvotok-solve: the reference solver; writes a submission for a test set.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string_view>

#include "common/checked_test_set.h"
#include "common/escaped_bytes.h"
#include "common/progress.h"
#include "common/submission_writer.h"
#include "common/tool_frame.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "solve/answer_judge.h"
#include "solve/move_table.h"
#include "solve/solver_options.h"
#include "testset/test_set_reader.h"
#include "text/line_source.h"
#include "text/read_error.h"

namespace {

constexpr std::string_view TOOL = "barvotok-solve";

// Shows a report on standard error a line at a time, every byte outside
// printable ASCII escaped and long lines cut: a report quotes input lines.
void showReport(const std::string& report) {
  std::string_view rest = report;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::cerr << terminalText(rest.substr(0, end)) << '\n';
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
}

// Writes the report's exact bytes to the file that --report names, if any.
bool keepReport(const SolverOptions& options, const std::string& report) {
  if (options.report.empty()) return true;
  OutputTarget file(options.report, {options.input, options.output});
  if (!file.usable(TOOL)) return false;
  file.stream() << report;
  return file.finish(TOOL);
}

// Reads the test set through the evaluator's own reader; a bad one is
// reported with the very report that the evaluator would write.
bool readCheckedTestSet(const SolverOptions& options, TestSet& testSet) {
  const std::string& name = options.input;
  InputFile file;
  if (name != "-") {
    file = openInputFile(name);
    if (file.openError != 0) {
      std::cerr << TOOL << ": cannot open " << name << ": " << std::strerror(file.openError) << '\n';
      return false;
    }
  }
  const auto failure = testSetFailure([&] {
    try {
      readTestSet(name == "-" ? std::cin : file.stream, testSet);
    } catch (const ReadError& error) {
      std::cerr << TOOL << ": error reading " << name << ": " << error.what() << '\n';
      throw;
    }
  });
  if (!failure) return true;
  showReport(*failure);
  keepReport(options, *failure);
  return false;
}

// The evaluator's report on the test set with the submission written.
std::string reportOnSubmission(const TestSet& testSet, const std::string& submission) {
  return reportOf(outcomeOf([&] {
    std::istringstream stream(submission);
    return evaluateSubmission(testSet, stream);
  }));
}

// Every answer, in test set order; the notes of the exact search are kept
// for the end, so that they never break into the progress line.
std::vector<std::vector<std::int32_t>> solveAll(const SolverOptions& options, const TestSet& testSet,
                                                MoveTable& table, std::string& notes) {
  Progress progress("solving test case", static_cast<std::int64_t>(testSet.size()));
  std::vector<std::vector<std::int32_t>> answers;
  for (const TestCase& testCase : testSet) {
    progress.show(testCase.number);
    Progress cells("flooded cells", std::int64_t{testCase.w} * testCase.h);
    SearchLimits limits = options.limits;
    limits.progress = [&cells](std::int64_t flooded, std::int64_t) { cells.show(flooded); };
    SolverAnswer answer = solve(testCase, options.strategy, limits);
    table.add(testCase, static_cast<std::int64_t>(answer.moves.size()), answer.lowerBound);
    notes += optimalityNote(testCase, answer);
    answers.push_back(std::move(answer.moves));
  }
  return answers;
}

int run(const SolverOptions& options) {
  TestSet testSet;
  if (!readCheckedTestSet(options, testSet)) return 1;
  MoveTable table;
  std::string notes;
  const std::vector<std::vector<std::int32_t>> answers = solveAll(options, testSet, table, notes);
  if (const auto objection = evaluatorObjection(testSet, answers)) {
    std::cerr << TOOL << ": solver fault: the evaluator rejects the solver's answers, nothing written;"
              << " its report:\n";
    showReport(*objection);
    return 1;
  }
  OutputTarget output(options.output, {options.input});
  if (!output.usable(TOOL)) return 1;
  std::ostringstream submission;  // kept, to be evaluated once written
  writeSubmissionHeader(submission, options.contestant);
  for (std::size_t at = 0; at < answers.size(); ++at) {
    writeSection(submission, testSet[at].number, shapeSection(testSet[at], answers[at], options.shape));
  }
  output.stream() << submission.str();
  if (options.table) std::cerr << notes << table.text();
  const bool written = output.finish(TOOL);
  const std::string report =
      options.report.empty() ? std::string() : reportOnSubmission(testSet, submission.str());
  return written && keepReport(options, report) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<SolverOptions>(TOOL, SOLVER_HELP, argc, argv, parseSolverOptions, run);
}
