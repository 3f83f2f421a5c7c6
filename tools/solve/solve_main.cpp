// barvotok-solve: the reference solver; writes a submission for a test set.
#include "common/progress.h"
#include "common/submission_writer.h"
#include "common/tool_frame.h"
#include "driver/report.h"
#include "solve/answer_judge.h"
#include "solve/move_table.h"
#include "solve/solver_options.h"
#include "testset/test_set_reader.h"

namespace {

constexpr std::string_view TOOL = "barvotok-solve";

// Reads the test set through the evaluator's own reader; a bad one is
// reported with the very report that the evaluator would write.
bool readCheckedTestSet(const std::string& name, TestSet& testSet) {
  bool read = false;
  const std::string report = reportOf([&] {
    if (name == "-") {
      readTestSet(std::cin, testSet);
    } else {
      readTestSet(name, testSet);
    }
    read = true;
    return ResultList{};
  });
  if (!read) std::cerr << report;
  return read;
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
  if (!readCheckedTestSet(options.input, testSet)) return 1;
  MoveTable table;
  std::string notes;
  const std::vector<std::vector<std::int32_t>> answers = solveAll(options, testSet, table, notes);
  if (const auto objection = evaluatorObjection(testSet, answers)) {
    std::cerr << TOOL << ": solver fault: the evaluator rejects the solver's answers, nothing written;"
              << " its report:\n"
              << *objection;
    return 1;
  }
  OutputTarget output(options.output);
  if (!output.usable(TOOL)) return 1;
  writeSubmissionHeader(output.stream(), options.contestant);
  for (std::size_t at = 0; at < answers.size(); ++at) {
    writeSection(output.stream(), testSet[at].number, shapeSection(testSet[at], answers[at], options.shape));
  }
  if (options.table) std::cerr << notes << table.text();
  return output.finish(TOOL) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<SolverOptions>(TOOL, SOLVER_HELP, argc, argv, parseSolverOptions, run);
}
