#include "contest/database/results_reader.h"

#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>

#include "common/escaped_bytes.h"

namespace {

constexpr std::int64_t RESULTS_APPLICATION_ID = 1112691286;  // 'BRVT', as schema.sql sets it
constexpr std::int64_t RESULTS_SCHEMA_VERSION = 1;
constexpr std::size_t MESSAGE_LIMIT = 400;

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

struct ConnectionCloser {
  void operator()(sqlite3* connection) const { sqlite3_close(connection); }
};
struct StatementFinaliser {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

// One query's rows, with the test set hash bound as its only parameter.
class Query {
 public:
  Query(sqlite3* connection, const std::string& path, std::string_view sql, const std::string& testSet)
      : path_(path) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(connection, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) !=
        SQLITE_OK) {
      fail(connection);
    }
    statement_.reset(statement);
    if (!testSet.empty()) {
      sqlite3_bind_text(statement, 1, testSet.data(), static_cast<int>(testSet.size()), SQLITE_TRANSIENT);
    }
  }

  bool next() {
    const int status = sqlite3_step(statement_.get());
    if (status == SQLITE_ROW) return true;
    if (status != SQLITE_DONE) fail(sqlite3_db_handle(statement_.get()));
    return false;
  }

  bool isNull(int column) const { return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL; }
  std::int64_t number(int column) const { return sqlite3_column_int64(statement_.get(), column); }
  std::string bytes(int column) const {
    const void* data = sqlite3_column_blob(statement_.get(), column);
    const int size = sqlite3_column_bytes(statement_.get(), column);
    return data == nullptr ? std::string() : std::string(static_cast<const char*>(data), size);
  }

 private:
  [[noreturn]] void fail(sqlite3* connection) const {
    if (sqlite3_errcode(connection) == SQLITE_NOTADB) {
      throw StandingsError(quoted(path_) + " is not a results database of barvotok-contest");
    }
    throw StandingsError("cannot read results database " + quoted(path_) + ": " + sqlite3_errmsg(connection));
  }

  std::string path_;
  std::unique_ptr<sqlite3_stmt, StatementFinaliser> statement_;
};

// A results database, open read-only, its kind and version checked.
class ResultsReader {
 public:
  explicit ResultsReader(const std::string& path) : path_(path) {
    sqlite3* connection = nullptr;
    const int status = sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr);
    connection_.reset(connection);
    if (status != SQLITE_OK) {
      throw StandingsError("cannot open results database " + quoted(path) + ": " +
                           (connection != nullptr ? sqlite3_errmsg(connection) : "out of memory"));
    }
    sqlite3_busy_timeout(connection, 10000);  // a judge's commit is waited for, not failed on
    if (pragma("application_id") != RESULTS_APPLICATION_ID) {
      throw StandingsError(quoted(path) + " is not a results database of barvotok-contest");
    }
    const std::int64_t version = pragma("user_version");
    if (version != RESULTS_SCHEMA_VERSION) {
      throw StandingsError(quoted(path) + " has results of schema version " + std::to_string(version) +
                           "; this tool reads version " + std::to_string(RESULTS_SCHEMA_VERSION));
    }
    // One snapshot throughout, even while a judge writes (the transaction
    // ends when the file is closed).
    query("BEGIN").next();
  }

  Query query(std::string_view sql, const std::string& testSet = {}) const {
    return {connection_.get(), path_, sql, testSet};
  }
  const std::string& path() const { return path_; }

 private:
  std::int64_t pragma(std::string_view name) const {
    Query value = query("PRAGMA " + std::string(name));
    return value.next() ? value.number(0) : 0;
  }

  std::string path_;
  std::unique_ptr<sqlite3, ConnectionCloser> connection_;
};

struct TestSetRecord {
  std::int64_t caseCount = 0;
  std::vector<StandingsTestCase> testCases;
  bool operator==(const TestSetRecord&) const = default;
};

// What a database says about one test set.
TestSetRecord testSetRecord(const ResultsReader& database, const std::string& hash) {
  TestSetRecord record;
  Query count = database.query("SELECT case_count FROM test_sets WHERE hash = ?1", hash);
  if (count.next()) record.caseCount = count.number(0);
  Query cases =
      database.query("SELECT number, w, h, b FROM test_cases WHERE test_set = ?1 ORDER BY number", hash);
  while (cases.next()) {
    record.testCases.push_back(
        {static_cast<std::int32_t>(cases.number(0)), static_cast<std::int32_t>(cases.number(1)),
         static_cast<std::int32_t>(cases.number(2)), static_cast<std::int32_t>(cases.number(3))});
  }
  return record;
}

std::string chosenTestSet(const std::vector<ResultsReader>& databases,
                          const std::optional<std::string>& testSetHash) {
  std::map<std::string, std::string> testSets;  // hash -> a file name it was judged under
  for (const ResultsReader& database : databases) {
    Query rows = database.query("SELECT hash, file_name FROM test_sets");
    while (rows.next()) testSets.emplace(rows.bytes(0), rows.bytes(1));
  }
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

// A verdict as read, before it meets its submissions.
struct VerdictRecord {
  std::optional<std::string> contestant;
  std::string verdict;
  std::string message;
  std::map<std::int32_t, std::int32_t> fewestMoves;  // test case -> moves
  auto key() const { return std::tie(verdict, message, contestant); }
};

void readVerdicts(const ResultsReader& database, const std::string& testSet, std::int64_t caseCount,
                  std::map<std::string, VerdictRecord>& verdicts) {
  // Only the report's first line is shown, so a report that quotes a huge
  // line is never read whole into memory.
  Query rows = database.query(
      "SELECT submission_hash, contestant, verdict, instr(CAST(report AS BLOB), X'0A'), "
      "length(CAST(report AS BLOB)), substr(CAST(report AS BLOB), 1, " +
          std::to_string(MESSAGE_LIMIT) + ") FROM verdicts WHERE test_set = ?1",
      testSet);
  std::map<std::string, VerdictRecord> read;
  while (rows.next()) {
    VerdictRecord record;
    if (!rows.isNull(1)) record.contestant = rows.bytes(1);
    record.verdict = rows.bytes(2);
    const std::int64_t lineEnd = rows.number(3);
    const auto lineLength = static_cast<std::size_t>(lineEnd > 0 ? lineEnd - 1 : rows.number(4));
    record.message = shownReportLine(rows.bytes(5), lineLength, MESSAGE_LIMIT);
    read.emplace(rows.bytes(0), std::move(record));
  }
  Query sections = database.query(
      "SELECT submission_hash, test_case, min(moves) FROM sections WHERE test_set = ?1 "
      "GROUP BY submission_hash, test_case",
      testSet);
  while (sections.next()) {
    const std::int64_t testCase = sections.number(1);
    if (testCase < 1 || testCase > caseCount) {
      throw StandingsError(quoted(database.path()) + " holds a section for test case " +
                           std::to_string(testCase) + " of a test set of " + std::to_string(caseCount));
    }
    const auto found = read.find(sections.bytes(0));
    if (found != read.end()) {
      found->second.fewestMoves[static_cast<std::int32_t>(testCase)] =
          static_cast<std::int32_t>(sections.number(2));
    }
  }
  for (auto& [hash, record] : read) {
    // The same content judged in two databases has one verdict; should two
    // ever differ, the choice must not depend on the order of the files.
    const auto [place, inserted] = verdicts.emplace(hash, record);
    if (!inserted && record.key() < place->second.key()) place->second = std::move(record);
  }
}

void readSubmissions(const ResultsReader& database, const std::string& testSet,
                     std::map<std::string, std::string>& hashByPath) {
  Query rows = database.query("SELECT path, hash FROM submissions WHERE test_set = ?1", testSet);
  while (rows.next()) {
    const auto [place, inserted] = hashByPath.emplace(rows.bytes(0), rows.bytes(1));
    if (!inserted && place->second != rows.bytes(1)) {
      throw StandingsError("submission " + quoted(place->first) +
                           " was judged with different contents in two results databases");
    }
  }
}

}  // namespace

StandingsResults readStandingsResults(const std::vector<std::string>& paths,
                                      const std::optional<std::string>& testSetHash) {
  std::vector<ResultsReader> databases;
  databases.reserve(paths.size());
  for (const std::string& path : paths) databases.emplace_back(path);

  StandingsResults results;
  results.testSetHash = chosenTestSet(databases, testSetHash);
  std::optional<TestSetRecord> testSet;
  for (const ResultsReader& database : databases) {
    TestSetRecord record = testSetRecord(database, results.testSetHash);
    if (record.caseCount == 0 && record.testCases.empty()) continue;  // not judged into this one
    if (testSet && !(*testSet == record)) {
      throw StandingsError("the results databases disagree about the test cases of test set " +
                           results.testSetHash);
    }
    testSet = std::move(record);
  }
  const std::int64_t caseCount = testSet ? testSet->caseCount : 0;
  for (std::int64_t number = 1; number <= caseCount; ++number) {
    results.testCases.push_back({static_cast<std::int32_t>(number), 0, 0, 0});
  }
  if (testSet) {
    for (const StandingsTestCase& testCase : testSet->testCases) {
      if (testCase.number >= 1 && testCase.number <= caseCount)
        results.testCases[testCase.number - 1] = testCase;
    }
  }

  std::map<std::string, std::string> hashByPath;
  std::map<std::string, VerdictRecord> verdicts;
  for (const ResultsReader& database : databases) {
    readSubmissions(database, results.testSetHash, hashByPath);
    readVerdicts(database, results.testSetHash, caseCount, verdicts);
  }
  for (const auto& [path, hash] : hashByPath) {
    const auto verdict = verdicts.find(hash);
    if (verdict == verdicts.end()) {
      ++results.unjudged;
      continue;
    }
    const VerdictRecord& record = verdict->second;
    StandingsSubmission submission{
        path, record.contestant, record.verdict, record.message,
        std::vector<std::optional<std::int32_t>>(static_cast<std::size_t>(caseCount))};
    if (record.verdict == "OK") {
      for (const auto& [testCase, moves] : record.fewestMoves) submission.fewestMoves[testCase - 1] = moves;
    }
    results.submissions.push_back(std::move(submission));
  }
  return results;
}
