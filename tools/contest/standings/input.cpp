#include "contest/standings/input.h"

#include <iostream>

#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "contest/database/content_hash.h"
#include "contest/database/results_reader.h"
#include "contest/database/verdict_text.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"

namespace {

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
  // Opened first, which names the reason when it cannot be.
  if (!ToolInput(path).stream()) throw readFailure(path, "it cannot be read");
  const std::optional<FileDigest> digest = hashFile(path);
  if (!digest) throw readFailure(path, "a read failed");
  return digest->hash;
}

StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path) {
  ToolInput file(path);
  StandingsSubmission reference{
      path, std::nullopt, {}, {}, std::vector<std::optional<std::int32_t>>(testSet.size())};
  ReferenceObserver observer(reference);
  const EvaluationOutcome outcome =
      outcomeOf([&] { return evaluateSubmission(testSet, file.stream(), &observer); });
  const std::string firstLine = verdictLine(outcome);
  reference.verdict = verdictText(outcome);
  reference.message = shownReportLine(firstLine, firstLine.size());
  if (!outcome.passed()) {
    throw StandingsError("reference " + shownFileName(path) +
                         " fails the evaluator's checks: " + reference.message);
  }
  return reference;
}
