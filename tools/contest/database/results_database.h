#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "contest/database/content_hash.h"
#include "contest/database/file_header.h"
#include "contest/database/records.h"
#include "contest/database/sqlite.h"

// The results database as the judge writes it (schema.sql): one connection,
// used by one thread at a time. Every change is its own transaction, so that
// a process killed at any moment leaves whole verdicts only.
class ResultsDatabase {
 public:
  // Opens the results database at `path`; nullopt when there is no file
  // yet. One of the first schema version is converted to this one, in one
  // transaction. Throws ToolError, with the file untouched, when it is
  // not this tool's database or cannot be read.
  static std::optional<ResultsDatabase> openExisting(const std::string& path);
  // Opens the database at `path`, creating the file if it is missing; its
  // schema comes with prepareForWriting.
  static ResultsDatabase create(const std::string& path);

  // Readies the file for writing: the schema, if it has none yet (another
  // judge making it at the same moment is waited for), then WAL mode.
  void prepareForWriting();

  bool knowsTestSet(const ContentHash& testSet);
  // The contents with a verdict against `testSet` that stands: every verdict
  // but 'unexpected', which is the judge's fault, not the contestant's.
  std::set<ContentHash> judgedContents(const ContentHash& testSet);

  void recordTestSet(const ContentHash& hash, const std::string& fileName,
                     const std::vector<TestCaseRecord>& testCases);
  // Names `files` as submissions judged against `testSet`.
  void recordSubmissions(const ContentHash& testSet, const std::vector<SubmissionRecord>& files);
  // Commits a verdict, its sections and the files that hold its content, at once.
  void recordVerdict(const ContentHash& testSet, const ContentHash& content, const VerdictRecord& verdict,
                     const std::vector<SubmissionRecord>& files);

  // The verdict stored for a content; nullopt when there is none.
  std::optional<VerdictRecord> storedVerdict(const ContentHash& testSet, const ContentHash& content);

  // Folds the write-ahead log back into the file and closes it, so that the
  // file alone holds every verdict. Throws ToolError when that fails;
  // the file and its log then still hold every verdict together.
  void close();

 private:
  void switchToWal();
  ResultsDatabase(const std::string& path, int flags, ResultsFileKind kind);
  void insertSubmissions(const ContentHash& testSet, const std::vector<SubmissionRecord>& files);
  // Runs `change` in one transaction, rolled back if it throws.
  template <typename Change>
  void inTransaction(Change change);

  Connection connection_;
  bool empty_ = false;  // holds no schema yet
};
