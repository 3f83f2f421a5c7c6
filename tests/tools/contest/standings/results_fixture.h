#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

// A temporary folder of its own, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// A results database written the way the judge writes one: the tool's
// schema, then rows as a test needs them.
class ResultsFile {
 public:
  explicit ResultsFile(const std::string& path);
  ~ResultsFile();
  ResultsFile(const ResultsFile&) = delete;
  ResultsFile& operator=(const ResultsFile&) = delete;

  // A test set whose test case n is n*10 by 2 with 5 colours.
  void addTestSet(const std::string& hash, std::int32_t caseCount);
  void addSubmission(const std::string& path, const std::string& contentHash, const std::string& testSet);
  // A verdict with its report; `sections` are (test case, moves) in order.
  void addVerdict(const std::string& contentHash, const std::string& testSet,
                  const std::optional<std::string>& contestant, const std::string& verdict,
                  const std::string& report,
                  const std::vector<std::pair<std::int32_t, std::int32_t>>& sections = {});
  // A verdict OK with the report that its sections give.
  void addPassed(const std::string& contentHash, const std::string& testSet,
                 const std::optional<std::string>& contestant,
                 const std::vector<std::pair<std::int32_t, std::int32_t>>& sections);
  void execute(const std::string& sql);

 private:
  sqlite3* connection_ = nullptr;
};
