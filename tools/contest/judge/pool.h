#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "contest/judge/submission_judge.h"

// Called for every content judged, one call at a time.
using JudgementSink = std::function<void(const PendingContent&, const Judgement&)>;
// Asked before each content is taken: true stops the work.
using StopRequest = std::function<bool()>;

// Judges every pending content on `threads` threads that take the next
// content as soon as they are free, the largest first, so that one huge
// submission never holds up the others. A sink that throws stops the work:
// contents being judged are finished and dropped, and the error is rethrown.
// A stop request ends it too: contents being judged are finished and given
// to the sink, and no other content is taken.
void judgeAll(const SharedTestSet& shared, std::vector<PendingContent> pending, std::int64_t threads,
              const JudgementSink& sink, const StopRequest& stopRequested = {});
