#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>

// "[####......] what i/n, r/s, XmYYs left" on one line of standard error,
// rewritten at most a few times a second, only when standard error is a
// terminal (never into a log or a pipe).
class Progress {
 public:
  Progress(std::string_view what, std::int64_t total);
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void show(std::int64_t done);
  // One more done.
  void advance() { show(done_ + 1); }
  // Since the start.
  double seconds() const;

 private:
  using Clock = std::chrono::steady_clock;

  std::string_view what_;
  std::int64_t total_;
  std::int64_t done_ = 0;
  bool enabled_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point shown_ = start_ - std::chrono::seconds(1);
};
