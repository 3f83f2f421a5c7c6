#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "testset/test_case.h"

// The replay as first written, kept only as the benchmarks' baseline: every
// step copies the region's whole border (the frontier) into a fresh work list
// and walks it, reading every cell through the checked accessor, so a move
// costs the border's size however few cells it floods. Checks, messages and
// verdicts are the evaluator's; the moves come already read.
class BorderWalkSolution {
 public:
  std::int32_t number = 0;
  const TestCase* testCase = nullptr;  // not owned
  std::vector<std::int32_t> moves;
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  std::int32_t moveCount = 0;       // -1 until the section has passed
  std::vector<std::int32_t> cells;  // w * h, a flooded cell holds -1

  // The whole check of a section on its moves: copy, replay, final check.
  void replayAndCheck(std::int32_t testCaseNumber, const TestCase& answered,
                      std::vector<std::int32_t> sectionMoves);

  // The steps of replayAndCheck one by one, so that a benchmark can stop
  // after a prefix of the moves and a test can look between moves.
  void setUp(std::int32_t testCaseNumber, const TestCase& answered, std::vector<std::int32_t> sectionMoves);
  void playInitialFlood();
  void playMove(std::size_t turn);  // turn counts from 1
  void checkFlooded();

  // The working cell at column x, row y.
  std::int32_t& cell(std::int32_t x, std::int32_t y);

  // The work list entries walked so far, the measure of the replay's work.
  std::int64_t walkedEntries() const { return walked_; }

 private:
  void step(std::int32_t colour);

  std::vector<std::int32_t> frontier_;
  std::int64_t walked_ = 0;
};
