#include "contest/standings/results.h"

#include <map>
#include <tuple>

#include "common/escaped_bytes.h"
#include "common/file_error.h"
#include "contest/database/results_reader.h"
#include "contest/database/verdict_text.h"

namespace {

constexpr std::size_t MESSAGE_LIMIT = 400;

std::string chosenTestSet(const std::vector<ResultsReader>& databases,
                          const std::optional<std::string>& testSetHash) {
  std::map<std::string, std::string> testSets;  // hash -> a file name it was judged under
  for (const ResultsReader& database : databases) testSets.merge(database.testSets());
  if (testSetHash) {
    if (!testSets.contains(*testSetHash)) {
      throw StandingsError("the results hold no verdicts for test set " + *testSetHash);
    }
    return *testSetHash;
  }
  if (testSets.empty()) throw StandingsError("the results hold no judged test set");
  if (testSets.size() > 1) {
    std::string list;
    for (const auto& [hash, fileName] : testSets) list += "\n  " + hash + " (" + terminalText(fileName) + ")";
    throw StandingsError(
        "the results hold verdicts for several test sets; name the one to rank with --input:" + list);
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
      throw StandingsError("the results databases disagree about the test cases of test set " + hash);
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

// A verdict as standings show it, before it meets its submissions.
StandingsSubmission shownVerdict(const ReadVerdict& read, std::size_t caseCount) {
  const VerdictRecord& record = read.record;
  return {{},
          record.contestant,
          record.verdict,
          shownReportLine(record.report, read.firstLineLength, MESSAGE_LIMIT),
          fewestMovesOf(record.sections, caseCount)};
}

// One database's part of the contest, merged into what the others gave.
void readDatabase(const ResultsReader& database, const std::string& testSet, std::size_t caseCount,
                  std::map<std::string, std::string>& hashByPath,
                  std::map<std::string, StandingsSubmission>& verdicts) {
  for (const auto& [path, hash] : database.submissions(testSet)) {
    const auto [place, inserted] = hashByPath.emplace(path, hash);
    if (!inserted && place->second != hash) {
      throw StandingsError("submission " + shownFileName(place->first) +
                           " was judged with different contents in two results databases");
    }
  }
  const auto key = [](const StandingsSubmission& s) { return std::tie(s.verdict, s.message, s.contestant); };
  for (const auto& [hash, read] :
       database.verdicts(testSet, static_cast<std::int64_t>(caseCount), MESSAGE_LIMIT)) {
    // The same content judged in two databases has one verdict; should two
    // ever differ, the choice must not depend on the order of the files.
    StandingsSubmission shown = shownVerdict(read, caseCount);
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
  try {
    // A file read whole that a judge began to write meanwhile is read again,
    // through SQLite's locks this time.
    if (auto results = readOnce(paths, testSetHash, false)) return *results;
    return *readOnce(paths, testSetHash, true);
  } catch (const DatabaseError& error) {
    throw StandingsError(error.message);
  }
}

std::vector<std::optional<std::int32_t>> fewestMovesOf(const std::vector<SectionRecord>& sections,
                                                       std::size_t caseCount) {
  std::vector<std::optional<std::int32_t>> fewest(caseCount);
  for (const SectionRecord& section : sections) {
    std::optional<std::int32_t>& moves = fewest.at(static_cast<std::size_t>(section.testCase - 1));
    if (!moves || section.moves < *moves) moves = section.moves;
  }
  return fewest;
}

std::string submissionFileName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string shownReportLine(const std::string& head, std::size_t lineLength, std::size_t limit) {
  return terminalText(head, lineLength, limit);
}
