// What the evaluator's replay records of a section, and the picture of the
// grid that the PNG output draws from that record.
#include "visualise/grid_pixels.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/palette.h"
#include "testset/test_set_reader.h"

namespace {

// The 3 x 2 grid of the replay's edge cases, played with moves 2 and 1.
class RecordedSection : public testing::Test {
 protected:
  void SetUp() override {
    std::istringstream input("Barvotok\n1\n\n1\n3 2 2\n1 2 1\n2 2 1\n");
    readTestSet(input, testSet);
    std::istringstream submission("123456\nBarvotok\n1\n2\n2 1\n");
    view = viewSection(testSet, submission, {});
  }
  TestSet testSet;
  SectionView view;
};

Rgb pixel(const GridPixels& picture, std::int32_t x, std::int32_t y) {
  const std::size_t at =
      (static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) + static_cast<std::size_t>(x)) *
      3;
  return {picture.rgb[at], picture.rgb[at + 1], picture.rgb[at + 2]};
}

TEST_F(RecordedSection, KeepsEachCellsFloodTurnAndEachStepsCount) {
  // The start floods the top-left cell, move 1 (colour 2) three cells, move 2 the right column.
  EXPECT_EQ(view.replay.turnOfCell(), (std::vector<std::int32_t>{0, 1, 2, 1, 1, 2}));
  EXPECT_EQ(view.replay.absorbed(), (std::vector<std::int32_t>{1, 3, 2}));
}

TEST_F(RecordedSection, PictureShadesTheCellsFloodedByTheMove) {
  const Rgb own1 = paletteColour(1);
  const Rgb own2 = paletteColour(2);
  struct Case {
    std::int32_t move;
    std::vector<Rgb> cells;  // row by row
  };
  const Case cases[] = {
      {0, {floodedShade(own1), own2, own1, own2, own2, own1}},
      {1, {floodedShade(own2), floodedShade(own2), own1, floodedShade(own2), floodedShade(own2), own1}},
      {2, std::vector<Rgb>(6, floodedShade(own1))},
  };
  for (const Case& c : cases) {
    const GridPixels picture = gridPixels(view, c.move, 3);
    ASSERT_EQ(picture.width, 9);
    ASSERT_EQ(picture.height, 6);
    for (std::int32_t cell = 0; cell < 6; ++cell) {
      const std::int32_t x = cell % 3;
      const std::int32_t y = cell / 3;
      // Every pixel of the cell's square, corners included.
      for (const auto& [dx, dy] : {std::pair{0, 0}, {2, 2}}) {
        EXPECT_EQ(pixel(picture, x * 3 + dx, y * 3 + dy), c.cells[static_cast<std::size_t>(cell)])
            << "move " << c.move << " cell " << cell;
      }
    }
  }
  EXPECT_EQ(defaultScale(3, 2), 200);
  EXPECT_EQ(defaultScale(1000, 10), 1);
}

}  // namespace
