// barvotok-solve: the reference solver; writes a submission for a test set.
#include <sstream>
#include <string_view>

#include "common/checked_test_set.h"
#include "common/output_file.h"
#include "common/progress.h"
#include "common/submission_writer.h"
#include "common/tool_frame.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "solve/answer_judge.h"
#include "solve/move_table.h"
#include "solve/solver_options.h"

namespace {

constexpr std::string_view TOOL = "barvotok-solve";

// Writes the report's exact bytes to the file that --report names, if any.
void keepReport(const SolverOptions& options, const std::string& report, OutputGuard& guard) {
  if (!options.report.empty()) writeOutputFile(options.report, report, guard);
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
  Progress progress("test cases solved", static_cast<std::int64_t>(testSet.size()), options.progress);
  std::vector<std::vector<std::int32_t>> answers;
  for (const TestCase& testCase : testSet) {
    Progress cells("cells flooded in test case " + std::to_string(testCase.number),
                   std::int64_t{testCase.w} * testCase.h, options.progress);
    SearchLimits limits = options.limits;
    limits.progress = [&cells](std::int64_t flooded, std::int64_t) { cells.show(flooded); };
    SolverAnswer answer = solve(testCase, options.strategy, limits);
    table.add(testCase, static_cast<std::int64_t>(answer.moves.size()), answer.lowerBound);
    notes += optimalityNote(testCase, answer);
    answers.push_back(std::move(answer.moves));
    progress.show(testCase.number);
  }
  return answers;
}

int run(const SolverOptions& options) {
  OutputGuard guard =
      refuseOutputClashes({options.input}, {options.output, options.report.empty() ? "-" : options.report});
  TestSet testSet;
  std::string failure;
  if (!readCheckedTestSet(options.input, testSet, &failure)) {
    keepReport(options, failure, guard);
    return 1;
  }
  MoveTable table;
  std::string notes;
  const std::vector<std::vector<std::int32_t>> answers = solveAll(options, testSet, table, notes);
  if (const auto objection = evaluatorObjection(testSet, answers)) {
    std::cerr << TOOL << ": solver fault: the evaluator rejects the solver's answers, nothing written;"
              << " its report:\n";
    showReport(*objection);
    return 1;
  }
  OutputFile output(options.output, guard);
  std::ostringstream submission;  // kept, to be evaluated once written
  writeSubmissionHeader(submission, options.contestant);
  for (std::size_t at = 0; at < answers.size(); ++at) {
    writeSection(submission, testSet[at].number, shapeSection(testSet[at], answers[at], options.shape));
  }
  output.stream() << submission.str();
  if (options.table) std::cerr << notes << table.text();
  output.commit();
  if (!options.report.empty()) keepReport(options, reportOnSubmission(testSet, submission.str()), guard);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<SolverOptions>(TOOL, SOLVER_HELP, argc, argv, parseSolverOptions, run);
}
