// The evaluator's replay against the border-walk baseline of the benchmarks,
// on thousands of small random sections: the same verdict, the same flooded
// cells after every move, and a baseline whose work the benchmark foretells.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bench_sections.h"
#include "border_walk_replay.h"
#include "check/assertion.h"
#include "gen/random_source.h"
#include "minimal_flood.h"
#include "solve/solvers.h"
#include "submission/first_flood.h"
#include "submission/framed_grid.h"
#include "submission/solution.h"
#include "view_stream.h"

namespace {

TestCase randomGrid(RandomSource& random) {
  const Pattern pattern = ALL_PATTERNS[random.below(ALL_PATTERNS.size())];
  const std::int32_t w = random.between(1, 9);
  const std::int32_t h = random.between(1, 9);
  const std::int32_t b = random.between(1, 6);
  return generateTestCase(pattern, 1, w, h, b, random);
}

// Moves of every kind: a finished answer, one with idle moves mixed in, one
// cut short, and noise that may hold colours 0 and b + 1.
std::vector<std::int32_t> randomMoves(const TestCase& grid, RandomSource& random) {
  std::vector<std::int32_t> moves = solveGreedy(grid);
  const std::int64_t cells = std::int64_t{grid.w} * grid.h;
  switch (random.below(4)) {
    case 0:
      break;
    case 1:
      while (static_cast<std::int64_t>(moves.size()) < cells && random.chance(0.7)) {
        const auto at = static_cast<std::ptrdiff_t>(random.below(moves.size() + 1));
        moves.insert(moves.begin() + at, at == 0 ? grid.cells[0] : moves[static_cast<std::size_t>(at - 1)]);
      }
      break;
    case 2:
      moves.resize(random.below(moves.size() + 1));
      break;
    default:
      moves.assign(random.below(static_cast<std::uint64_t>(cells) + 1), 0);
      for (std::int32_t& colour : moves)
        colour = random.chance(0.03) ? random.between(0, 1) * (grid.b + 1) : random.between(1, grid.b);
      break;
  }
  return moves;
}

// "OK <moveCount>" or "[<check line>] <message>".
template <typename Check>
std::string verdictOf(Check check) {
  try {
    return "OK " + std::to_string(check());
  } catch (const EAssertion& failure) {
    return "[" + std::to_string(failure.line) + "] " + failure.message;
  }
}

std::string evaluatorVerdict(const TestCase& grid, const std::vector<std::int32_t>& moves) {
  return verdictOf([&] {
    const std::string lines = sectionLines(moves);
    ViewStream stream(lines);
    LineCounter lineCounter = 0;
    WorkingGrids grids;
    Solution solution;
    solution.readAndCheck(stream, lineCounter, grid.number, grid, grids);
    return solution.moveCount;
  });
}

std::string borderWalkVerdict(const TestCase& grid, const std::vector<std::int32_t>& moves) {
  return verdictOf([&] {
    BorderWalkSolution solution;
    solution.replayAndCheck(grid.number, grid, moves);
    return solution.moveCount;
  });
}

TEST(ReplayAgreement, SameVerdictOnRandomSections) {
  RandomSource random(7);
  int passed = 0;
  int badColour = 0;
  int unflooded = 0;
  for (int round = 0; round < 4000; ++round) {
    const TestCase grid = randomGrid(random);
    const std::vector<std::int32_t> moves = randomMoves(grid, random);
    const std::string verdict = evaluatorVerdict(grid, moves);
    ASSERT_EQ(verdict, borderWalkVerdict(grid, moves)) << "round " << round;
    passed += verdict.rfind("OK", 0) == 0;
    badColour += verdict.rfind("[169]", 0) == 0;
    unflooded += verdict.rfind("[190]", 0) == 0;
  }
  // Every verdict that the replay can give has been compared many times.
  EXPECT_GT(passed, 1000);
  EXPECT_GT(badColour, 200);
  EXPECT_GT(unflooded, 500);
}

// The framed grid of FloodReplay, unframed: true where a cell is flooded.
std::vector<bool> floodedCells(const std::vector<FloodCell>& framed, const TestCase& grid) {
  std::vector<bool> flooded;
  for (std::int32_t y = 0; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < grid.w; ++x) {
      flooded.push_back(framed[static_cast<std::size_t>(framedIndex(grid.w, x, y))] == FLOODED);
    }
  }
  return flooded;
}

std::vector<bool> floodedCells(const BorderWalkSolution& solution) {
  std::vector<bool> flooded;
  for (const std::int32_t cell : solution.cells) flooded.push_back(cell == -1);
  return flooded;
}

TEST(ReplayAgreement, SameFloodedCellsAfterEveryMove) {
  RandomSource random(11);
  FloodReplay replay;  // lent to every grid in turn, as to every section
  for (int round = 0; round < 1500; ++round) {
    const TestCase grid = randomGrid(random);
    std::vector<std::int32_t> moves(random.below(2 * static_cast<std::uint64_t>(grid.w) * grid.h + 1));
    for (std::int32_t& colour : moves) colour = random.between(1, grid.b);

    std::vector<FloodCell> framed = framedGrid(grid);
    BorderWalkSolution baseline;
    baseline.setUp(grid.number, grid, moves);
    replay.startFresh(framed, grid.w, grid.h, grid.b);
    baseline.playInitialFlood();
    ASSERT_EQ(floodedCells(framed, grid), floodedCells(baseline)) << "round " << round << ", first flood";
    for (std::size_t turn = 1; turn <= moves.size(); ++turn) {
      replay.play(moves[turn - 1]);
      baseline.playMove(turn);
      ASSERT_EQ(floodedCells(framed, grid), floodedCells(baseline)) << "round " << round << ", move " << turn;
    }
  }
}

std::int64_t floodedCount(const BorderWalkSolution& solution) {
  return std::count(solution.cells.begin(), solution.cells.end(), -1);
}

// The benchmark extrapolates the baseline by its work, so the forecast must
// be exact, and its prefix the shortest whose borders reach the budget.
TEST(ReplayAgreement, BorderWalkWorkIsForetoldExactly) {
  RandomSource random(13);
  for (int round = 0; round < 1000; ++round) {
    const TestCase grid = randomGrid(random);
    const std::vector<std::int32_t> moves =
        answerMoves(grid, random.chance(0.5) ? Answer::Greedy : Answer::Padded);
    const std::int64_t budget = random.between(1, 200);
    const BorderWalkForecast forecast = foretellBorderWalk(grid, moves, budget);

    BorderWalkSolution solution;
    solution.setUp(grid.number, grid, moves);
    solution.playInitialFlood();
    // borderWork[p]: the entries that steps 0 ... p walked for the borders,
    // all walked entries but the flooded cells (the top-left one is walked
    // as the first border).
    std::vector<std::int64_t> borderWork{solution.walkedEntries() - (floodedCount(solution) - 1)};
    for (std::size_t turn = 1; turn <= moves.size(); ++turn) {
      solution.playMove(turn);
      borderWork.push_back(solution.walkedEntries() - (floodedCount(solution) - 1));
    }
    ASSERT_EQ(forecast.work, solution.walkedEntries()) << "round " << round;
    const std::size_t prefix = forecast.movesWithinBudget;
    ASSERT_LE(prefix, moves.size());
    if (prefix < moves.size()) {
      EXPECT_GE(borderWork[prefix], budget) << "round " << round;
    }
    if (prefix > 0) {
      EXPECT_LT(borderWork[prefix - 1], budget) << "round " << round;
    }
  }
}

// The limit table's minimal flood does the replay's work and no less: from
// the top-left cell it reaches every cell, as the first flood and the moves
// of a finished section do; from the first flood's waiting cells, every cell
// the first flood left; and so in every flood, also past its stamps' wrap.
TEST(ReplayAgreement, MinimalFloodReachesTheCellsTheReplayFloods) {
  RandomSource random(17);
  for (int round = 0; round < 200; ++round) {
    const TestCase grid = randomGrid(random);
    const auto cells = static_cast<std::size_t>(grid.w) * static_cast<std::size_t>(grid.h);
    MinimalFlood whole(framedGrid(grid), grid.w);
    const FirstFlood first = computeFirstFlood(grid);
    MinimalFlood rest(first.cells, grid.w);
    const std::int32_t topLeft[1] = {framedIndex(grid.w, 0, 0)};
    for (int flood = 0; flood < 300; ++flood) {
      ASSERT_EQ(whole.flood(topLeft), cells) << "round " << round << ", flood " << flood;
      ASSERT_EQ(rest.flood(first.waiting), cells - static_cast<std::size_t>(first.floodedCount))
          << "round " << round << ", flood " << flood;
    }
  }
}

}  // namespace
