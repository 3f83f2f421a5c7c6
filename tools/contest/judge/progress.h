#pragma once

#include <chrono>
#include <cstdint>

// "judged i/n, r/s, t left" on one line of standard error, rewritten at most
// a few times a second, only when standard error is a terminal.
class JudgeProgress {
 public:
  explicit JudgeProgress(std::int64_t total);
  ~JudgeProgress();
  JudgeProgress(const JudgeProgress&) = delete;
  JudgeProgress& operator=(const JudgeProgress&) = delete;

  // One more submission judged.
  void advance();
  double seconds() const;

 private:
  using Clock = std::chrono::steady_clock;

  std::int64_t total_;
  std::int64_t done_ = 0;
  bool enabled_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point shown_ = start_;
};
