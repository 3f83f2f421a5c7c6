// The picture of a grid after some moves, as the PNG output draws it.
#include "visualise/grid_pixels.h"

#include <gtest/gtest.h>

#include <sstream>

#include "testset/test_set_reader.h"
#include "visualise/palette.h"

namespace {

TestCase edgeCase() {
  std::istringstream input("Barvotok\n1\n\n1\n3 2 2\n1 2 1\n2 2 1\n");
  TestSet testSet;
  readTestSet(input, testSet);
  return testSet[0];
}

Rgb pixel(const GridPixels& picture, std::int32_t x, std::int32_t y) {
  const std::size_t at =
      (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) *
      3;
  return {picture.rgb[at], picture.rgb[at + 1], picture.rgb[at + 2]};
}

TEST(GridAtMove, FloodsAsTheEvaluatorDoes) {
  const TestCase testCase = edgeCase();
  const std::int32_t one[] = {2};
  const GridAtMove grid = gridAtMove(testCase, one);
  EXPECT_EQ(grid.flooded, (std::vector<bool>{true, true, false, true, true, false}));
  EXPECT_EQ(grid.colours, (std::vector<std::int32_t>{2, 2, 1, 2, 2, 1}));
  const GridAtMove start = gridAtMove(testCase, {});
  EXPECT_EQ(start.flooded, (std::vector<bool>{true, false, false, false, false, false}));
  EXPECT_EQ(start.colours, testCase.cells);
}

TEST(GridPixels, ShadesTheRegionAndScalesEveryCell) {
  const std::int32_t one[] = {2};
  const GridPixels picture = gridPixels(gridAtMove(edgeCase(), one), 3);
  ASSERT_EQ(picture.width, 9);
  ASSERT_EQ(picture.height, 6);
  const Rgb region = floodedShade(paletteColour(2));
  for (const auto& [x, y] : {std::pair{0, 0}, {5, 2}, {0, 5}, {4, 4}})
    EXPECT_EQ(pixel(picture, x, y), region);
  for (const auto& [x, y] : {std::pair{6, 0}, {8, 5}}) EXPECT_EQ(pixel(picture, x, y), paletteColour(1));
  EXPECT_EQ(defaultScale(3, 2), 200);
  EXPECT_EQ(defaultScale(1000, 10), 1);
}

}  // namespace
