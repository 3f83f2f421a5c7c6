#pragma once

#include <cstdint>
#include <istream>
#include <vector>

#include "../testset/test_case.h"
#include "../text/line_source.h"
#include "flood_replay.h"
#include "passed_sections.h"

// One answered section of the submission: its moves, replayed on a working
// copy of its test case's grid, and the section's result.
class Solution {
 public:
  std::int32_t number = 0;
  const TestCase* testCase = nullptr;  // not owned; the test set outlives it
  std::vector<std::int32_t> moves;
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  std::int32_t moveCount = 0;  // -1 until the section has passed
  // The working grid, framed by one flooded cell on every side (see
  // FloodReplay); a flooded cell holds FloodReplay::FLOODED.
  std::vector<std::int32_t> cells;

  // Reads the section's count and sequence lines, replays the moves and checks
  // that the whole grid is flooded. `replay` lends its storage. With `passed`,
  // a section that has passed before word for word passes without a replay
  // (and leaves `cells` empty), and a section that passes is remembered.
  void readAndCheck(std::istream& submission, LineCounter& lineCounter, std::int32_t testCaseNumber,
                    const TestCase& answered, FloodReplay& replay, PassedSections* passed = nullptr);

  // The working cell at column x, row y: FloodReplay::FLOODED, or the colour
  // (with FloodReplay::QUEUED on top while it waits at the region's border).
  std::int32_t& cell(std::int32_t x, std::int32_t y);

 private:
  void readMoves(std::istream& submission, LineCounter& lineCounter);
  void copyGrid();
  void replayMoves(FloodReplay& replay);
  void checkFlooded();
};
