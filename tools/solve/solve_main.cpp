// barvotok-solve: the reference solver; writes a submission for a test set.
#include <algorithm>
#include <cstring>
#include <sstream>
#include <string_view>

#include "common/escaped_bytes.h"
#include "common/progress.h"
#include "common/submission_writer.h"
#include "common/tool_frame.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
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
  bool read = false;
  const std::string report = reportOf([&] {
    try {
      readTestSet(name == "-" ? std::cin : file.stream, testSet);
    } catch (const ReadError& error) {
      std::cerr << TOOL << ": error reading " << name << ": " << error.what() << '\n';
      throw;
    }
    read = true;
    return ResultList{};
  });
  if (read) return true;
  showReport(report);
  keepReport(options, report);
  return false;
}

// The evaluator's report on the test set with the submission written.
std::string reportOnSubmission(const TestSet& testSet, const std::string& submission) {
  return reportOf([&] {
    std::istringstream stream(submission);
    return evaluateSubmission(testSet, stream);
  });
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
  if (!readCheckedTestSet(options, testSet)) return 1;
  OutputTarget output(options.output, {options.input});
  if (!output.usable(TOOL)) return 1;
  MoveTable table;
  std::string report;
  if (options.report.empty()) {
    solveAll(options, testSet, output.stream(), table);
  } else {
    std::ostringstream submission;  // kept, to be evaluated once written
    solveAll(options, testSet, submission, table);
    output.stream() << submission.str();
    report = reportOnSubmission(testSet, submission.str());
  }
  if (options.table) std::cerr << table.text();
  const bool written = output.finish(TOOL);
  return written && keepReport(options, report) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  return runTool<SolverOptions>(TOOL, SOLVER_HELP, argc, argv, parseSolverOptions, run);
}
