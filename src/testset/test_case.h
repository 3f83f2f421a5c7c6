#pragma once

#include <cstdint>
#include <vector>

// One test case of the test set: a grid of w columns and h rows whose cells
// hold colours 1 ... b, row by row from the top, the cell (x, y) at y*w + x.
struct TestCase {
  std::int32_t number = 0;
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  std::vector<std::int32_t> cells;

  // The colour at column x, row y; a cell outside the grid is an internal fault.
  std::int32_t& cell(std::int32_t x, std::int32_t y);
  const std::int32_t& cell(std::int32_t x, std::int32_t y) const;
};

// The test cases in file order; test case i stands at position i - 1.
using TestSet = std::vector<TestCase>;

inline constexpr std::int32_t MAX_GRID_SIDE = 1000;
inline constexpr std::int32_t MAX_COLOURS = 100;
