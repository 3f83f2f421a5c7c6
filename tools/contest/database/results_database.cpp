#include "contest/database/results_database.h"

#include <chrono>
#include <thread>

#include "common/file_error.h"
#include "contest/database/file_header.h"
#include "contest/database/schema.h"
#include "contest/database/self_check.h"
#include "contest/database/verdict_text.h"

// A database that holds results already proves itself before it is used.
ResultsDatabase::ResultsDatabase(const std::string& path, int flags, bool empty)
    : connection_(path, flags), empty_(empty) {
  if (!empty_) proveResultsDatabase(connection_);
}

std::optional<ResultsDatabase> ResultsDatabase::openExisting(const std::string& path) {
  const ResultsFileKind kind = inspectResultsFile(path);
  if (kind == ResultsFileKind::Absent) return std::nullopt;
  return ResultsDatabase(path, SQLITE_OPEN_READWRITE, kind == ResultsFileKind::Empty);
}

ResultsDatabase ResultsDatabase::create(const std::string& path) {
  // Another judge may have made it since it was found missing.
  const ResultsFileKind kind = inspectResultsFile(path);
  return ResultsDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, kind != ResultsFileKind::Ours);
}

template <typename Change>
void ResultsDatabase::inTransaction(Change change) {
  connection_.execute("BEGIN IMMEDIATE");
  try {
    change();
    connection_.execute("COMMIT");
  } catch (...) {
    sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
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
  while (sqlite3_exec(connection_.handle(), "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr) !=
         SQLITE_OK) {
    if ((sqlite3_errcode(connection_.handle()) & 0xff) != SQLITE_BUSY ||
        std::chrono::steady_clock::now() > giveUp)
      connection_.fail("cannot write");
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
  Statement query(connection_, "SELECT submission_hash FROM verdicts WHERE test_set = ? AND verdict <> ?");
  query.bind(1, testSet).bind(2, VERDICT_UNEXPECTED);
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
    // A verdict judged again replaces the old one with its sections.
    Statement forget(connection_, "DELETE FROM sections WHERE submission_hash = ? AND test_set = ?");
    forget.bind(1, content).bind(2, testSet).run();
    Statement row(connection_,
                  "INSERT OR REPLACE INTO verdicts (submission_hash, test_set, contestant, verdict, report) "
                  "VALUES (?, ?, ?, ?, ?)");
    row.bind(1, content).bind(2, testSet);
    if (verdict.contestant) {
      row.bindBlob(3, *verdict.contestant);
    } else {
      row.bindNull(3);
    }
    row.bind(4, verdict.verdict).bindBlob(5, verdict.report).run();
    Statement section(connection_,
                      "INSERT INTO sections (submission_hash, test_set, position, test_case, moves) "
                      "VALUES (?, ?, ?, ?, ?)");
    for (const SectionRecord& result : verdict.sections) {
      section.bind(1, content).bind(2, testSet).bind(3, std::int64_t{result.position});
      section.bind(4, std::int64_t{result.testCase}).bind(5, std::int64_t{result.moves}).run();
    }
    insertSubmissions(testSet, files);
  });
}

std::string ResultsDatabase::reportOf(const ContentHash& testSet, const ContentHash& content) {
  Statement query(connection_, "SELECT report FROM verdicts WHERE submission_hash = ? AND test_set = ?");
  query.bind(1, content).bind(2, testSet);
  std::string report;
  while (query.step()) report = query.bytes(0);
  return report;
}

void ResultsDatabase::close() {
  // TRUNCATE waits for other writers and readers of the file, then copies
  // every logged page back and empties the log; closing then removes it.
  int logged = 0;
  int folded = 0;
  const int code =
      sqlite3_wal_checkpoint_v2(connection_.handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logged, &folded);
  // Busy: another process still uses the file, and the last one to close it folds the log.
  if (code != SQLITE_BUSY && (code != SQLITE_OK || logged != folded)) {
    const std::string& path = connection_.path();
    throw DatabaseError{"cannot fold the log " + shownFileName(path + "-wal") + " back into " +
                        shownFileName(path) + ": " + sqlite3_errmsg(connection_.handle()) +
                        "; the two files together hold every verdict: keep them together, and run "
                        "the judge again where there is room to fold them"};
  }
  connection_.close();
}
