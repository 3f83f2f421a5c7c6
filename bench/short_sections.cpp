#include "short_sections.h"

#include <algorithm>

namespace {

TestCase emptyGrid(std::int32_t side, std::int32_t number, std::int32_t b) {
  TestCase grid;
  grid.number = number;
  grid.w = side;
  grid.h = side;
  grid.b = b;
  grid.cells.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 1);
  return grid;
}

}  // namespace

TestCase uniformGrid(std::int32_t side, std::int32_t number) { return emptyGrid(side, number, 100); }

TestCase spineGrid(std::int32_t side, std::int32_t number) {
  TestCase grid = emptyGrid(side, number, 3);
  for (std::int32_t y = 1; y < side; ++y) {
    for (std::int32_t x = 1; x < side; x += 2) grid.cell(x, y) = y % 2 == 1 ? 2 : 3;
  }
  return grid;
}

TestCase rowSpineGrid(std::int32_t side, std::int32_t number) {
  TestCase grid = emptyGrid(side, number, 3);
  for (std::int32_t y = 0; y < side; ++y) {
    for (std::int32_t x = 0; x < side; ++x) grid.cell(x, y) = y % 2 == 0 || x == 0 ? 3 : 1 + x % 2;
  }
  return grid;
}

std::vector<std::vector<std::int32_t>> twoMoveSections(std::int32_t count) {
  std::vector<std::vector<std::int32_t>> sections;
  sections.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) sections.push_back({i / 100 % 100 + 1, i % 100 + 1});
  return sections;
}

std::vector<std::vector<std::int32_t>> spineSections(std::int32_t count) {
  std::vector<std::vector<std::int32_t>> sections;
  // Every sequence of each length in turn, read as a number in base 3.
  for (std::int32_t length = 2; static_cast<std::int32_t>(sections.size()) < count && length <= 8; ++length) {
    std::int32_t sequences = 1;
    for (std::int32_t i = 0; i < length; ++i) sequences *= 3;
    for (std::int32_t code = 0; code < sequences && static_cast<std::int32_t>(sections.size()) < count;
         ++code) {
      std::vector<std::int32_t> moves;
      for (std::int32_t rest = code, i = 0; i < length; ++i, rest /= 3) moves.push_back(rest % 3 + 1);
      if (std::count(moves.begin(), moves.end(), 2) > 0 && std::count(moves.begin(), moves.end(), 3) > 0)
        sections.push_back(moves);
    }
  }
  return sections;
}
