#include "common/progress.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <thread>

namespace {

// What a Progress of `total` in lines, one every millisecond, writes on
// standard error for `steps`, each shown after a pause of two milliseconds.
std::string linesFor(std::int64_t total, const std::vector<std::int64_t>& steps) {
  std::ostringstream captured;
  std::streambuf* const standardError = std::cerr.rdbuf(captured.rdbuf());
  {
    Progress progress("things done", total, ProgressStyle::lines, std::chrono::milliseconds(1));
    for (const std::int64_t done : steps) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      progress.show(done);
    }
  }
  std::cerr.rdbuf(standardError);
  return captured.str();
}

// Plain lines for a log: no control code, and no rate or time left from a
// moment's work, where one item in a millisecond would read as 1000/s.
TEST(Progress, LinesForALogHaveNoControlCodesAndNoRateTooEarly) {
  const std::pair<std::string, std::string> rows[] = {
      {linesFor(4, {0, 1, 4}), "things done 0/4 (0%)\nthings done 1/4 (25%)\nthings done 4/4 (100%)\n"},
      {linesFor(2, {1, 3}), "things done 1/2 (50%)\nthings done 2/2 (100%)\n"},  // never beyond the total
      {linesFor(0, {0}), "things done 0/0\n"},
  };
  for (const auto& [written, expected] : rows) EXPECT_EQ(written, expected);
}

}  // namespace
