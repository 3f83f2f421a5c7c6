#include "border_walk_replay.h"

#include <string>

#include "check/assertion.h"
#include "submission/replay_failures.h"

namespace {

struct Direction {
  std::int32_t dx;
  std::int32_t dy;
};

// Right, left, up, down: the order fixes the order of the frontier.
constexpr Direction DIRECTIONS[4] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};

constexpr std::int32_t FLOODED = -1;

}  // namespace

void BorderWalkSolution::replayAndCheck(std::int32_t testCaseNumber, const TestCase& answered,
                                        std::vector<std::int32_t> sectionMoves) {
  setUp(testCaseNumber, answered, std::move(sectionMoves));
  playInitialFlood();
  for (std::size_t turn = 1; turn <= moves.size(); ++turn) playMove(turn);
  checkFlooded();
  moveCount = static_cast<std::int32_t>(moves.size());
}

void BorderWalkSolution::setUp(std::int32_t testCaseNumber, const TestCase& answered,
                               std::vector<std::int32_t> sectionMoves) {
  number = testCaseNumber;
  testCase = &answered;
  w = answered.w;
  h = answered.h;
  b = answered.b;
  moveCount = -1;
  moves = std::move(sectionMoves);
  cells = answered.cells;
  walked_ = 0;
}

void BorderWalkSolution::playInitialFlood() {
  std::int32_t& topLeft = cell(0, 0);
  const std::int32_t colour = topLeft;
  topLeft = FLOODED;
  frontier_.assign(1, 0);
  step(colour);
}

void BorderWalkSolution::playMove(std::size_t turn) {
  const std::int32_t colour = moves[turn - 1];
  if (colour < 1 || colour > b) {
    failBadColour(static_cast<std::int32_t>(turn), b, colour);
  }
  step(colour);
}

void BorderWalkSolution::step(std::int32_t colour) {
  std::vector<std::int32_t> work(frontier_);  // a fresh copy in every step
  frontier_.clear();
  for (std::size_t position = 0; position < work.size(); ++position) {
    const std::int32_t p = work[position];
    const std::int32_t x = p % w;
    const std::int32_t y = p / w;
    if (cell(x, y) != FLOODED) failInternalCheck(Check::WaitingCellOutOfPlace);
    bool border = false;
    for (const Direction direction : DIRECTIONS) {
      const std::int32_t nx = x + direction.dx;
      const std::int32_t ny = y + direction.dy;
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
      std::int32_t& neighbour = cell(nx, ny);
      if (neighbour == colour) {
        work.push_back(ny * w + nx);
        neighbour = FLOODED;
      } else if (neighbour != FLOODED) {
        border = true;
      }
    }
    if (border) frontier_.push_back(p);
  }
  walked_ += static_cast<std::int64_t>(work.size());
}

void BorderWalkSolution::checkFlooded() {
  for (std::int32_t y = 0; y < h; ++y) {
    for (std::int32_t x = 0; x < w; ++x) {
      if (cell(x, y) != cell(0, 0)) {
        failUnflooded(x, y);
      }
    }
  }
}

std::int32_t& BorderWalkSolution::cell(std::int32_t x, std::int32_t y) {
  if (testCase == nullptr || x < 0 || y < 0) failInternalCheck(Check::SolutionCellBelowGrid);
  if (x >= testCase->w || y >= testCase->h) failInternalCheck(Check::SolutionCellBeyondGrid);
  return cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(testCase->w) +
               static_cast<std::size_t>(x)];
}
