#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "testset/test_case.h"

// The size of the region's border after each step of a section: entry 0
// after the first flood, entry k after move k. The border is the flooded
// cells with an unflooded edge neighbour, the cells that a replay walks when
// it looks for the next move's cells. The moves must be colours in 1 ... b.
std::vector<std::int64_t> borderSizes(const TestCase& testCase, const std::vector<std::int32_t>& moves);

// Inserts `idleCount` idle moves where the border is largest (the first such
// step). An idle move repeats the region's colour, so it floods nothing.
std::vector<std::int32_t> padWithIdleMoves(const TestCase& testCase, const std::vector<std::int32_t>& moves,
                                           std::int64_t idleCount);

// The most moves a section may hold: w * h of the largest grid.
inline constexpr std::int64_t MAX_SECTION_MOVES = std::int64_t{MAX_GRID_SIDE} * MAX_GRID_SIDE;

// How the solver bends a finished section for benchmarks and hostile tests.
struct SectionShape {
  std::int64_t idleMoves = 0;             // padded, but never past w * h moves in all
  std::int64_t dropLast = 0;              // moves left out at the end
  std::optional<std::int64_t> stopAfter;  // at most this many moves kept
};

// Pads first, then drops the last moves, then stops early.
std::vector<std::int32_t> shapeSection(const TestCase& testCase, std::vector<std::int32_t> moves,
                                       const SectionShape& shape);
