#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "contest/database/records.h"
#include "contest/judge/shared_test_set.h"
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

// Judges one submission against the shared test set through the evaluator's
// one walk. Safe to call from many threads at once.
VerdictRecord judgeSubmission(const SharedTestSet& shared, std::istream& submission);

// Judges one content from the first of its files: the bytes are read once,
// judged as they are read and hashed, and the verdict is kept only when the
// hash is the content's.
Judgement judgeContent(const SharedTestSet& shared, const PendingContent& content);
