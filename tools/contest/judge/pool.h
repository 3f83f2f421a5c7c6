#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "contest/judge/submission_judge.h"
#include "contest/judge/submission_list.h"

// A content still to be judged and the files of this run that hold it.
struct PendingContent {
  ContentHash hash;
  std::vector<const SubmissionFile*> files;
};

// Called for every content judged, one call at a time.
using JudgementSink = std::function<void(const PendingContent&, const Judgement&)>;

// Judges every pending content on `threads` threads that take the next
// content as soon as they are free, the largest first, so that one huge
// submission never holds up the others. A sink that throws stops the work:
// contents being judged are finished and dropped, and the error is rethrown.
void judgeAll(const SharedTestSet& shared, std::vector<PendingContent> pending, std::int64_t threads,
              const JudgementSink& sink);
