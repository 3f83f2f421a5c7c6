#include "common/progress.h"

#include <unistd.h>

#include <iostream>

Progress::Progress(std::string_view what, std::int64_t total)
    : what_(what), total_(total), enabled_(isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
  if (enabled_) std::cerr << "\r\033[K" << std::flush;
}

void Progress::show(std::int64_t done) {
  if (enabled_) std::cerr << '\r' << what_ << ' ' << done << '/' << total_ << std::flush;
}
