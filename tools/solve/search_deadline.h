#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

// The moment when a search must stop looking and answer with what it has.
class SearchDeadline {
 public:
  using Clock = std::chrono::steady_clock;

  // No deadline at all.
  SearchDeadline() = default;
  static SearchDeadline after(double seconds) {
    SearchDeadline deadline;
    deadline.end_ =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    return deadline;
  }

  bool passed() const { return end_ != Clock::time_point::max() && Clock::now() >= end_; }
  // The seconds left, or a very large number without a deadline.
  double secondsLeft() const {
    if (end_ == Clock::time_point::max()) return 1e18;
    return std::chrono::duration<double>(end_ - Clock::now()).count();
  }

 private:
  Clock::time_point end_ = Clock::time_point::max();
};

// How far a search has come: flooded cells out of all cells.
using SearchProgress = std::function<void(std::int64_t flooded, std::int64_t total)>;
