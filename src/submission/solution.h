#pragma once

#include <cstdint>
#include <istream>
#include <span>
#include <vector>

#include "../testset/test_case.h"
#include "../text/line_source.h"
#include "framed_grid.h"
#include "passed_sections.h"
#include "working_grids.h"

// One answered section of the submission: its moves, replayed on a working
// grid of its test case, and the section's result.
class Solution {
 public:
  std::int32_t number = 0;
  const TestCase* testCase = nullptr;  // not owned; the test set outlives it
  std::vector<std::int32_t> moves;
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  std::int32_t moveCount = 0;  // -1 until the section has passed
  // The working grid as the section left it, framed (see FloodReplay); lent
  // by the WorkingGrids until their next section starts.
  std::span<FloodCell> cells;

  // Reads the section's count and sequence lines, replays the moves on the
  // test case's grid from `grids` and checks that the whole grid is flooded.
  // With `passed`, a section that has passed before word for word passes
  // without a replay (and leaves `cells` empty), and a section that passes
  // is remembered.
  void readAndCheck(std::istream& submission, LineCounter& lineCounter, std::int32_t testCaseNumber,
                    const TestCase& answered, WorkingGrids& grids, PassedSections* passed = nullptr);

  // The working cell at column x, row y: FLOODED, or the colour (with QUEUED
  // on top while it waits at the region's border).
  FloodCell& cell(std::int32_t x, std::int32_t y);

 private:
  void readMoves(std::istream& submission, LineCounter& lineCounter);
  void replayMoves(WorkingGrids& grids);
};
