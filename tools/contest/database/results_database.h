#pragma once

#include <sqlite3.h>

#include <set>
#include <string>
#include <vector>

#include "contest/database/content_hash.h"
#include "contest/database/sqlite_statement.h"
#include "contest/judge/submission_judge.h"
#include "contest/judge/submission_list.h"

// The results database of the judge (schema.sql): one connection, used by
// one thread at a time. Every change is its own transaction, so that a
// process killed at any moment leaves whole verdicts only.
class ResultsDatabase {
 public:
  // Opens an existing file without changing it. Throws DatabaseError when
  // the file is not this tool's database (an empty file may become one).
  static ResultsDatabase openExisting(const std::string& path);
  // Creates the file; it must not exist yet.
  static ResultsDatabase create(const std::string& path);

  ResultsDatabase(ResultsDatabase&& other) noexcept;
  ResultsDatabase& operator=(ResultsDatabase&&) = delete;
  ResultsDatabase(const ResultsDatabase&) = delete;
  ~ResultsDatabase();

  // Readies the file for writing: WAL mode, and the schema when it is empty.
  void prepareForWriting();

  bool knowsTestSet(const ContentHash& testSet);
  // The contents with a verdict against `testSet` that stands: every verdict
  // but 'unexpected', which is the judge's fault, not the contestant's.
  std::set<ContentHash> judgedContents(const ContentHash& testSet);

  void recordTestSet(const ContentHash& hash, const std::string& fileName, const TestSet& testSet);
  // Names `files` (already judged contents) as submissions judged against `testSet`.
  void recordSubmissions(const ContentHash& testSet, const std::vector<const SubmissionFile*>& files);
  // Commits a verdict, its sections and the files that hold its content, at once.
  void recordVerdict(const ContentHash& testSet, const ContentHash& content, const Judgement& judgement,
                     const std::vector<const SubmissionFile*>& files);

  std::string reportOf(const ContentHash& testSet, const ContentHash& content);

 private:
  ResultsDatabase(const std::string& path, int flags);
  void execute(const char* sql);
  void insertSubmissions(const ContentHash& testSet, const std::vector<const SubmissionFile*>& files);
  // Runs `change` in one transaction, rolled back if it throws.
  template <typename Change>
  void inTransaction(Change change);

  std::string path_;
  sqlite3* database_ = nullptr;
  bool empty_ = false;  // holds no schema yet
};
