#include "contest/database/results_database.h"

#include "contest/database/schema.h"

namespace {

// 'BRVT', as schema.sql sets it.
constexpr std::int64_t APPLICATION_ID = 1112691286;
constexpr std::int64_t SCHEMA_VERSION = 1;

std::int64_t pragmaValue(sqlite3* database, const char* sql) {
  Statement statement(database, sql);
  std::int64_t value = 0;
  while (statement.step()) value = statement.number(0);
  return value;
}

}  // namespace

ResultsDatabase::ResultsDatabase(const std::string& path, int flags) : path_(path) {
  const int code = sqlite3_open_v2(path.c_str(), &database_, flags, nullptr);
  if (code != SQLITE_OK) {
    const std::string message = database_ != nullptr ? sqlite3_errmsg(database_) : sqlite3_errstr(code);
    sqlite3_close(database_);
    database_ = nullptr;
    throw DatabaseError{"cannot open '" + path + "': " + message};
  }
  sqlite3_busy_timeout(database_, 60000);
  sqlite3_extended_result_codes(database_, 1);
}

ResultsDatabase::ResultsDatabase(ResultsDatabase&& other) noexcept
    : path_(std::move(other.path_)), database_(other.database_), empty_(other.empty_) {
  other.database_ = nullptr;
}

ResultsDatabase::~ResultsDatabase() { sqlite3_close(database_); }

ResultsDatabase ResultsDatabase::openExisting(const std::string& path) {
  ResultsDatabase results(path, SQLITE_OPEN_READWRITE);
  const std::string notOurs = "'" + path + "' is not a results database of barvotok-contest";
  try {
    const std::int64_t application = pragmaValue(results.database_, "PRAGMA application_id");
    const std::int64_t version = pragmaValue(results.database_, "PRAGMA user_version");
    const std::int64_t tables = pragmaValue(results.database_, "SELECT count(*) FROM sqlite_schema");
    results.empty_ = application == 0 && version == 0 && tables == 0;
    if (results.empty_) return results;
    if (application != APPLICATION_ID) throw DatabaseError{notOurs};
    if (version != SCHEMA_VERSION) {
      throw DatabaseError{notOurs + " of this version (its schema is version " + std::to_string(version) +
                          ")"};
    }
  } catch (const DatabaseError& error) {
    if (error.message.starts_with("'")) throw;
    throw DatabaseError{notOurs + " (" + error.message + ")"};
  }
  return results;
}

ResultsDatabase ResultsDatabase::create(const std::string& path) {
  ResultsDatabase results(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE);
  results.empty_ = true;
  return results;
}

void ResultsDatabase::execute(const char* sql) {
  checkSqlite(database_, sqlite3_exec(database_, sql, nullptr, nullptr, nullptr), "writing '" + path_ + "'");
}

template <typename Change>
void ResultsDatabase::inTransaction(Change change) {
  execute("BEGIN IMMEDIATE");
  try {
    change();
    execute("COMMIT");
  } catch (...) {
    sqlite3_exec(database_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void ResultsDatabase::prepareForWriting() {
  // WAL: readers (standings) never block the judge; NORMAL: a commit survives
  // the process being killed, only a power cut may lose the latest ones.
  execute("PRAGMA journal_mode = WAL");
  execute("PRAGMA synchronous = NORMAL");
  if (!empty_) return;
  const std::string schema(RESULTS_SCHEMA);
  inTransaction([&] { execute(schema.c_str()); });
  empty_ = false;
}

bool ResultsDatabase::knowsTestSet(const ContentHash& testSet) {
  if (empty_) return false;
  Statement query(database_, "SELECT 1 FROM test_sets WHERE hash = ?");
  query.bind(1, testSet);
  bool known = false;
  while (query.step()) known = true;
  return known;
}

std::set<ContentHash> ResultsDatabase::judgedContents(const ContentHash& testSet) {
  std::set<ContentHash> judged;
  if (empty_) return judged;
  Statement query(database_,
                  "SELECT submission_hash FROM verdicts WHERE test_set = ? AND verdict <> 'unexpected'");
  query.bind(1, testSet);
  while (query.step()) judged.insert(query.text(0));
  return judged;
}

void ResultsDatabase::recordTestSet(const ContentHash& hash, const std::string& fileName,
                                    const TestSet& testSet) {
  inTransaction([&] {
    Statement set(database_,
                  "INSERT OR IGNORE INTO test_sets (hash, file_name, case_count) VALUES (?, ?, ?)");
    set.bind(1, hash).bind(2, fileName).bind(3, static_cast<std::int64_t>(testSet.size())).run();
    Statement cases(database_,
                    "INSERT OR IGNORE INTO test_cases (test_set, number, w, h, b) VALUES (?, ?, ?, ?, ?)");
    for (const TestCase& testCase : testSet) {
      cases.bind(1, hash).bind(2, std::int64_t{testCase.number}).bind(3, std::int64_t{testCase.w});
      cases.bind(4, std::int64_t{testCase.h}).bind(5, std::int64_t{testCase.b}).run();
    }
  });
}

void ResultsDatabase::insertSubmissions(const ContentHash& testSet,
                                        const std::vector<const SubmissionFile*>& files) {
  // A path whose file has changed since an earlier run now names its new content.
  Statement insert(database_,
                   "INSERT OR REPLACE INTO submissions (path, hash, size, test_set) VALUES (?, ?, ?, ?)");
  for (const SubmissionFile* file : files) {
    insert.bind(1, file->path).bind(2, file->hash).bind(3, file->size).bind(4, testSet).run();
  }
}

void ResultsDatabase::recordSubmissions(const ContentHash& testSet,
                                        const std::vector<const SubmissionFile*>& files) {
  if (files.empty()) return;
  inTransaction([&] { insertSubmissions(testSet, files); });
}

void ResultsDatabase::recordVerdict(const ContentHash& testSet, const ContentHash& content,
                                    const Judgement& judgement,
                                    const std::vector<const SubmissionFile*>& files) {
  inTransaction([&] {
    // A verdict judged again replaces the old one with its sections.
    Statement forget(database_, "DELETE FROM sections WHERE submission_hash = ? AND test_set = ?");
    forget.bind(1, content).bind(2, testSet).run();
    Statement verdict(
        database_,
        "INSERT OR REPLACE INTO verdicts (submission_hash, test_set, contestant, verdict, report) "
        "VALUES (?, ?, ?, ?, ?)");
    verdict.bind(1, content).bind(2, testSet);
    if (judgement.contestant) {
      verdict.bindBlob(3, *judgement.contestant);
    } else {
      verdict.bindNull(3);
    }
    verdict.bind(4, judgement.verdict).bindBlob(5, judgement.report).run();
    Statement section(database_,
                      "INSERT INTO sections (submission_hash, test_set, position, test_case, moves) "
                      "VALUES (?, ?, ?, ?, ?)");
    for (const SectionResult& result : judgement.sections) {
      section.bind(1, content).bind(2, testSet).bind(3, std::int64_t{result.position});
      section.bind(4, std::int64_t{result.testCase}).bind(5, std::int64_t{result.moves}).run();
    }
    insertSubmissions(testSet, files);
  });
}

std::string ResultsDatabase::reportOf(const ContentHash& testSet, const ContentHash& content) {
  Statement query(database_, "SELECT report FROM verdicts WHERE submission_hash = ? AND test_set = ?");
  query.bind(1, content).bind(2, testSet);
  std::string report;
  while (query.step()) report = query.text(0);
  return report;
}
