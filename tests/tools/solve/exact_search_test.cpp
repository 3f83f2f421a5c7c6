#include "solve/exact_search.h"

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <set>
#include <utility>

#include "gen/random_source.h"
#include "gen/test_set_generator.h"
#include "solve/blob_graph.h"
#include "solve/blob_set.h"
#include "solve/state_beam.h"
#include "solve/state_probe.h"
#include "support/tool_evaluation.h"

namespace {

// The fewest moves that flood the grid from the region `flooded` (one flag
// per cell), found breadth first over every colour at every step on the
// cells themselves: no blobs, no bound, nothing shared with the solver.
std::int32_t bruteForceOptimum(const TestCase& grid, std::vector<bool> flooded) {
  auto play = [&grid](std::vector<bool> region, std::int32_t colour) {
    std::vector<std::int32_t> stack;
    for (std::int32_t cell = 0; cell < static_cast<std::int32_t>(region.size()); ++cell) {
      if (region[static_cast<std::size_t>(cell)]) stack.push_back(cell);
    }
    while (!stack.empty()) {
      const std::int32_t cell = stack.back();
      stack.pop_back();
      const std::int32_t x = cell % grid.w;
      const std::int32_t y = cell / grid.w;
      const std::pair<bool, std::int32_t> around[] = {{x > 0, cell - 1},
                                                      {x + 1 < grid.w, cell + 1},
                                                      {y > 0, cell - grid.w},
                                                      {y + 1 < grid.h, cell + grid.w}};
      for (const auto& [inside, next] : around) {
        const auto at = static_cast<std::size_t>(next);
        if (inside && !region[at] && grid.cells[at] == colour) {
          region[at] = true;
          stack.push_back(next);
        }
      }
    }
    return region;
  };
  std::map<std::vector<bool>, std::int32_t> moves{{flooded, 0}};
  std::queue<std::vector<bool>> next;
  next.push(flooded);
  while (!next.empty()) {
    const std::vector<bool> region = next.front();
    next.pop();
    if (std::all_of(region.begin(), region.end(), [](bool cell) { return cell; })) return moves[region];
    for (std::int32_t colour = 1; colour <= grid.b; ++colour) {
      std::vector<bool> after = play(region, colour);
      if (moves.emplace(after, moves[region] + 1).second) next.push(std::move(after));
    }
  }
  return -1;
}

// The start region: the top-left cell's blob, as cell flags and as blob bits.
std::vector<bool> cellsOf(const TestCase& grid, const BlobGraph& graph, std::span<const BlobWord> blobs) {
  std::vector<bool> cells(grid.cells.size(), false);
  forEachBlob(blobs, [&](std::int32_t blob) {
    for (const std::int32_t cell : graph.cells(blob)) cells[static_cast<std::size_t>(cell)] = true;
  });
  return cells;
}

TestSet tinyBoards(std::uint64_t seed, std::int32_t maxColours = 4) {
  GeneratorSettings settings;
  settings.caseCount = 7;
  settings.width = {1, 5};
  settings.height = {1, 5};
  settings.colours = {1, maxColours};
  settings.patterns = {ALL_PATTERNS.begin(), ALL_PATTERNS.end()};
  settings.seed = seed;
  return generateTestSet(settings);
}

// `count` square boards of `side` cells a side, of every pattern in turn.
TestSet squareBoards(std::int32_t side, SizeRange colours, std::int32_t count) {
  GeneratorSettings settings;
  settings.caseCount = count;
  settings.width = {side, side};
  settings.height = {side, side};
  settings.colours = colours;
  settings.patterns = {ALL_PATTERNS.begin(), ALL_PATTERNS.end()};
  settings.seed = static_cast<std::uint64_t>(side);
  return generateTestSet(settings);
}

// The bounds hold at the start and after random moves: they never exceed
// the brute-force optimum from the state they judge, and the colour rounds,
// which the exact search ranks by, drop by at most one a move.
TEST(LowerBound, NeverExceedsTheBruteForceOptimum) {
  RandomSource random(5);
  for (std::uint64_t seed = 1; seed <= 80; ++seed) {
    for (const TestCase& grid : tinyBoards(seed, seed <= 40 ? 4 : 7)) {
      const BlobGraph graph(grid);
      StateProbe probe(graph, grid.b);
      StateProbe unmasked(graph, grid.b, 0);  // the walk of large graphs, on edges
      std::vector<BlobWord> flooded(blobWords(graph.blobCount()), 0);
      addBlob(flooded, 0);
      std::int32_t before = -1;  // the colour rounds of the state before the last move
      for (std::int32_t step = 0; step < 4; ++step) {
        const std::int32_t optimum = bruteForceOptimum(grid, cellsOf(grid, graph, flooded));
        ASSERT_LE(probe.distanceBound(flooded), optimum) << "seed " << seed << ", case " << grid.number;
        const std::int32_t rounds = probe.colourRoundsBound(flooded);
        ASSERT_LE(rounds, optimum) << "seed " << seed << ", case " << grid.number;
        ASSERT_EQ(unmasked.colourRoundsBound(flooded), rounds) << "seed " << seed << ", case " << grid.number;
        // Consistent too: one move takes at most one off it.
        ASSERT_GE(rounds, before - 1) << "seed " << seed << ", case " << grid.number;
        before = rounds;
        probe.collectMoves(flooded);
        unmasked.collectMoves(flooded);
        const auto colour = static_cast<std::int32_t>(random.between(1, grid.b));
        for (const std::int32_t blob : probe.waiting(colour)) addBlob(flooded, blob);
        // From the parent's frontier, the same bound as from the whole region.
        if (probe.gain(colour) > 0) {
          ASSERT_EQ(probe.colourRoundsBoundAfter(flooded, colour), probe.colourRoundsBound(flooded))
              << "seed " << seed << ", case " << grid.number;
          ASSERT_EQ(unmasked.colourRoundsBoundAfter(flooded, colour), probe.colourRoundsBound(flooded))
              << "seed " << seed << ", case " << grid.number;
          // Asked only whether it reaches a limit, it may stop short, but
          // only at or above the limit, never above the bound.
          const std::int32_t exact = probe.colourRoundsBound(flooded);
          for (std::int32_t enough = 0; enough <= exact + 1; ++enough) {
            const std::int32_t stopped = probe.colourRoundsBoundAfter(flooded, colour, enough);
            ASSERT_TRUE(exact < enough ? stopped == exact : stopped >= enough && stopped <= exact)
                << "seed " << seed << ", case " << grid.number << ", limit " << enough;
          }
        }
      }
    }
  }
}

// Larger boards, up to the largest graph kept as masks and just past it:
// along random games, the probe on masks finds the same moves, the same
// deferrable and commuting ones, and the same bounds as the walk on edges
// that large graphs take.
TEST(LowerBound, MasksAgreeWithEdgesAtEveryWidth) {
  RandomSource random(11);
  std::set<std::size_t> widths;
  for (std::int32_t side = 6; side <= 30; side += 2) {
    for (const TestCase& grid : squareBoards(side, {3, 10}, 3)) {
      const BlobGraph graph(grid);
      widths.insert(blobWords(graph.blobCount()));
      StateProbe masked(graph, grid.b);
      StateProbe unmasked(graph, grid.b, 0);
      std::vector<BlobWord> flooded(blobWords(graph.blobCount()), 0);
      addBlob(flooded, 0);
      const auto where = [&] {
        return "side " + std::to_string(side) + ", case " + std::to_string(grid.number);
      };
      std::vector<BlobWord> parent;
      std::int32_t previous = 0;
      for (std::int32_t step = 0; step < 12; ++step) {
        ASSERT_EQ(masked.colourRoundsBound(flooded), unmasked.colourRoundsBound(flooded)) << where();
        masked.collectMoves(flooded);
        unmasked.collectMoves(flooded);
        for (std::int32_t colour = 1; colour <= grid.b; ++colour) {
          ASSERT_TRUE(std::ranges::equal(masked.waiting(colour), unmasked.waiting(colour))) << where();
          if (masked.gain(colour) == 0) continue;
          ASSERT_EQ(masked.isDeferrable(flooded, colour), unmasked.isDeferrable(flooded, colour)) << where();
          if (previous != 0) {
            ASSERT_EQ(masked.commutes(parent, flooded, colour, previous),
                      unmasked.commutes(parent, flooded, colour, previous))
                << where();
          }
        }
        const auto colour = static_cast<std::int32_t>(random.between(1, grid.b));
        if (masked.gain(colour) == 0) continue;
        std::vector<BlobWord> child = flooded;
        for (const std::int32_t blob : masked.waiting(colour)) addBlob(child, blob);
        for (const std::int32_t enough : {StateProbe::NO_LIMIT, 3}) {
          ASSERT_EQ(masked.lowerBoundAfter(child, colour, enough),
                    unmasked.lowerBoundAfter(child, colour, enough))
              << where();
        }
        parent = std::exchange(flooded, child);
        previous = colour;
      }
    }
  }
  EXPECT_GE(widths.size(), StateProbe::MASKED_WORDS + 1);  // every width of masks, and beyond
}

// Where the probe says two moves in a row commute, the other order reaches
// the same region: the exact search searches only one of them.
TEST(StateProbe, CommutingMovesReachOneRegion) {
  RandomSource random(9);
  std::int32_t commuting = 0;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    for (const TestCase& grid : tinyBoards(seed, 7)) {
      const BlobGraph graph(grid);
      StateProbe probe(graph, grid.b);
      const auto play = [&probe](std::vector<BlobWord> region, std::int32_t colour) {
        probe.collectMoves(region);
        for (const std::int32_t blob : probe.waiting(colour)) addBlob(region, blob);
        return region;
      };
      std::vector<BlobWord> parent(blobWords(graph.blobCount()), 0);
      addBlob(parent, 0);
      for (std::int32_t step = 0; step < 3; ++step) {
        const auto previous = static_cast<std::int32_t>(random.between(1, grid.b));
        const std::vector<BlobWord> flooded = play(parent, previous);
        for (std::int32_t colour = 1; colour <= grid.b; ++colour) {
          probe.collectMoves(flooded);
          if (colour == previous || probe.gain(colour) == 0 ||
              !probe.commutes(parent, flooded, colour, previous))
            continue;
          ++commuting;
          EXPECT_EQ(play(flooded, colour), play(play(parent, colour), previous))
              << "seed " << seed << ", case " << grid.number;
        }
        parent = flooded;
      }
    }
  }
  EXPECT_GT(commuting, 1000);  // the rule is met often enough to matter
}

// Hand-checked bounds: the farthest blob, and the colours still to clear.
TEST(LowerBound, CountsDistanceAndColoursLeft) {
  struct Case {
    const char* name;
    TestCase grid;
    std::int32_t bound;
  };
  const Case cases[] = {
      {"flooded", {1, 2, 1, 3, {2, 2}}, 0},
      // A row 1 2 3 4: blob 4 is three steps away.
      {"row", {1, 4, 1, 4, {1, 2, 3, 4}}, 3},
      // Rows 1 2 / 3 4: three colours touch the region, each its own move.
      {"square", {1, 2, 2, 4, {1, 2, 3, 4}}, 3},
      // A row 1 2 1 2 1: two steps, and both colours wait at the far end.
      {"alternating", {1, 5, 1, 2, {1, 2, 1, 2, 1}}, 4},
  };
  for (const Case& c : cases) {
    const BlobGraph graph(c.grid);
    std::vector<BlobWord> flooded(blobWords(graph.blobCount()), 0);
    addBlob(flooded, 0);
    EXPECT_EQ(StateProbe(graph, c.grid.b).distanceBound(flooded), c.bound) << c.name;
  }
}

// A* proves the brute-force optimum, starting from a longer answer, and its
// answer is one the evaluator accepts.
// On 2,100 boards, so that the searches' reductions (the forced colour, the
// deferrable move) meet every small shape.
TEST(ExactSearch, EqualsTheBruteForceOptimum) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    const TestSet boards = tinyBoards(seed, seed <= 150 ? 4 : 7);
    std::vector<Section> sections;
    for (const TestCase& grid : boards) {
      const BlobGraph graph(grid);
      std::vector<BlobWord> start(blobWords(graph.blobCount()), 0);
      addBlob(start, 0);
      const std::int32_t optimum = bruteForceOptimum(grid, cellsOf(grid, graph, start));
      std::vector<std::int32_t> padded = stateBeamSearch(graph, grid.b, 1, SearchDeadline());
      padded.insert(padded.begin(), 2, grid.cells[0]);  // two idle moves: surely not optimal
      // Holding children back from the start, as when memory is scarce, it
      // proves the same optimum.
      for (const double holdBackShare : {0.5, 0.0}) {
        const ExactOutcome outcome =
            exactSearch(graph, grid.b, padded, SearchDeadline(), 1 << 24, holdBackShare);
        EXPECT_TRUE(outcome.proven) << "seed " << seed << ", case " << grid.number;
        EXPECT_EQ(static_cast<std::int32_t>(outcome.moves.size()), optimum) << "seed " << seed;
        EXPECT_EQ(outcome.lowerBound, optimum) << "seed " << seed;
        if (holdBackShare == 0.0) sections.push_back({grid.number, outcome.moves});
      }
    }
    EXPECT_EQ(evaluatorReport(boards, sections), okReport(sections)) << "seed " << seed;
  }
}

// On boards of several words of blobs, too large for the brute force:
// holding children back from the start proves the same optimum as keeping
// them all, and the evaluator accepts the answer.
TEST(ExactSearch, HoldingChildrenBackProvesTheSameOptimum) {
  const struct {
    std::int32_t side;
    std::int32_t colours;
  } shapes[] = {{10, 6}, {12, 5}, {13, 6}, {14, 4}};
  for (const auto& shape : shapes) {
    const TestSet boards = squareBoards(shape.side, {shape.colours, shape.colours}, 1);  // uniform colours
    const TestCase& grid = boards.front();
    const BlobGraph graph(grid);
    const std::vector<std::int32_t> beam = stateBeamSearch(graph, grid.b, 4, SearchDeadline());
    const ExactOutcome kept = exactSearch(graph, grid.b, beam, SearchDeadline(), 1 << 28);
    const ExactOutcome held = exactSearch(graph, grid.b, beam, SearchDeadline(), 1 << 28, 0.0);
    const std::string where = std::to_string(shape.side) + " x " + std::to_string(shape.side);
    ASSERT_TRUE(kept.proven && held.proven) << where;
    EXPECT_EQ(held.moves.size(), kept.moves.size()) << where;
    EXPECT_GT(blobWords(graph.blobCount()), 1U) << where;
    const std::vector<Section> sections{{grid.number, held.moves}};
    EXPECT_EQ(evaluatorReport(boards, sections), okReport(sections)) << where;
  }
}

// Out of memory at once, or on a graph of more blobs than its nodes count
// moves, it keeps the known answer and a bound that holds.
TEST(ExactSearch, KeepsTheKnownAnswerWhenItCannotFinish) {
  const TestCase small{1, 4, 4, 3, {1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 1}};
  TestCase checkerboard{1, 200, 200, 2, std::vector<std::int32_t>(200 * 200)};
  for (std::size_t cell = 0; cell < checkerboard.cells.size(); ++cell) {
    checkerboard.cells[cell] = 1 + static_cast<std::int32_t>((cell % 200 + cell / 200) % 2);
  }
  std::vector<std::int32_t> diagonals(398);  // each move floods the next diagonal
  for (std::size_t move = 0; move < diagonals.size(); ++move)
    diagonals[move] = 2 - static_cast<std::int32_t>(move % 2);
  const struct {
    const char* name;
    const TestCase& grid;
    std::vector<std::int32_t> known;
    std::size_t memoryBytes;
    std::int32_t optimum;
  } cases[] = {
      {"no memory", small, {2, 3, 1, 2, 3, 1, 2, 3}, 0, 6},
      {"40,000 blobs", checkerboard, diagonals, std::size_t{1} << 24, 398},
  };
  for (const auto& c : cases) {
    const BlobGraph graph(c.grid);
    const ExactOutcome outcome = exactSearch(graph, c.grid.b, c.known, SearchDeadline(), c.memoryBytes);
    EXPECT_FALSE(outcome.proven) << c.name;
    EXPECT_EQ(outcome.moves, c.known) << c.name;
    EXPECT_LE(outcome.lowerBound, c.optimum) << c.name;
  }
  EXPECT_EQ(bruteForceOptimum(small, cellsOf(small, BlobGraph(small), std::vector<BlobWord>{1})), 6);
}

}  // namespace
