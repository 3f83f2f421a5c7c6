// barvotok-solve: the reference solver; writes a submission for a test set.
#include "common/progress.h"
#include "common/submission_writer.h"
#include "common/tool_frame.h"
#include "driver/report.h"
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

void solveAll(const SolverOptions& options, const TestSet& testSet, std::ostream& output, MoveTable& table) {
  Progress progress("solving test case", static_cast<std::int64_t>(testSet.size()));
  writeSubmissionHeader(output, options.contestant);
  for (const TestCase& testCase : testSet) {
    progress.show(testCase.number);
    const std::vector<std::int32_t> moves =
        shapeSection(testCase, solve(testCase, options.strategy), options.shape);
    writeSection(output, testCase.number, moves);
    table.add(testCase, static_cast<std::int64_t>(moves.size()));
  }
}

int run(const SolverOptions& options) {
  TestSet testSet;
  if (!readCheckedTestSet(options.input, testSet)) return 1;
  OutputTarget output(options.output);
  if (!output.usable(TOOL)) return 1;
  MoveTable table;
  solveAll(options, testSet, output.stream(), table);
  if (options.table) std::cerr << table.text();
  return output.finish(TOOL) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<SolverOptions>(TOOL, SOLVER_HELP, argc, argv, parseSolverOptions, run);
}
