#include "tools/contest/standings/results_fixture.h"

#include <sqlite3.h>
#include <unistd.h>

#include <stdexcept>

#include "contest/database/schema.h"
#include "driver/report.h"

namespace {

// Any bytes as an SQL literal: X'..' for a blob, cast for a text.
std::string blob(const std::string& bytes) {
  static constexpr char HEX[] = "0123456789abcdef";
  std::string literal = "X'";
  for (const char c : bytes) {
    literal += HEX[static_cast<unsigned char>(c) >> 4];
    literal += HEX[static_cast<unsigned char>(c) & 15];
  }
  return literal + "'";
}

std::string text(const std::string& bytes) { return "CAST(" + blob(bytes) + " AS TEXT)"; }

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
  const std::string count = std::to_string(caseCount);
  execute("INSERT INTO test_sets VALUES (" + text(hash) + ", 'input.txt', " + count + ")");
  for (std::int32_t number = 1; number <= caseCount; ++number) {
    const std::string n = std::to_string(number);
    execute("INSERT INTO test_cases VALUES (" + text(hash) + ", " + n + ", " + n + "0, 2, 5)");
  }
}

void ResultsFile::addSubmission(const std::string& path, const std::string& contentHash,
                                const std::string& testSet) {
  execute("INSERT INTO submissions VALUES (" + text(path) + ", " + text(contentHash) + ", 100, " +
          text(testSet) + ")");
}

void ResultsFile::addVerdict(const std::string& contentHash, const std::string& testSet,
                             const std::optional<std::string>& contestant, const std::string& verdict,
                             const std::string& report,
                             const std::vector<std::pair<std::int32_t, std::int32_t>>& sections) {
  const std::string key = text(contentHash) + ", " + text(testSet);
  execute("INSERT INTO verdicts VALUES (" + key + ", " + (contestant ? blob(*contestant) : "NULL") + ", " +
          text(verdict) + ", " + blob(report) + ")");
  for (std::size_t i = 0; i < sections.size(); ++i) {
    execute("INSERT INTO sections VALUES (" + key + ", " + std::to_string(i + 1) + ", " +
            std::to_string(sections[i].first) + ", " + std::to_string(sections[i].second) + ")");
  }
}

void ResultsFile::addPassed(const std::string& contentHash, const std::string& testSet,
                            const std::optional<std::string>& contestant,
                            const std::vector<std::pair<std::int32_t, std::int32_t>>& sections) {
  ResultList results;
  for (const auto& [testCase, moves] : sections) results.push_back({testCase, moves});
  addVerdict(contentHash, testSet, contestant, "OK", reportOf(outcomeOf([&] { return results; })), sections);
}
