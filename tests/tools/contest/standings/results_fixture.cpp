#include "tools/contest/standings/results_fixture.h"

#include <unistd.h>

#include <stdexcept>

#include "contest/database/verdict_rows.h"
#include "driver/report.h"

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "standings-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

ResultsFile::ResultsFile(const std::string& path, std::int64_t version)
    : connection_(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE), version_(version) {
  execute("PRAGMA synchronous = OFF");  // a test's file needs no durability
  execute(std::string(version == RESULTS_SCHEMA_VERSION_1 ? RESULTS_SCHEMA_V1 : RESULTS_SCHEMA));
}

void ResultsFile::addTestSet(const std::string& hash, std::int32_t caseCount) {
  Statement set(connection_, "INSERT INTO test_sets VALUES (?, 'input.txt', ?)");
  set.bind(1, hash).bind(2, std::int64_t{caseCount}).run();
  Statement cases(connection_, "INSERT INTO test_cases VALUES (?, ?, ?, 2, 5)");
  for (std::int64_t number = 1; number <= caseCount; ++number)
    cases.bind(1, hash).bind(2, number).bind(3, number * 10).run();
}

void ResultsFile::addSubmission(const std::string& path, const std::string& contentHash,
                                const std::string& testSet) {
  Statement row(connection_, "INSERT INTO submissions VALUES (?, ?, 100, ?)");
  row.bind(1, path).bind(2, contentHash).bind(3, testSet).run();
}

void ResultsFile::addPassed(const std::string& contentHash, const std::string& testSet,
                            const std::optional<std::string>& contestant, const Sections& sections) {
  ResultList results;
  for (const auto& [testCase, moves] : sections) results.push_back({testCase, moves});
  const EvaluationOutcome passed(results);
  if (version_ == RESULTS_SCHEMA_VERSION_1) {
    addVersion1Verdict(contentHash, testSet, contestant, "OK", reportOf(passed), sections);
  } else {
    writeVerdictRows(connection_, testSet, contentHash, {contestant, passed});
  }
}

void ResultsFile::addFailed(const std::string& contentHash, const std::string& testSet,
                            const std::optional<std::string>& contestant, std::int32_t checkLine,
                            const std::string& message) {
  const EvaluationOutcome failure(EAssertion(message, std::string(CHECK_FILE), checkLine));
  if (version_ == RESULTS_SCHEMA_VERSION_1) {
    addVersion1Verdict(contentHash, testSet, contestant, std::to_string(checkLine), reportOf(failure));
  } else {
    writeVerdictRows(connection_, testSet, contentHash, {contestant, failure});
  }
}

void ResultsFile::addVerdictRow(const std::string& contentHash, const std::string& testSet,
                                const std::string& outcome, std::optional<std::int64_t> checkLine,
                                const std::optional<std::string>& message, const Sections& sections) {
  execute("PRAGMA ignore_check_constraints = ON");
  Statement row(connection_,
                "INSERT INTO verdicts (submission_hash, test_set, outcome, check_line, message) VALUES (?, "
                "?, ?, ?, ?)");
  row.bind(1, contentHash).bind(2, testSet).bind(3, outcome);
  if (checkLine)
    row.bind(4, *checkLine);
  else
    row.bindNull(4);
  if (message)
    row.bindBlob(5, *message);
  else
    row.bindNull(5);
  row.run();
  const std::int64_t id = connection_.lastRowId();
  Statement section(connection_, "INSERT INTO sections VALUES (?, ?, ?, ?)");
  for (std::size_t i = 0; i < sections.size(); ++i) {
    section.bind(1, id).bind(2, static_cast<std::int64_t>(i + 1)).bind(3, std::int64_t{sections[i].first});
    section.bind(4, std::int64_t{sections[i].second}).run();
  }
  execute("PRAGMA ignore_check_constraints = OFF");
}

void ResultsFile::addVersion1Verdict(const std::string& contentHash, const std::string& testSet,
                                     const std::optional<std::string>& contestant, const std::string& verdict,
                                     const std::string& report, const Sections& sections) {
  Statement row(connection_, "INSERT INTO verdicts VALUES (?, ?, ?, ?, ?)");
  row.bind(1, contentHash).bind(2, testSet);
  if (contestant)
    row.bindBlob(3, *contestant);
  else
    row.bindNull(3);
  row.bind(4, verdict).bindBlob(5, report).run();
  Statement section(connection_, "INSERT INTO sections VALUES (?, ?, ?, ?, ?)");
  for (std::size_t i = 0; i < sections.size(); ++i) {
    section.bind(1, contentHash).bind(2, testSet).bind(3, static_cast<std::int64_t>(i + 1));
    section.bind(4, std::int64_t{sections[i].first}).bind(5, std::int64_t{sections[i].second}).run();
  }
}
