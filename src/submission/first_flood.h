#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "../testset/test_case.h"
#include "flood_recorder.h"
#include "framed_grid.h"

// A test case's grid after its first flood, from which every section that
// answers the test case starts. It depends on the test case alone, so it is
// computed once and never changed afterwards: threads may share it freely.
struct FirstFlood {
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  std::vector<FloodCell> cells;  // framed; flooded, waiting and untouched cells
  // The waiting cells as framed indices, colour after colour, each colour's
  // in the order the flood met them: colour k's stand at
  // waiting[waitingStart[k]] ... waiting[waitingStart[k + 1] - 1].
  std::vector<std::int32_t> waiting;
  std::vector<std::int32_t> waitingStart;  // b + 2 entries
  std::int64_t floodedCount = 0;           // cells of the grid that the first flood took

  std::span<const std::int32_t> waitingOf(std::int32_t colour) const {
    const auto k = static_cast<std::size_t>(colour);
    return std::span(waiting).subspan(static_cast<std::size_t>(waitingStart[k]),
                                      static_cast<std::size_t>(waitingStart[k + 1] - waitingStart[k]));
  }

  // The memory the state holds, for the caches that keep states.
  std::size_t bytes() const {
    return cells.size() + 4 * (waiting.size() + waitingStart.size()) + sizeof *this;
  }
};

// Floods the test case's grid from its top-left cell; `recorder`, if given,
// is told the cells of the first flood as turn 0.
FirstFlood computeFirstFlood(const TestCase& testCase, FloodRecorder* recorder = nullptr);
