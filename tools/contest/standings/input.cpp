#include "contest/standings/input.h"

#include <iostream>

#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "contest/database/content_hash.h"
#include "contest/database/judged_verdict.h"
#include "driver/evaluation_run.h"

std::string testSetFileHash(const std::string& path) {
  // Opened first, which names the reason when it cannot be.
  if (!ToolInput(path).stream()) throw fileFailure("cannot read", path, "it cannot be read");
  const std::optional<FileDigest> digest = hashFile(path);
  if (!digest) throw fileFailure("cannot read", path, "a read failed");
  return digest->hash;
}

StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path) {
  ToolInput file(path);
  const VerdictRecord record = judgedVerdict(
      [&](SectionObserver& observer) { return evaluateSubmission(testSet, file.stream(), &observer); });
  const std::size_t messageLength = record.outcome.failure() ? record.outcome.failure()->message.size() : 0;
  StandingsSubmission reference =
      standingsSubmission(path, record.contestant, record.outcome, messageLength, testSet.size());
  if (!record.outcome.passed()) {
    throw ToolError{"reference " + shownFileName(path) +
                    " fails the evaluator's checks: " + reference.message};
  }
  return reference;
}
