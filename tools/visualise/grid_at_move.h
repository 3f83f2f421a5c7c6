#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "testset/test_case.h"

// The grid after some moves, as the evaluator's replay leaves it.
struct GridAtMove {
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::vector<std::int32_t> colours;  // row by row; flooded cells hold the region's colour
  std::vector<bool> flooded;
};

// Plays `moves` (colours 1 ... b) on the test case's grid with the evaluator's
// FloodReplay.
GridAtMove gridAtMove(const TestCase& testCase, std::span<const std::int32_t> moves);
