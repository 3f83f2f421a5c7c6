#include "bench_sections.h"

#include <array>

#include "common/number_line.h"
#include "gen/random_source.h"
#include "solve/blob_graph.h"
#include "solve/region_growth.h"
#include "solve/section_shaping.h"
#include "solve/solvers.h"

namespace {

constexpr std::uint64_t BENCH_SEED = 20240601;

std::vector<std::int32_t> solveStingy(const TestCase& grid) {
  const BlobGraph graph(grid);
  RegionGrowth game(graph, grid.b);
  std::vector<std::int32_t> moves;
  while (!game.finished()) {
    std::int32_t pick = 0;
    for (std::int32_t colour = 1; colour <= grid.b; ++colour) {
      const std::int64_t gain = game.gain(colour);
      if (gain > 0 && (pick == 0 || gain < game.gain(pick))) pick = colour;
    }
    game.play(pick);
    moves.push_back(pick);
  }
  return moves;
}

}  // namespace

TestCase makeBenchGrid(std::size_t index, std::int32_t side, std::int32_t number) {
  const BenchGrid& grid = BENCH_GRIDS[index];
  RandomSource random(BENCH_SEED + index);
  return generateTestCase(grid.pattern, number, side, side, grid.b, random);
}

std::string_view answerName(Answer answer) {
  constexpr std::array<std::string_view, 3> NAMES = {"greedy", "padded", "stingy"};
  return NAMES[static_cast<std::size_t>(answer)];
}

std::vector<std::int32_t> answerMoves(const TestCase& grid, Answer answer) {
  switch (answer) {
    case Answer::Greedy:
      return solveGreedy(grid);
    case Answer::Padded: {
      const std::vector<std::int32_t> greedy = solveGreedy(grid);
      const std::int64_t cells = std::int64_t{grid.w} * grid.h;
      return padWithIdleMoves(grid, greedy, cells - static_cast<std::int64_t>(greedy.size()));
    }
    case Answer::Stingy:
      return solveStingy(grid);
  }
  return {};
}

BorderWalkForecast foretellBorderWalk(const TestCase& grid, const std::vector<std::int32_t>& moves,
                                      std::int64_t budget) {
  const std::vector<std::int64_t> borders = borderSizes(grid, moves);
  BorderWalkForecast forecast;
  forecast.movesWithinBudget = moves.size();
  std::int64_t frontiers = 1;  // the top-left cell is the first step's frontier
  for (std::size_t move = 0; move < moves.size(); ++move) {
    if (frontiers >= budget && forecast.movesWithinBudget == moves.size()) forecast.movesWithinBudget = move;
    frontiers += borders[move];
  }
  // Every cell but the top-left one enters a work list once, when it is flooded.
  forecast.work = frontiers + static_cast<std::int64_t>(grid.w) * grid.h - 1;
  return forecast;
}

std::string sectionLines(const std::vector<std::int32_t>& moves) {
  std::string text;
  appendNumberLine(text, std::array{static_cast<std::int32_t>(moves.size())});
  appendNumberLine(text, moves);
  return text;
}
