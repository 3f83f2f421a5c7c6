#include "contest/database/results_reader.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include "common/file_error.h"
#include "contest/database/file_header.h"
#include "contest/database/self_check.h"
#include "contest/database/verdict_text.h"

namespace {

std::optional<struct stat> statusOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return status;
}

bool sameState(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
         a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
         a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// A file: URI for any path, every byte that could mean something in a URI
// percent-encoded.
std::string fileUri(const std::string& path, const char* parameters) {
  constexpr char HEX[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) != 0 || std::strchr("/-._~", c) != nullptr) {
      uri += c;
    } else {
      uri += '%';
      uri += HEX[byte >> 4];
      uri += HEX[byte & 15];
    }
  }
  return uri + "?" + parameters;
}

// Opens the checked file. Without a log beside it the file holds everything
// and is opened immutable: SQLite then takes no locks and makes no shared
// memory, so nothing is written, not even where no file may be made. With a
// log, the log must be read through shared memory (read-only storage still
// reads: SQLite then keeps that memory to itself).
Connection openChecked(const std::string& path, bool shared, std::optional<struct stat>& immutableFile) {
  const ResultsFileKind kind = inspectResultsFile(path);
  if (kind == ResultsFileKind::Absent) {
    throw DatabaseError{"cannot open results database " + shownFileName(path) + ": " + std::strerror(ENOENT)};
  }
  if (kind == ResultsFileKind::Empty) {
    throw notAResultsDatabase(path);
  }
  if (!shared && !statusOf(path + "-wal")) {
    immutableFile = statusOf(path);
    if (immutableFile) return {path, SQLITE_OPEN_READONLY, fileUri(path, "immutable=1")};
  }
  return {path, SQLITE_OPEN_READONLY, fileUri(path, "mode=ro")};
}

}  // namespace

ResultsReader::ResultsReader(const std::string& path, bool shared)
    : connection_(openChecked(path, shared, immutableFile_)) {
  // One snapshot throughout (the transaction ends when the file is closed).
  connection_.execute("BEGIN");
  proveResultsDatabase(connection_);
}

bool ResultsReader::stillCurrent() const {
  if (!immutableFile_) return true;
  const auto now = statusOf(path());
  return now && sameState(*now, *immutableFile_) && !statusOf(path() + "-wal");
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

std::map<ContentHash, ReadVerdict> ResultsReader::verdicts(const ContentHash& testSet, std::int64_t caseCount,
                                                           std::size_t headLimit) const {
  // A failure's report may quote a huge line: only its head is read.
  Statement rows(connection_,
                 "SELECT submission_hash, contestant, verdict, instr(CAST(report AS BLOB), X'0A'), "
                 "length(CAST(report AS BLOB)), CASE WHEN verdict = ?2 THEN CAST(report AS BLOB) "
                 "ELSE substr(CAST(report AS BLOB), 1, ?3) END FROM verdicts WHERE test_set = ?1");
  rows.bind(1, testSet).bind(2, VERDICT_OK).bind(3, static_cast<std::int64_t>(headLimit));
  std::map<ContentHash, ReadVerdict> read;
  while (rows.step()) {
    ReadVerdict verdict;
    if (!rows.isNull(1)) verdict.record.contestant = rows.bytes(1);
    verdict.record.verdict = rows.bytes(2);
    verdict.reportLength = static_cast<std::size_t>(rows.number(4));
    const std::int64_t lineEnd = rows.number(3);
    verdict.firstLineLength = lineEnd > 0 ? static_cast<std::size_t>(lineEnd - 1) : verdict.reportLength;
    verdict.record.report = rows.bytes(5);
    read.emplace(rows.bytes(0), std::move(verdict));
  }
  const auto badRow = [&](const ContentHash& content, const std::string& fault) {
    return DatabaseError{shownFileName(path()) +
                         " holds a verdict that the judge never writes, for content " + content + ": " +
                         fault};
  };
  Statement sections(connection_,
                     "SELECT submission_hash, position, test_case, moves FROM sections WHERE test_set = ?1 "
                     "ORDER BY submission_hash, position");
  sections.bind(1, testSet);
  while (sections.step()) {
    const ContentHash content = sections.bytes(0);
    const std::int64_t testCase = sections.number(2);
    if (testCase < 1 || testCase > caseCount) {
      throw badRow(content, "a section for test case " + std::to_string(testCase) + " of a test set of " +
                                std::to_string(caseCount));
    }
    const auto found = read.find(content);
    if (found == read.end()) throw badRow(content, "sections without a verdict");
    found->second.record.sections.push_back({static_cast<std::int32_t>(sections.number(1)),
                                             static_cast<std::int32_t>(testCase),
                                             static_cast<std::int32_t>(sections.number(3))});
  }
  for (const auto& [content, verdict] : read) {
    if (const auto fault = verdictFault(verdict.record, verdict.reportLength)) throw badRow(content, *fault);
  }
  return read;
}
