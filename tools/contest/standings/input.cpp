#include "contest/standings/input.h"

#include <iostream>

#include "common/checked_test_set.h"
#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "contest/database/content_hash.h"
#include "contest/database/judged_verdict.h"
#include "driver/evaluation_run.h"

std::optional<std::string> readTestSetFile(const std::string& path, TestSet* testSet) {
  HashedFile file(path);
  if (file.error() != 0) throw fileFailure("cannot open", path, file.error());
  if (testSet != nullptr && !readCheckedTestSet(file.stream(), path, *testSet)) return std::nullopt;
  const std::optional<FileDigest> digest = file.finish();
  if (!digest) throw fileFailure("cannot read", path, file.error());
  return digest->hash;
}

StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path) {
  ToolInput file(path);
  const VerdictRecord record = judgedVerdict(
      [&](SectionObserver& observer) { return evaluateSubmission(testSet, file.stream(), &observer); });
  const EAssertion* failure = record.outcome.failure();
  const std::size_t messageLength = failure != nullptr ? failure->message.size() : 0;
  StandingsSubmission reference =
      standingsSubmission(path, record.contestant, record.outcome, messageLength, testSet.size());
  if (!record.outcome.passed()) {
    throw ToolError{"reference " + shownFileName(path) +
                    " fails the evaluator's checks: " + reference.message};
  }
  return reference;
}
