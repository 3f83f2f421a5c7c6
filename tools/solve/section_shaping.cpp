#include "solve/section_shaping.h"

#include <algorithm>
#include <iterator>

#include "solve/blob_graph.h"
#include "solve/region_growth.h"

namespace {

// Counts the border as cells are flooded one by one: each flooded cell keeps
// the number of its unflooded neighbours.
class BorderCount {
 public:
  explicit BorderCount(const TestCase& testCase)
      : w_(testCase.w), h_(testCase.h), open_(testCase.cells.size(), NOT_FLOODED) {}

  void flood(std::int32_t index) {
    const std::int32_t x = index % w_;
    const std::int32_t y = index / w_;
    std::int8_t openSides = 0;
    auto look = [&](bool inside, std::int32_t neighbour) {
      if (!inside) return;
      std::int8_t& other = open_[static_cast<std::size_t>(neighbour)];
      if (other == NOT_FLOODED) {
        ++openSides;
      } else if (--other == 0) {
        --size_;
      }
    };
    look(x + 1 < w_, index + 1);
    look(x > 0, index - 1);
    look(y > 0, index - w_);
    look(y + 1 < h_, index + w_);
    open_[static_cast<std::size_t>(index)] = openSides;
    if (openSides > 0) ++size_;
  }

  std::int64_t size() const { return size_; }

 private:
  static constexpr std::int8_t NOT_FLOODED = -1;
  std::int32_t w_;
  std::int32_t h_;
  std::vector<std::int8_t> open_;  // a flooded cell's unflooded neighbours
  std::int64_t size_ = 0;
};

}  // namespace

std::vector<std::int64_t> borderSizes(const TestCase& testCase, const std::vector<std::int32_t>& moves) {
  const BlobGraph graph(testCase);
  RegionGrowth game(graph, testCase.b);
  BorderCount border(testCase);
  std::vector<std::int64_t> sizes;
  sizes.reserve(moves.size() + 1);
  auto record = [&] {
    for (const std::int32_t blob : game.lastFlooded()) {
      for (const std::int32_t cell : graph.cells(blob)) border.flood(cell);
    }
    sizes.push_back(border.size());
  };
  record();
  for (const std::int32_t colour : moves) {
    game.play(colour);
    record();
  }
  return sizes;
}

std::vector<std::int32_t> padWithIdleMoves(const TestCase& testCase, const std::vector<std::int32_t>& moves,
                                           std::int64_t idleCount) {
  if (idleCount <= 0) return moves;
  const std::vector<std::int64_t> sizes = borderSizes(testCase, moves);
  const auto step = std::distance(sizes.begin(), std::max_element(sizes.begin(), sizes.end()));
  const std::int32_t regionColour = step == 0 ? testCase.cells[0] : moves[static_cast<std::size_t>(step - 1)];
  std::vector<std::int32_t> padded(moves.begin(), moves.begin() + step);
  padded.insert(padded.end(), static_cast<std::size_t>(idleCount), regionColour);
  padded.insert(padded.end(), moves.begin() + step, moves.end());
  return padded;
}

std::vector<std::int32_t> shapeSection(const TestCase& testCase, std::vector<std::int32_t> moves,
                                       const SectionShape& shape) {
  const std::int64_t room = std::int64_t{testCase.w} * testCase.h - static_cast<std::int64_t>(moves.size());
  moves = padWithIdleMoves(testCase, moves, std::min(shape.idleMoves, room));
  const auto kept = [&](std::int64_t count) {
    return static_cast<std::size_t>(
        std::clamp<std::int64_t>(count, 0, static_cast<std::int64_t>(moves.size())));
  };
  moves.resize(kept(static_cast<std::int64_t>(moves.size()) - shape.dropLast));
  if (shape.stopAfter) moves.resize(kept(*shape.stopAfter));
  return moves;
}
