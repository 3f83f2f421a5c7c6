#include "common/progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

Progress::Progress(std::string_view what, std::int64_t total)
    : what_(what), total_(total), enabled_(isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
  if (enabled_) std::cerr << "\r\033[K" << std::flush;
}

double Progress::seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

void Progress::show(std::int64_t done) {
  done_ = done;
  if (!enabled_) return;
  const Clock::time_point now = Clock::now();
  if (now - shown_ < std::chrono::milliseconds(200) && done_ < total_) return;
  shown_ = now;
  const double elapsed = seconds();
  const double rate = elapsed > 0 ? static_cast<double>(done_) / elapsed : 0;
  const long long left = rate > 0 ? std::llround(static_cast<double>(total_ - done_) / rate) : 0;
  const long long tenths = std::llround(rate * 10);
  const int width = 30;
  const auto filled = static_cast<int>(width * std::min(done_, total_) / (total_ > 0 ? total_ : 1));
  std::cerr << "\r\033[K[" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(width - filled), '.') << "] " << what_ << ' ' << done_
            << '/' << total_ << ", " << tenths / 10 << '.' << tenths % 10 << "/s, " << left / 60 << "m"
            << (left % 60 < 10 ? "0" : "") << left % 60 << "s left" << std::flush;
}
