#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "contest/judge/submission_judge.h"
#include "contest/judge/submission_list.h"

// A content still to be judged and the files of this run that hold it.
struct PendingContent {
  ContentHash hash;
  std::vector<const SubmissionFile*> files;
};

// A content judged: its verdict, or, when the bytes judged could not be
// those of the content (its file could not be read to its end, or changed
// while it was judged), no verdict and why, naming the file.
struct Judgement {
  std::optional<VerdictRecord> verdict;
  std::string problem;
};

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

// Judges one content from the first of its files: the bytes are read once,
// judged as they are read and hashed, and the verdict is kept only when the
// hash is the content's.
Judgement judgeContent(const SharedTestSet& shared, const PendingContent& content);
