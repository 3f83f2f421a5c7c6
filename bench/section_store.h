#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench_sections.h"
#include "testset/test_case.h"

// One benchmark section: a grid, an answer to it and what the baseline's
// cost can be foretold from.
struct BenchSection {
  const TestCase* grid = nullptr;
  std::vector<std::int32_t> moves;
  std::string lines;           // the count line and the sequence line
  std::string_view movesLine;  // the sequence line within `lines`
  // The work list entries that the border walk walks for the whole section:
  // before each move the border, and every cell once as it is flooded.
  std::int64_t borderWalkWork = 0;
  // The moves that the border walk plays in a benchmark: all, or the
  // shortest prefix whose work reaches the budget.
  std::size_t borderWalkMoves = 0;
};

// Builds grids and sections on first use, so that a filtered run builds only
// what it replays, and keeps them for the repetitions.
class SectionStore {
 public:
  SectionStore(std::int32_t side, std::int64_t borderWalkBudget) : side_(side), budget_(borderWalkBudget) {}

  const TestCase& grid(std::size_t index);
  const BenchSection& section(std::size_t index, Answer answer);

 private:
  std::int32_t side_;
  std::int64_t budget_;
  std::map<std::size_t, std::unique_ptr<TestCase>> grids_;
  std::map<std::pair<std::size_t, Answer>, std::unique_ptr<BenchSection>> sections_;
};
