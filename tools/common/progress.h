#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

// How a run shows its progress on standard error. `automatic`: a bar,
// "[####......] what i/n, r/s, XmYYs left", rewritten a few times a second
// on a terminal that takes control codes; plain lines on one that does not
// (TERM=dumb or unset); nothing into a log or a pipe. `lines` (a tool's
// --progress): plain lines wherever standard error goes, for batch logs.
enum class ProgressStyle { automatic, lines };

class Progress {
 public:
  // Lines come every `linePeriod`, the first one period after the start.
  Progress(std::string_view what, std::int64_t total, ProgressStyle style = ProgressStyle::automatic,
           std::chrono::milliseconds linePeriod = std::chrono::seconds(10));
  ~Progress();
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  // `done` of the total are done.
  void show(std::int64_t done);
  // One more done.
  void advance() { show(done_ + 1); }
  // Since the start.
  double seconds() const;

 private:
  using Clock = std::chrono::steady_clock;
  enum class Shown { nothing, bar, lines };

  // "what i/n", then the rate and the time left once a second has passed.
  void write(bool bar);

  std::string what_;
  std::int64_t total_;
  std::int64_t done_ = 0;
  Shown shown_;
  std::chrono::milliseconds linePeriod_;
  Clock::time_point start_ = Clock::now();
  Clock::time_point last_ = start_;  // of the last frame or line; none before the first period
  bool drawn_ = false;               // a bar is on the terminal's last line
};
