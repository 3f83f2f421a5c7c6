#pragma once

#include <cstdint>
#include <ostream>

#include "contest/judge/submission_judge.h"

// What a judge run did, for its summary line.
struct JudgeTally {
  std::int64_t submissions = 0;  // files of this run
  std::int64_t skipped = 0;      // hidden files and backups of its folders
  std::int64_t before = 0;       // contents judged by an earlier run
  std::int64_t pending = 0;      // contents to judge now
  std::int64_t judged = 0;
  std::int64_t passed = 0;
  // Pending contents without a verdict: not reached, or the bytes judged
  // were not the content's. They are no contestant's failure.
  std::int64_t left() const { return pending - judged; }

  void add(const Judgement& judgement);
  // "5 submissions, 4 contents: 3 judged before, 1 judged now (1 OK, 0 failed) in 2 ms",
  // and what was skipped and what is left for the next run.
  void print(std::ostream& out, double seconds) const;
};
