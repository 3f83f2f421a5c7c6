#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solve/solvers.h"
#include "testset/test_case.h"

// The solver's summary for organisers: one row per test case with its size,
// the number of moves of its section and a lower bound on the fewest moves
// any answer needs, and the totals.
class MoveTable {
 public:
  void add(const TestCase& testCase, std::int64_t moveCount, std::int64_t lowerBound);
  std::string text() const;

 private:
  struct Row {
    std::int32_t number;
    std::int32_t w;
    std::int32_t h;
    std::int32_t b;
    std::int64_t moveCount;
    std::int64_t lowerBound;
  };
  std::vector<Row> rows_;
};

// One line on how the exact search ended for a test case, or nothing for
// the strategies that do not look for the optimum.
std::string optimalityNote(const TestCase& testCase, const SolverAnswer& answer);
