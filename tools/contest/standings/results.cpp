#include "contest/standings/results.h"

#include <map>
#include <tuple>

#include "common/escaped_bytes.h"
#include "common/tool_error.h"
#include "contest/database/results_reader.h"
#include "driver/report.h"

namespace {

constexpr std::size_t MESSAGE_LIMIT = 400;

std::string chosenTestSet(const std::vector<ResultsReader>& databases,
                          const std::optional<std::string>& testSetHash) {
  std::map<std::string, std::string> testSets;  // hash -> a file name it was judged under
  for (const ResultsReader& database : databases) testSets.merge(database.testSets());
  if (testSetHash) {
    if (!testSets.contains(*testSetHash)) {
      throw ToolError{"the results hold no verdicts for test set " + *testSetHash};
    }
    return *testSetHash;
  }
  if (testSets.empty()) throw ToolError{"the results hold no judged test set"};
  if (testSets.size() > 1) {
    std::string list;
    for (const auto& [hash, fileName] : testSets) list += "\n  " + hash + " (" + terminalText(fileName) + ")";
    throw ToolError{"the results hold verdicts for several test sets; name the one to rank with --input:" +
                    list};
  }
  return testSets.begin()->first;
}

// The test set's cases as every database that knows it agrees they are.
std::vector<TestCaseRecord> testCasesOf(const std::vector<ResultsReader>& databases,
                                        const std::string& hash) {
  std::optional<TestSetRecord> testSet;
  for (const ResultsReader& database : databases) {
    std::optional<TestSetRecord> record = database.testSet(hash);
    if (!record) continue;  // not judged into this one
    if (testSet && !(*testSet == *record)) {
      throw ToolError{"the results databases disagree about the test cases of test set " + hash};
    }
    testSet = std::move(record);
  }
  const std::int64_t caseCount = testSet ? testSet->caseCount : 0;
  std::vector<TestCaseRecord> testCases;
  for (std::int64_t number = 1; number <= caseCount; ++number) {
    testCases.push_back({static_cast<std::int32_t>(number), 0, 0, 0});
  }
  if (testSet) {
    for (const TestCaseRecord& testCase : testSet->testCases) {
      if (testCase.number >= 1 && testCase.number <= caseCount) testCases[testCase.number - 1] = testCase;
    }
  }
  return testCases;
}

// The fewest moves of the passed sections per test case, 1 ... `caseCount`:
// what a submission's answers score.
std::vector<std::optional<std::int32_t>> fewestMovesOf(const ResultList* sections, std::size_t caseCount) {
  std::vector<std::optional<std::int32_t>> fewest(caseCount);
  if (sections == nullptr) return fewest;
  for (const TestResult& section : *sections) {
    std::optional<std::int32_t>& moves = fewest.at(static_cast<std::size_t>(section.number - 1));
    if (!moves || section.moveCount < *moves) moves = section.moveCount;
  }
  return fewest;
}

// One database's part of the contest, merged into what the others gave.
void readDatabase(const ResultsReader& database, const std::string& testSet, std::size_t caseCount,
                  std::map<std::string, std::string>& hashByPath,
                  std::map<std::string, StandingsSubmission>& verdicts) {
  for (const auto& [path, hash] : database.submissions(testSet)) {
    const auto [place, inserted] = hashByPath.emplace(path, hash);
    if (!inserted && place->second != hash) {
      throw ToolError{"submission " + shownFileName(place->first) +
                      " was judged with different contents in two results databases"};
    }
  }
  const auto key = [](const StandingsSubmission& s) {
    return std::tie(s.verdict, s.checkLine, s.message, s.contestant);
  };
  for (const auto& [hash, read] : database.verdicts(testSet, MESSAGE_LIMIT)) {
    // The same content judged in two databases has one verdict; should two
    // ever differ, the choice must not depend on the order of the files.
    StandingsSubmission shown =
        standingsSubmission({}, read.contestant, read.outcome, read.messageLength, caseCount);
    const auto [place, inserted] = verdicts.emplace(hash, shown);
    if (!inserted && key(shown) < key(place->second)) place->second = std::move(shown);
  }
}

std::optional<StandingsResults> readOnce(const std::vector<std::string>& paths,
                                         const std::optional<std::string>& testSetHash, bool shared) {
  std::vector<ResultsReader> databases;
  databases.reserve(paths.size());
  for (const std::string& path : paths) databases.emplace_back(path, shared);

  StandingsResults results;
  results.testSetHash = chosenTestSet(databases, testSetHash);
  results.testCases = testCasesOf(databases, results.testSetHash);
  std::map<std::string, std::string> hashByPath;
  std::map<std::string, StandingsSubmission> verdicts;
  for (const ResultsReader& database : databases) {
    readDatabase(database, results.testSetHash, results.testCases.size(), hashByPath, verdicts);
  }
  for (const ResultsReader& database : databases) {
    if (!database.stillCurrent()) return std::nullopt;
  }
  for (const auto& [path, hash] : hashByPath) {
    const auto verdict = verdicts.find(hash);
    if (verdict == verdicts.end()) {
      ++results.unjudged;
      continue;
    }
    results.submissions.push_back(verdict->second);
    results.submissions.back().path = path;
  }
  return results;
}

}  // namespace

StandingsResults readStandingsResults(const std::vector<std::string>& paths,
                                      const std::optional<std::string>& testSetHash) {
  // A file read whole that a judge began to write meanwhile is read again,
  // through SQLite's locks this time.
  if (auto results = readOnce(paths, testSetHash, false)) return *results;
  return *readOnce(paths, testSetHash, true);
}

StandingsSubmission standingsSubmission(std::string path, std::optional<std::string> contestant,
                                        const EvaluationOutcome& outcome, std::size_t messageLength,
                                        std::size_t caseCount) {
  const EAssertion* failure = outcome.failure();
  // The report's first line, of which the message's head is at hand.
  const std::string line = verdictLine(outcome);
  const std::size_t lineLength =
      failure == nullptr ? line.size() : line.size() - failure->message.size() + messageLength;
  return {std::move(path),
          std::move(contestant),
          outcome.verdict(),
          failure == nullptr ? 0 : failure->line,
          terminalText(line, lineLength, MESSAGE_LIMIT),
          fewestMovesOf(outcome.results(), caseCount)};
}
