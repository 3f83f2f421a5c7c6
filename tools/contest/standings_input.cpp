#include "contest/standings_input.h"

#include <xxhash.h>

#include <array>
#include <fstream>
#include <iostream>
#include <memory>

#include "common/escaped_bytes.h"
#include "contest/results_reader.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "testset/test_set_reader.h"

namespace {

struct StateFree {
  void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};

// Keeps what the evaluator's walk says of the header and the passed sections.
class ReferenceObserver : public SectionObserver {
 public:
  explicit ReferenceObserver(StandingsSubmission& reference) : reference_(reference) {}

  void headerPassed(std::string_view contestantNumber) override {
    reference_.contestant = std::string(contestantNumber);
  }

  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    std::optional<std::int32_t>& fewest = reference_.fewestMoves[static_cast<std::size_t>(start.number - 1)];
    if (!fewest || solution.moveCount < *fewest) fewest = solution.moveCount;
  }

 private:
  StandingsSubmission& reference_;
};

}  // namespace

std::string testSetFileHash(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::unique_ptr<XXH3_state_t, StateFree> state(XXH3_createState());
  if (!file || !state || XXH3_128bits_reset(state.get()) == XXH_ERROR) {
    throw StandingsError("cannot read test set '" + path + "'");
  }
  std::array<char, 1 << 16> buffer{};
  while (file.read(buffer.data(), buffer.size()) || file.gcount() > 0) {
    XXH3_128bits_update(state.get(), buffer.data(), static_cast<std::size_t>(file.gcount()));
  }
  if (file.bad()) throw StandingsError("cannot read test set '" + path + "'");
  XXH128_canonical_t canonical;
  XXH128_canonicalFromHash(&canonical, XXH3_128bits_digest(state.get()));
  static constexpr char HEX[] = "0123456789abcdef";
  std::string hex;
  for (const unsigned char byte : canonical.digest) {
    hex += HEX[byte >> 4];
    hex += HEX[byte & 15];
  }
  return hex;
}

bool readReferenceTestSet(const std::string& path, TestSet& testSet) {
  bool read = false;
  const std::string report = reportOf([&] {
    readTestSet(path, testSet);
    read = true;
    return ResultList{};
  });
  if (!read) std::cerr << report;
  return read;
}

StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw StandingsError("cannot read reference '" + path + "'");
  StandingsSubmission reference{
      path, std::nullopt, {}, {}, std::vector<std::optional<std::int32_t>>(testSet.size())};
  ReferenceObserver observer(reference);
  const std::string report = reportOf([&] { return evaluateSubmission(testSet, file, &observer); });
  const std::string firstLine = report.substr(0, report.find('\n'));
  reference.verdict = verdictOfFirstLine(firstLine);
  reference.message = shownReportLine(firstLine, firstLine.size());
  if (reference.verdict != "OK") {
    throw StandingsError("reference '" + path + "' fails the evaluator's checks: " + reference.message);
  }
  return reference;
}
