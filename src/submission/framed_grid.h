#pragma once

#include <cstdint>
#include <vector>

#include "../testset/test_case.h"

// The replay's working cells: a byte each, since colours are 1 ... 100. The
// grid is framed by one flooded cell on every side (w + 2 columns, h + 2
// rows), so that no neighbour needs a bounds test.
using FloodCell = std::uint8_t;

// A flooded cell, also every cell of the frame.
inline constexpr FloodCell FLOODED = 0xFF;
// Set on an unflooded cell while it waits in its colour's list at the
// region's border; the colour stays in the low bits.
inline constexpr FloodCell QUEUED = 0x80;

static_assert(MAX_COLOURS < QUEUED && (MAX_COLOURS | QUEUED) < FLOODED, "a colour must fit beside the marks");

// The test case's colours in a framed grid, nothing flooded yet but the frame.
std::vector<FloodCell> framedGrid(const TestCase& testCase);

// The framed index of the cell at column x, row y (from 0), and back.
inline std::int32_t framedIndex(std::int32_t w, std::int32_t x, std::int32_t y) {
  return (y + 1) * (w + 2) + x + 1;
}
inline std::int32_t unframedIndex(std::int32_t w, std::int32_t index) {
  return (index / (w + 2) - 1) * w + index % (w + 2) - 1;
}
