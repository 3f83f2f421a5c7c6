#include "contest/judge/submission_judge.h"

#include <cstring>
#include <new>

#include "common/escaped_bytes.h"
#include "contest/database/judged_verdict.h"
#include "driver/evaluation_run.h"

VerdictRecord judgeSubmission(const SharedTestSet& shared, std::istream& submission) {
  return judgedVerdict([&](SectionObserver& observer) {
    return evaluateSubmission(shared.testSet, *shared.firstFloods, submission, &observer);
  });
}

Judgement judgeContent(const SharedTestSet& shared, const PendingContent& content) {
  const std::string& path = content.files.front()->path;
  HashedFile file(path);
  Judgement judgement;
  bool memoryRanOut = false;
  try {
    if (file.error() == 0) judgement.verdict = judgeSubmission(shared, file.stream());
  } catch (const std::bad_alloc&) {
    memoryRanOut = true;
  }
  const std::optional<FileDigest> digest = file.finish();
  const std::string named = shownFileName(path);
  if (memoryRanOut) {
    judgement.problem = "memory ran out while judging " + named;
  } else if (!digest) {
    judgement.problem = "cannot read " + named + ": " + std::strerror(file.error());
  } else if (digest->hash != content.hash) {
    judgement.problem = named + " changed while it was judged";
  }
  if (!judgement.problem.empty()) judgement.verdict.reset();
  return judgement;
}
