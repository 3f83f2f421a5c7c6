// A recorder sees every step of a watched section, the first flood included,
// also when the test case's first flood was computed and kept before.
#include "submission/flood_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "submission/solution.h"
#include "submission/working_grids.h"

namespace {

class StepLog : public FloodRecorder {
 public:
  void flooded(std::int32_t turn, std::span<const std::int32_t> cells) override {
    EXPECT_EQ(turn, static_cast<std::int32_t>(steps.size()));
    steps.emplace_back(cells.begin(), cells.end());
  }
  std::vector<std::vector<std::int32_t>> steps;
};

std::vector<std::int32_t> sorted(std::vector<std::int32_t> cells) {
  std::sort(cells.begin(), cells.end());
  return cells;
}

// Rows 1 2 1 / 2 2 1 / 3 3 1: the first flood takes (0, 0); the move 2 takes
// three cells, the move 2 again nothing, the move 1 the right column and
// (0, 0)'s neighbours of colour 1, none; the move 3 the bottom row's left two.
TEST(FloodRecorder, IsToldEveryStepOfAWatchedSection) {
  const TestCase testCase{1, 3, 3, 3, {1, 2, 1, 2, 2, 1, 3, 3, 1}};
  WorkingGrids grids;
  for (int watched = 0; watched < 2; ++watched) {
    // An unwatched section first, so that the watched one finds the first
    // flood kept and the grid changed and put back.
    std::istringstream unwatched("2\n2 1\n");
    LineCounter lineCounter = 3;
    Solution first;
    EXPECT_THROW(first.readAndCheck(unwatched, lineCounter, 1, testCase, grids), EAssertion);

    StepLog log;
    grids.record(&log);
    std::istringstream section("4\n2 2 1 3\n");
    Solution solution;
    solution.readAndCheck(section, lineCounter, 1, testCase, grids);
    grids.record(nullptr);
    EXPECT_EQ(solution.moveCount, 4);
    ASSERT_EQ(log.steps.size(), 5u);
    EXPECT_EQ(log.steps[0], (std::vector<std::int32_t>{0}));
    EXPECT_EQ(sorted(log.steps[1]), (std::vector<std::int32_t>{1, 3, 4}));
    EXPECT_TRUE(log.steps[2].empty());
    EXPECT_EQ(sorted(log.steps[3]), (std::vector<std::int32_t>{2, 5, 8}));
    EXPECT_EQ(sorted(log.steps[4]), (std::vector<std::int32_t>{6, 7}));
  }
}

}  // namespace
