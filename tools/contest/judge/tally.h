#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "contest/judge/submission_judge.h"

// What a judge run did, for its summary.
struct JudgeTally {
  std::int64_t submissions = 0;      // files of this run
  std::vector<std::string> skipped;  // hidden files and backups of its folders
  std::vector<std::string> before;   // files whose content an earlier run judged
  std::int64_t beforeContents = 0;
  std::vector<std::string> pending;  // files whose content is judged now
  std::int64_t pendingContents = 0;
  std::vector<std::string> judged;  // of those, the files that got a verdict
  std::int64_t judgedContents = 0;
  std::int64_t passed = 0;  // contents
  // Pending contents without a verdict: not reached, or the bytes judged
  // were not the content's. They are no contestant's failure.
  std::int64_t left() const { return pendingContents - judgedContents; }

  void add(const PendingContent& content, const Judgement& judgement);
  // "5 submissions, 4 contents: 3 judged before, 1 judged now (1 OK, 0 failed) in 2 ms",
  // and what was skipped and what is left for the next run.
  void print(std::ostream& out, double seconds) const;
  // The same as one JSON object on one line, with the files of each kind
  // (their paths' bytes shown as the standings show them).
  void printJson(std::ostream& out, double seconds) const;
};
