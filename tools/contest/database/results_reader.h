#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/file_status.h"
#include "contest/database/content_hash.h"
#include "contest/database/records.h"
#include "contest/database/sqlite.h"

// What a results database says about one test set.
struct TestSetRecord {
  std::int64_t caseCount = 0;
  std::vector<TestCaseRecord> testCases;  // in number order
  bool operator==(const TestSetRecord&) const = default;
};

// A verdict as read back. A failed check's message is cut after the head
// that was asked for; `messageLength` is its whole length.
struct ReadVerdict {
  std::optional<std::string> contestant;  // line 1 as written, when the header passed
  EvaluationOutcome outcome;
  std::size_t messageLength = 0;
};

// A results database, read and never written: its header is checked before
// SQLite opens it, nothing is created beside it, and all it tells comes from
// one snapshot, even while a judge writes.
class ResultsReader {
 public:
  // Throws ToolError for a file that cannot be read or is not a results
  // database the judge wrote; one of the first schema version is read
  // converted. A database whose log holds no pages is read as the immutable
  // file it is (also from read-only storage); one with a log is read
  // through SQLite's shared memory, `shared` forces that.
  explicit ResultsReader(const std::string& path, bool shared = false);

  const std::string& path() const { return connection_.path(); }

  // False when a file read as immutable has changed since (a judge began to
  // write it): what was read may be torn, and must be read again, shared.
  bool stillCurrent() const;

  std::map<ContentHash, std::string> testSets() const;  // hash -> the file name first judged under
  std::optional<TestSetRecord> testSet(const ContentHash& hash) const;
  // (path, content) of every submission judged against `testSet`.
  std::vector<std::pair<std::string, ContentHash>> submissions(const ContentHash& testSet) const;
  // Every verdict against `testSet` by content, each failed check's
  // message cut after `messageLimit` bytes. The rows were proved when the
  // file was opened.
  std::map<ContentHash, ReadVerdict> verdicts(const ContentHash& testSet, std::size_t messageLimit) const;

 private:
  std::optional<FileStatus> immutableFile_;  // the file as it was when opened immutable
  Connection connection_;
};
