#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "common/test_set_writer.h"
#include "gen/test_set_generator.h"
#include "solve/blob_graph.h"
#include "solve/region_growth.h"
#include "solve/section_shaping.h"

namespace {

std::string written(const TestSet& testSet) {
  std::ostringstream text;
  writeTestSet(text, testSet);
  return text.str();
}

// Derived once from the generator and checked by hand against the input-file
// format. A change here changes every seeded test set ever published.
TEST(Generator, SeededFileIsPinnedByteForByte) {
  GeneratorSettings settings;
  settings.caseCount = 2;
  settings.width = {3, 6};
  settings.height = {2, 4};
  settings.colours = {2, 5};
  settings.patterns = {Pattern::Uniform, Pattern::Clustered};
  settings.seed = 2024;
  EXPECT_EQ(written(generateTestSet(settings)),
            "Barvotok\n2\n"
            "\n1\n5 3 3\n2 2 1 2 3\n3 2 1 3 2\n1 1 1 1 2\n"
            "\n2\n5 2 4\n3 3 1 1 2\n1 3 3 1 2\n");
}

TEST(Generator, SameSeedSameFileOtherSeedOtherFile) {
  GeneratorSettings settings;
  settings.caseCount = 3;
  settings.patterns = {ALL_PATTERNS.begin(), ALL_PATTERNS.end()};
  const std::string first = written(generateTestSet(settings));
  EXPECT_EQ(written(generateTestSet(settings)), first);
  settings.seed = 2;
  EXPECT_NE(written(generateTestSet(settings)), first);
}

TEST(Generator, DrawsSizesWithinTheirRanges) {
  GeneratorSettings settings;
  settings.caseCount = 200;
  settings.width = {1, 7};
  settings.height = {5, 5};
  settings.colours = {99, 100};
  bool sawLow = false;
  bool sawHigh = false;
  for (const TestCase& testCase : generateTestSet(settings)) {
    EXPECT_TRUE(testCase.w >= 1 && testCase.w <= 7) << testCase.w;
    EXPECT_EQ(testCase.h, 5);
    EXPECT_TRUE(testCase.b == 99 || testCase.b == 100) << testCase.b;
    sawLow = sawLow || testCase.w == 1;
    sawHigh = sawHigh || testCase.w == 7;
  }
  EXPECT_TRUE(sawLow && sawHigh);
}

// Every pattern, on awkward sizes, paints only colours 1 ... b.
TEST(Generator, EveryPatternKeepsColoursInRange) {
  const std::int32_t sizes[][3] = {{1, 1, 1}, {1, 7, 3},    {7, 1, 2}, {2, 2, 2},
                                   {9, 8, 3}, {10, 9, 100}, {31, 4, 5}};
  RandomSource random(5);
  for (const Pattern pattern : ALL_PATTERNS) {
    for (const auto& size : sizes) {
      const TestCase grid = generateTestCase(pattern, 1, size[0], size[1], size[2], random);
      ASSERT_EQ(grid.cells.size(), static_cast<std::size_t>(size[0] * size[1]));
      for (const std::int32_t colour : grid.cells) {
        ASSERT_TRUE(colour >= 1 && colour <= size[2]) << patternName(pattern) << " " << colour;
      }
    }
  }
}

TEST(Generator, CheckerboardHasNoEqualNeighbours) {
  RandomSource random(1);
  const TestCase grid = generateTestCase(Pattern::Checkerboard, 1, 9, 7, 6, random);
  for (std::int32_t y = 0; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < grid.w; ++x) {
      if (x + 1 < grid.w) {
        EXPECT_NE(grid.cell(x, y), grid.cell(x + 1, y));
      }
      if (y + 1 < grid.h) {
        EXPECT_NE(grid.cell(x, y), grid.cell(x, y + 1));
      }
    }
  }
}

TEST(Generator, HolesAreIsolatedSingleCells) {
  RandomSource random(1);
  PatternParams params;
  params.holeDensity = 0.9;
  const TestCase grid = generateTestCase(Pattern::Holes, 1, 40, 30, 8, random, params);
  EXPECT_EQ(grid.cell(0, 0), 1);
  std::int32_t holes = 0;
  for (std::int32_t y = 0; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < grid.w; ++x) {
      if (grid.cell(x, y) == 1) continue;
      ++holes;
      if (x + 1 < grid.w) {
        EXPECT_EQ(grid.cell(x + 1, y), 1);
      }
      if (y + 1 < grid.h) {
        EXPECT_EQ(grid.cell(x, y + 1), 1);
      }
    }
  }
  EXPECT_GT(holes, 40 * 30 / 4);
}

// The comb's first flood leaves a border of every tooth cell, and a walk
// along its corridor floods one cell per move while that border stays.
TEST(Generator, CombKeepsAHugeBorderWhileItsCorridorIsWalked) {
  RandomSource random(1);
  const TestCase grid = generateTestCase(Pattern::Comb, 1, 20, 10, 4, random);
  std::vector<std::int32_t> corridorWalk;
  for (std::int32_t step = 0; step < 30; ++step) corridorWalk.push_back(step % 2 == 0 ? 3 : 4);
  const std::vector<std::int64_t> sizes = borderSizes(grid, corridorWalk);
  // Five spine cells above a gap and the 5 teeth of 8 cells each; each move
  // adds a corridor cell, which touches a wall, and the border never shrinks
  // (a corridor cell leaves it only at a bend, as the next one joins).
  EXPECT_EQ(sizes.front(), 45);
  for (std::size_t step = 1; step < sizes.size(); ++step) EXPECT_GE(sizes[step], sizes[step - 1]) << step;
  EXPECT_GE(sizes.back(), 45 + 30 - 3);

  const BlobGraph graph(grid);
  RegionGrowth game(graph, grid.b);
  for (const std::int32_t colour : corridorWalk) EXPECT_EQ(game.play(colour), 1);
}

}  // namespace
