#include <gtest/gtest.h>

#include "gen/test_set_generator.h"
#include "solve/blob_graph.h"
#include "solve/region_growth.h"
#include "solve/solvers.h"
#include "support/tool_evaluation.h"

namespace {

constexpr Strategy STRATEGIES[] = {Strategy::Greedy, Strategy::Lookahead, Strategy::Beam, Strategy::Exact};

// The yardstick: colours 1, 2, ..., b in turn until the grid is flooded,
// moves that flood nothing included.
std::size_t roundRobinMoveCount(const TestCase& testCase) {
  const BlobGraph graph(testCase);
  RegionGrowth game(graph, testCase.b);
  std::size_t moves = 0;
  for (std::int32_t colour = 1; !game.finished(); colour = colour % testCase.b + 1) {
    game.play(colour);
    ++moves;
  }
  return moves;
}

GeneratorSettings smallMixedSet(std::uint64_t seed) { return everyPatternSettings(seed, 40, 30); }

// The generator's file passes the evaluator's reader, and every strategy's
// submission gets "OK" with exactly the move counts the solver produced. The
// searches run narrow and short here, so that the run stays quick.
TEST(SolverProperty, EvaluatorAcceptsEverySolutionOfEveryPattern) {
  SearchLimits limits;
  limits.beamWidth = 20;
  limits.seconds = 0.05;
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    const TestSet testSet = generateTestSet(smallMixedSet(seed));
    for (const Strategy strategy : STRATEGIES) {
      const bool searches = strategy == Strategy::Beam || strategy == Strategy::Exact;
      if (searches && seed > 10) continue;
      std::vector<Section> sections;
      for (const TestCase& testCase : testSet) {
        const SolverAnswer answer = solve(testCase, strategy, limits);
        EXPECT_LE(static_cast<std::size_t>(answer.lowerBound), answer.moves.size());
        EXPECT_EQ(answer.optimality == Optimality::NotSought, strategy != Strategy::Exact);
        sections.push_back({testCase.number, answer.moves});
      }
      ASSERT_EQ(evaluatorReport(testSet, sections), okReport(sections))
          << "seed " << seed << ", strategy " << strategyName(strategy);
    }
  }
}

// Sections in any order, and a test case answered twice, as the solver's
// writer lays them out.
TEST(SolverProperty, SectionsInAnyOrderAreEachAccepted) {
  const TestSet testSet = generateTestSet(smallMixedSet(99));
  std::vector<Section> sections;
  for (auto it = testSet.rbegin(); it != testSet.rend(); ++it)
    sections.push_back({it->number, solveGreedy(*it)});
  sections.push_back({1, solveGreedy(testSet.front())});
  EXPECT_EQ(evaluatorReport(testSet, sections), okReport(sections));
}

// The greedy strategy is never worse than a fixed round-robin on these pinned
// cases, and the lookahead keeps the greedy answer where that is shorter.
TEST(SolverProperty, GreedyNeverWorseThanRoundRobinLookaheadNeverWorseThanGreedy) {
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    for (const TestCase& testCase : generateTestSet(smallMixedSet(seed))) {
      const auto greedy = solveGreedy(testCase).size();
      EXPECT_LE(greedy, roundRobinMoveCount(testCase)) << "seed " << seed << ", case " << testCase.number;
      EXPECT_LE(solveLookahead(testCase).size(), greedy) << "seed " << seed << ", case " << testCase.number;
    }
  }
}

// Hand-checked answers: the greedy choice, its tie to the lowest colour, and
// the grids that need no move at all.
TEST(Solvers, HandCheckedGrids) {
  auto expectGreedy = [](const char* name, const TestCase& grid, const std::vector<std::int32_t>& moves) {
    EXPECT_EQ(solveGreedy(grid), moves) << name;
    EXPECT_EQ(evaluatorReport({grid}, {{1, moves}}), okReport({{1, moves}})) << name;
  };
  expectGreedy("one cell", {1, 1, 1, 5, {4}}, {});
  expectGreedy("one colour", {1, 3, 2, 2, {2, 2, 2, 2, 2, 2}}, {});
  // The move 2 floods three cells, then 1 the right column.
  expectGreedy("corner", {1, 3, 2, 2, {1, 2, 1, 2, 2, 1}}, {2, 1});
  // The corner cell of colour 1 touches the region only diagonally.
  expectGreedy("diagonal", {1, 2, 2, 2, {1, 2, 2, 1}}, {2, 1});
  expectGreedy("row", {1, 5, 1, 3, {1, 3, 3, 2, 2}}, {3, 2});
  // One cell of 3 against one of 2: the tie goes to 2; then 1 against 3.
  expectGreedy("ties", {1, 2, 2, 3, {1, 3, 2, 1}}, {2, 1, 3});
}

}  // namespace
