#include "contest/standings/command.h"

#include <iostream>
#include <sstream>

#include "common/checked_test_set.h"
#include "common/escaped_bytes.h"
#include "common/output_file.h"
#include "common/tool_error.h"
#include "common/tool_frame.h"
#include "contest/standings/input.h"
#include "contest/standings/options.h"
#include "contest/standings/results.h"

namespace {

constexpr std::string_view TOOL = "barvotok-contest standings";

// Every file this run reads: no output may be one of them.
std::vector<std::string> inputsOf(const StandingsOptions& options) {
  std::vector<std::string> inputs = options.results;
  inputs.insert(inputs.end(), options.references.begin(), options.references.end());
  if (options.input) inputs.push_back(*options.input);
  return inputs;
}

int run(const StandingsOptions& options) {
  OutputGuard guard = refuseOutputClashes(inputsOf(options), {options.output});
  std::optional<std::string> testSetHash;
  std::vector<StandingsSubmission> references;
  if (options.input) {
    // The test set's cases are wanted only to judge the references.
    TestSet testSet;
    testSetHash = readTestSetFile(*options.input, options.references.empty() ? nullptr : &testSet);
    if (!testSetHash) return 1;
    for (const std::string& path : options.references) references.push_back(judgeReference(testSet, path));
  }
  const StandingsResults results = readStandingsResults(options.results, testSetHash);
  if (!references.empty() && references.front().fewestMoves.size() != results.testCases.size()) {
    throw ToolError{"the results record " + std::to_string(results.testCases.size()) +
                    " test cases for the test set of " + shownFileName(*options.input)};
  }
  if (results.unjudged > 0) {
    std::cerr << TOOL << ": " << results.unjudged
              << (results.unjudged == 1 ? " submission has" : " submissions have")
              << " no verdict yet, left out; run the judge again to finish\n";
  }
  std::ostringstream text;
  writeStandings(text, rankContest(results, references, options.scoring, options.counting), options.format);
  writeOutputFile(options.output, text.str(), guard);
  return 0;
}

}  // namespace

int runStandingsCommand(const std::vector<std::string>& arguments) {
  return runTool<StandingsOptions>(TOOL, STANDINGS_HELP, arguments, parseStandingsOptions, run);
}
