#include "standings_results_fixture.h"

#include <sqlite3.h>
#include <unistd.h>

#include <stdexcept>

#include "contest/schema.h"

namespace {

void bindText(sqlite3_stmt* statement, int index, const std::string& text) {
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void bindBlob(sqlite3_stmt* statement, int index, const std::string& bytes) {
  sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

// Runs one statement whose parameters `bind` sets.
template <typename Bind>
void run(sqlite3* connection, const char* sql, Bind bind) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) != SQLITE_OK) {
    throw std::runtime_error(sqlite3_errmsg(connection));
  }
  bind(statement);
  const int status = sqlite3_step(statement);
  sqlite3_finalize(statement);
  if (status != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(connection));
}

}  // namespace

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "standings-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ResultsFile::ResultsFile(const std::string& path) {
  if (sqlite3_open(path.c_str(), &connection_) != SQLITE_OK)
    throw std::runtime_error("cannot create " + path);
  execute("PRAGMA synchronous = OFF");  // a test's file needs no durability
  execute(std::string(RESULTS_SCHEMA));
}

ResultsFile::~ResultsFile() { sqlite3_close(connection_); }

void ResultsFile::execute(const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(connection_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error != nullptr ? error : "?";
    sqlite3_free(error);
    throw std::runtime_error(message);
  }
}

void ResultsFile::addTestSet(const std::string& hash, std::int32_t caseCount) {
  run(connection_, "INSERT INTO test_sets VALUES (?1, 'input.txt', ?2)", [&](sqlite3_stmt* statement) {
    bindText(statement, 1, hash);
    sqlite3_bind_int(statement, 2, caseCount);
  });
  for (std::int32_t number = 1; number <= caseCount; ++number) {
    run(connection_, "INSERT INTO test_cases VALUES (?1, ?2, ?3, 2, 5)", [&](sqlite3_stmt* statement) {
      bindText(statement, 1, hash);
      sqlite3_bind_int(statement, 2, number);
      sqlite3_bind_int(statement, 3, number * 10);
    });
  }
}

void ResultsFile::addSubmission(const std::string& path, const std::string& contentHash,
                                const std::string& testSet) {
  run(connection_, "INSERT INTO submissions VALUES (?1, ?2, 100, ?3)", [&](sqlite3_stmt* statement) {
    bindText(statement, 1, path);
    bindText(statement, 2, contentHash);
    bindText(statement, 3, testSet);
  });
}

void ResultsFile::addVerdict(const std::string& contentHash, const std::string& testSet,
                             const std::optional<std::string>& contestant, const std::string& verdict,
                             const std::string& report,
                             const std::vector<std::pair<std::int32_t, std::int32_t>>& sections) {
  run(connection_, "INSERT INTO verdicts VALUES (?1, ?2, ?3, ?4, ?5)", [&](sqlite3_stmt* statement) {
    bindText(statement, 1, contentHash);
    bindText(statement, 2, testSet);
    if (contestant) bindBlob(statement, 3, *contestant);
    bindText(statement, 4, verdict);
    bindBlob(statement, 5, report);
  });
  std::int32_t position = 0;
  for (const auto& [testCase, moves] : sections) {
    run(connection_, "INSERT INTO sections VALUES (?1, ?2, ?3, ?4, ?5)", [&](sqlite3_stmt* statement) {
      bindText(statement, 1, contentHash);
      bindText(statement, 2, testSet);
      sqlite3_bind_int(statement, 3, ++position);
      sqlite3_bind_int(statement, 4, testCase);
      sqlite3_bind_int(statement, 5, moves);
    });
  }
}
