#include "contest/database/results_reader.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include "common/escaped_bytes.h"
#include "common/tool_error.h"
#include "contest/database/file_header.h"
#include "contest/database/schema.h"
#include "contest/database/self_check.h"
#include "contest/database/verdict_rows.h"
#include "contest/database/version1.h"

namespace {

// A file: URI for any path, every byte that could mean something in a URI
// percent-encoded.
std::string fileUri(const std::string& path, const char* parameters) {
  std::string uri = "file:";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || std::strchr("/-._~", c) != nullptr) {
      uri += c;
    } else {
      uri += '%';
      appendHex(uri, byte);
    }
  }
  return uri + "?" + parameters;
}

// Opens the checked file. Without a log beside it the file holds everything
// and is opened immutable: SQLite then takes no locks and makes no shared
// memory, so nothing is written, not even where no file may be made. With a
// log, the log must be read through shared memory (read-only storage still
// reads: SQLite then keeps that memory to itself).
Connection openFile(const std::string& path, ResultsFileKind kind, bool shared,
                    std::optional<FileStatus>& immutableFile) {
  if (kind == ResultsFileKind::Absent) {
    throw ToolError{"cannot open results database " + shownFileName(path) + ": " + std::strerror(ENOENT)};
  }
  if (kind == ResultsFileKind::Empty) {
    throw notAResultsDatabase(path);
  }
  if (!shared && !fileStatusOf(path + "-wal")) {
    immutableFile = fileStatusOf(path);
    if (immutableFile) return {path, SQLITE_OPEN_READONLY, fileUri(path, "immutable=1")};
  }
  return {path, SQLITE_OPEN_READONLY, fileUri(path, "mode=ro")};
}

// The file as a database of this version, one snapshot of it throughout: a
// file of the first version is read once and converted in memory.
Connection openChecked(const std::string& path, bool shared, std::optional<FileStatus>& immutableFile) {
  const ResultsFileKind kind = inspectResultsFile(path);
  Connection file = openFile(path, kind, shared, immutableFile);
  // The transaction ends when the file is closed. The version is read in it,
  // as a judge may have converted the file since its header was read.
  file.execute("BEGIN");
  if (file.number("PRAGMA user_version") == RESULTS_SCHEMA_VERSION_1) return convertedVersion1(file);
  proveResultsDatabase(file);
  return file;
}

// A verdict's row as read, until its sections join it.
struct VerdictRow {
  ContentHash content;
  std::string word;
  std::int32_t line = 0;
  std::string messageHead;
  ResultList sections;
};

}  // namespace

ResultsReader::ResultsReader(const std::string& path, bool shared)
    : connection_(openChecked(path, shared, immutableFile_)) {}

bool ResultsReader::stillCurrent() const {
  if (!immutableFile_) return true;
  const auto now = fileStatusOf(path());
  return now && now->sameState(*immutableFile_) && !fileStatusOf(path() + "-wal");
}

std::map<ContentHash, std::string> ResultsReader::testSets() const {
  std::map<ContentHash, std::string> testSets;
  Statement rows(connection_, "SELECT hash, file_name FROM test_sets");
  while (rows.step()) testSets.emplace(rows.bytes(0), rows.bytes(1));
  return testSets;
}

std::optional<TestSetRecord> ResultsReader::testSet(const ContentHash& hash) const {
  Statement count(connection_, "SELECT case_count FROM test_sets WHERE hash = ?1");
  count.bind(1, hash);
  if (!count.step()) return std::nullopt;
  TestSetRecord record{count.number(0), {}};
  count.run();
  Statement cases(connection_, "SELECT number, w, h, b FROM test_cases WHERE test_set = ?1 ORDER BY number");
  cases.bind(1, hash);
  while (cases.step()) {
    record.testCases.push_back(
        {static_cast<std::int32_t>(cases.number(0)), static_cast<std::int32_t>(cases.number(1)),
         static_cast<std::int32_t>(cases.number(2)), static_cast<std::int32_t>(cases.number(3))});
  }
  return record;
}

std::vector<std::pair<std::string, ContentHash>> ResultsReader::submissions(
    const ContentHash& testSet) const {
  std::vector<std::pair<std::string, ContentHash>> submissions;
  Statement rows(connection_, "SELECT path, hash FROM submissions WHERE test_set = ?1");
  rows.bind(1, testSet);
  while (rows.step()) submissions.emplace_back(rows.bytes(0), rows.bytes(1));
  return submissions;
}

std::map<ContentHash, ReadVerdict> ResultsReader::verdicts(const ContentHash& testSet,
                                                           std::size_t messageLimit) const {
  // A failure's message may quote a huge line: only its head is read.
  Statement rows(connection_,
                 "SELECT id, submission_hash, contestant, outcome, check_line, substr(message, 1, ?2), "
                 "length(message) FROM verdicts WHERE test_set = ?1 ORDER BY id");
  rows.bind(1, testSet).bind(2, static_cast<std::int64_t>(messageLimit));
  std::map<std::int64_t, VerdictRow> byId;
  std::map<ContentHash, ReadVerdict> read;
  while (rows.step()) {
    ReadVerdict& verdict = read[rows.bytes(1)];
    if (!rows.isNull(2)) verdict.contestant = rows.bytes(2);
    verdict.messageLength = static_cast<std::size_t>(rows.number(6));
    byId[rows.number(0)] = {
        rows.bytes(1), rows.bytes(3), static_cast<std::int32_t>(rows.number(4)), rows.bytes(5), {}};
  }
  Statement sections(
      connection_,
      "SELECT s.verdict, s.test_case, s.moves FROM sections s JOIN verdicts v ON v.id = s.verdict "
      "WHERE v.test_set = ?1 ORDER BY s.verdict, s.position");
  sections.bind(1, testSet);
  while (sections.step()) {
    byId[sections.number(0)].sections.push_back(
        {static_cast<std::int32_t>(sections.number(1)), static_cast<std::int32_t>(sections.number(2))});
  }
  for (auto& entry : byId) {
    VerdictRow& row = entry.second;
    read[row.content].outcome =
        outcomeOfRow(row.word, row.line, std::move(row.messageHead), std::move(row.sections));
  }
  return read;
}
