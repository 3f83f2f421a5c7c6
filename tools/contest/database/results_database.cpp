#include "contest/database/results_database.h"

#include <chrono>
#include <thread>

#include "common/escaped_bytes.h"
#include "common/tool_error.h"
#include "contest/database/file_header.h"
#include "contest/database/schema.h"
#include "contest/database/self_check.h"
#include "contest/database/verdict_rows.h"
#include "contest/database/version1.h"

// A database that holds results already proves itself before it is used;
// one of the first version is converted, in one transaction.
ResultsDatabase::ResultsDatabase(const std::string& path, int flags, ResultsFileKind kind)
    : connection_(path, flags), empty_(kind == ResultsFileKind::Absent || kind == ResultsFileKind::Empty) {
  if (kind == ResultsFileKind::Ours) proveResultsDatabase(connection_);
  if (kind == ResultsFileKind::Version1) convertVersion1InPlace(connection_);
}

std::optional<ResultsDatabase> ResultsDatabase::openExisting(const std::string& path) {
  const ResultsFileKind kind = inspectResultsFile(path);
  if (kind == ResultsFileKind::Absent) return std::nullopt;
  return ResultsDatabase(path, SQLITE_OPEN_READWRITE, kind);
}

ResultsDatabase ResultsDatabase::create(const std::string& path) {
  // Another judge may have made it since it was found missing.
  return ResultsDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, inspectResultsFile(path));
}

template <typename Change>
void ResultsDatabase::inTransaction(Change change) {
  connection_.inTransaction("BEGIN IMMEDIATE", change);
}

void ResultsDatabase::prepareForWriting() {
  if (empty_) {
    // Made in the file itself, before WAL mode, so that the header carries
    // the schema's identity from the first commit on; the check inside the
    // transaction lets a judge that waited for another find it made.
    inTransaction([&] {
      if (connection_.number("SELECT count(*) FROM sqlite_schema") == 0) connection_.execute(RESULTS_SCHEMA);
    });
    empty_ = false;
  }
  if (connection_.number("PRAGMA application_id") != RESULTS_APPLICATION_ID ||
      connection_.number("PRAGMA user_version") != RESULTS_SCHEMA_VERSION) {
    throw notAResultsDatabase(connection_.path());
  }
  // WAL: readers (standings) never block the judge; NORMAL: a commit survives
  // the process being killed, only a power cut may lose the latest ones.
  switchToWal();
  connection_.execute("PRAGMA synchronous = NORMAL");
}

// Switching a file to WAL mode takes it whole for a moment, and SQLite
// answers "locked" at once, without waiting, while another judge has it
// open at that moment (two judges that create one database together), so
// the switch is tried again for as long as a commit is waited for.
void ResultsDatabase::switchToWal() {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!connection_.executeUnlessBusy("PRAGMA journal_mode = WAL", "cannot write")) {
    if (std::chrono::steady_clock::now() > giveUp) connection_.fail("cannot write");
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

bool ResultsDatabase::knowsTestSet(const ContentHash& testSet) {
  if (empty_) return false;
  Statement query(connection_, "SELECT 1 FROM test_sets WHERE hash = ?");
  query.bind(1, testSet);
  bool known = false;
  while (query.step()) known = true;
  return known;
}

std::set<ContentHash> ResultsDatabase::judgedContents(const ContentHash& testSet) {
  std::set<ContentHash> judged;
  if (empty_) return judged;
  Statement query(connection_, "SELECT submission_hash FROM verdicts WHERE test_set = ? AND outcome <> ?");
  query.bind(1, testSet).bind(2, outcomeWord(EvaluationOutcome::Verdict::UnexpectedError));
  while (query.step()) judged.insert(query.bytes(0));
  return judged;
}

void ResultsDatabase::recordTestSet(const ContentHash& hash, const std::string& fileName,
                                    const std::vector<TestCaseRecord>& testCases) {
  inTransaction([&] {
    Statement set(connection_,
                  "INSERT OR IGNORE INTO test_sets (hash, file_name, case_count) VALUES (?, ?, ?)");
    set.bind(1, hash).bind(2, fileName).bind(3, static_cast<std::int64_t>(testCases.size())).run();
    Statement cases(connection_,
                    "INSERT OR IGNORE INTO test_cases (test_set, number, w, h, b) VALUES (?, ?, ?, ?, ?)");
    for (const TestCaseRecord& testCase : testCases) {
      cases.bind(1, hash).bind(2, std::int64_t{testCase.number}).bind(3, std::int64_t{testCase.w});
      cases.bind(4, std::int64_t{testCase.h}).bind(5, std::int64_t{testCase.b}).run();
    }
  });
}

void ResultsDatabase::insertSubmissions(const ContentHash& testSet,
                                        const std::vector<SubmissionRecord>& files) {
  // A path whose file has changed since an earlier run now names its new content.
  Statement insert(connection_,
                   "INSERT OR REPLACE INTO submissions (path, hash, size, test_set) VALUES (?, ?, ?, ?)");
  for (const SubmissionRecord& file : files) {
    insert.bind(1, file.path).bind(2, file.hash).bind(3, file.size).bind(4, testSet).run();
  }
}

void ResultsDatabase::recordSubmissions(const ContentHash& testSet,
                                        const std::vector<SubmissionRecord>& files) {
  if (files.empty()) return;
  inTransaction([&] { insertSubmissions(testSet, files); });
}

void ResultsDatabase::recordVerdict(const ContentHash& testSet, const ContentHash& content,
                                    const VerdictRecord& verdict,
                                    const std::vector<SubmissionRecord>& files) {
  inTransaction([&] {
    writeVerdictRows(connection_, testSet, content, verdict);
    insertSubmissions(testSet, files);
  });
}

std::optional<VerdictRecord> ResultsDatabase::storedVerdict(const ContentHash& testSet,
                                                            const ContentHash& content) {
  return readVerdictRows(connection_, testSet, content);
}

void ResultsDatabase::close() {
  // Closing after the fold removes the emptied log.
  if (const std::optional<std::string> failure = connection_.foldLog()) {
    const std::string& path = connection_.path();
    throw ToolError{"cannot fold the log " + shownFileName(path + "-wal") + " back into " +
                    shownFileName(path) + ": " + *failure +
                    "; the two files together hold every verdict: keep them together, and run "
                    "the judge again where there is room to fold them"};
  }
  connection_.close();
}
