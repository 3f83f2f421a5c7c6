#include "solve/blob_graph.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "solve/region_growth.h"

namespace {

std::vector<std::int32_t> sorted(std::span<const std::int32_t> items) {
  std::vector<std::int32_t> copy(items.begin(), items.end());
  std::sort(copy.begin(), copy.end());
  return copy;
}

// Rows 1 1 2 / 3 1 2 / 3 3 2: three blobs of three cells, each touching the
// other two; blobs are numbered from their first cell in reading order.
const TestCase THREE_BLOBS{1, 3, 3, 3, {1, 1, 2, 3, 1, 2, 3, 3, 2}};

TEST(BlobGraph, FindsBlobsTheirCellsAndNeighbours) {
  const BlobGraph graph(THREE_BLOBS);
  ASSERT_EQ(graph.blobCount(), 3);
  const std::vector<std::int32_t> colours{1, 2, 3};
  const std::vector<std::vector<std::int32_t>> cells{{0, 1, 4}, {2, 5, 8}, {3, 6, 7}};
  const std::vector<std::vector<std::int32_t>> neighbours{{1, 2}, {0, 2}, {0, 1}};
  for (std::int32_t blob = 0; blob < 3; ++blob) {
    const auto at = static_cast<std::size_t>(blob);
    EXPECT_EQ(graph.colour(blob), colours[at]);
    EXPECT_EQ(graph.size(blob), 3);
    EXPECT_EQ(sorted(graph.cells(blob)), cells[at]);
    EXPECT_EQ(sorted(graph.neighbours(blob)), neighbours[at]);
  }
}

TEST(BlobGraph, CheckerboardCellsAreBlobsOfTheirOwn) {
  const BlobGraph graph({1, 4, 3, 2, {1, 2, 1, 2, 2, 1, 2, 1, 1, 2, 1, 2}});
  EXPECT_EQ(graph.blobCount(), 12);
  EXPECT_EQ(sorted(graph.neighbours(5)), (std::vector<std::int32_t>{1, 4, 6, 9}));
}

TEST(RegionGrowth, GainsFollowTheMoves) {
  const BlobGraph graph(THREE_BLOBS);
  RegionGrowth game(graph, 3);
  EXPECT_EQ(game.floodedCells(), 3);
  EXPECT_EQ(game.gain(1), 0);
  EXPECT_EQ(game.gain(2), 3);
  EXPECT_EQ(game.gain(3), 3);
  EXPECT_EQ(game.play(1), 0);  // idle: the region's own colour
  EXPECT_EQ(game.play(3), 3);
  EXPECT_EQ(game.regionColour(), 3);
  EXPECT_EQ(game.gain(3), 0);
  EXPECT_FALSE(game.finished());
  EXPECT_EQ(game.play(2), 3);
  EXPECT_TRUE(game.finished());
}

}  // namespace
