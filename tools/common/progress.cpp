#include "common/progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// A bar appears after half a second, so that a short run shows none, and is
// rewritten five times a second.
constexpr auto BAR_PERIOD = std::chrono::milliseconds(200);
constexpr auto BAR_DELAY = std::chrono::milliseconds(500);

bool terminalTakesControlCodes() {
  const char* term = std::getenv("TERM");
  return term != nullptr && *term != '\0' && std::string_view(term) != "dumb";
}

}  // namespace

Progress::Progress(std::string_view what, std::int64_t total, ProgressStyle style,
                   std::chrono::milliseconds linePeriod)
    : what_(what), total_(total), shown_(Shown::nothing), linePeriod_(linePeriod) {
  const bool terminal = isatty(STDERR_FILENO) == 1;
  if (style == ProgressStyle::lines || (terminal && !terminalTakesControlCodes())) {
    shown_ = Shown::lines;
  } else if (terminal) {
    shown_ = Shown::bar;
    last_ = start_ - BAR_PERIOD + BAR_DELAY;
  }
}

Progress::~Progress() {
  if (drawn_) std::cerr << "\r\033[K" << std::flush;
}

double Progress::seconds() const { return std::chrono::duration<double>(Clock::now() - start_).count(); }

void Progress::show(std::int64_t done) {
  done_ = done;
  if (shown_ == Shown::nothing) return;
  const Clock::time_point now = Clock::now();
  if (now - last_ < (shown_ == Shown::bar ? BAR_PERIOD : linePeriod_)) return;
  last_ = now;
  write(shown_ == Shown::bar);
}

void Progress::write(bool bar) {
  const std::int64_t done = std::clamp<std::int64_t>(done_, 0, total_);
  std::string text;
  if (bar) {
    constexpr std::int64_t WIDTH = 30;
    const std::int64_t filled = total_ > 0 ? WIDTH * done / total_ : 0;
    text = "\r\033[K[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(WIDTH - filled), '.') + "] ";
  }
  text += what_ + ' ' + std::to_string(done) + '/' + std::to_string(total_);
  if (!bar && total_ > 0) text += " (" + std::to_string(100 * done / total_) + "%)";
  // A rate from less than a second, or from nothing done, says nothing yet.
  const double elapsed = seconds();
  if (elapsed >= 1 && done > 0) {
    const double rate = static_cast<double>(done) / elapsed;
    const long long tenths = std::llround(rate * 10);
    const long long left = std::llround(static_cast<double>(total_ - done) / rate);
    text += ", " + std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) + "/s, " +
            std::to_string(left / 60) + 'm' + (left % 60 < 10 ? "0" : "") + std::to_string(left % 60) +
            "s left";
  }
  std::cerr << text << (bar ? "" : "\n") << std::flush;
  drawn_ = bar;
}
