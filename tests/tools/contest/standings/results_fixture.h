#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "contest/database/schema.h"
#include "contest/database/sqlite.h"

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

// A results database written the way the judge writes one, of this schema
// version or of the first (which stored each verdict's report), with rows
// as a test needs them.
class ResultsFile {
 public:
  using Sections = std::vector<std::pair<std::int32_t, std::int32_t>>;  // (test case, moves) in order

  explicit ResultsFile(const std::string& path, std::int64_t version = RESULTS_SCHEMA_VERSION);

  // A test set whose test case n is n*10 by 2 with 5 colours.
  void addTestSet(const std::string& hash, std::int32_t caseCount);
  void addSubmission(const std::string& path, const std::string& contentHash, const std::string& testSet);
  // A verdict as the judge of the file's version writes it.
  void addPassed(const std::string& contentHash, const std::string& testSet,
                 const std::optional<std::string>& contestant, const Sections& sections);
  void addFailed(const std::string& contentHash, const std::string& testSet,
                 const std::optional<std::string>& contestant, std::int32_t checkLine,
                 const std::string& message);
  // A verdict row of this version with any values, past the schema's own
  // constraints, as another program could write it.
  void addVerdictRow(const std::string& contentHash, const std::string& testSet, const std::string& outcome,
                     std::optional<std::int64_t> checkLine, const std::optional<std::string>& message,
                     const Sections& sections = {});
  // A verdict of the first version with any report.
  void addVersion1Verdict(const std::string& contentHash, const std::string& testSet,
                          const std::optional<std::string>& contestant, const std::string& verdict,
                          const std::string& report, const Sections& sections = {});
  void execute(const std::string& sql) { connection_.execute(sql); }

 private:
  Connection connection_;
  std::int64_t version_;
};
