#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "testset/test_case.h"

// The solver's summary for organisers: one row per test case with its size
// and the number of moves of its section, and the total.
class MoveTable {
 public:
  void add(const TestCase& testCase, std::int64_t moveCount);
  std::string text() const;

 private:
  struct Row {
    std::int32_t number;
    std::int32_t w;
    std::int32_t h;
    std::int32_t b;
    std::int64_t moveCount;
  };
  std::vector<Row> rows_;
};
