#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gen/pattern.h"
#include "testset/test_case.h"

// The grids that the benchmarks replay: the patterns that stress a replay,
// each with its own colours and seed, so every run replays the same grids.
struct BenchGrid {
  std::string_view name;
  Pattern pattern;
  std::int32_t b;
};

inline constexpr BenchGrid BENCH_GRIDS[] = {
    {"random-2", Pattern::Uniform, 2},
    {"random-6", Pattern::Uniform, 6},
    {"random-20", Pattern::Uniform, 20},
    {"random-100", Pattern::Uniform, 100},
    {"clustered", Pattern::Clustered, 6},
    {"stripes", Pattern::Stripes, 6},
    {"checkerboard", Pattern::Checkerboard, 2},
    {"serpentine", Pattern::Serpentine, 3},
    {"holes", Pattern::Holes, 6},
    {"comb", Pattern::Comb, 4},
};

// The grid of BENCH_GRIDS[index], side x side cells, as test case `number`.
TestCase makeBenchGrid(std::size_t index, std::int32_t side, std::int32_t number);

// The ways a benchmark section answers its grid.
enum class Answer {
  Greedy,  // the reference solver's greedy answer
  Padded,  // the greedy answer padded with idle moves to w * h moves, where the border is largest
  Stingy,  // always the colour that floods the fewest cells but some: the longest answer
           // without idle moves (one cell per move along the comb's corridor)
};

std::string_view answerName(Answer answer);

std::vector<std::int32_t> answerMoves(const TestCase& grid, Answer answer);

// What the border walk will cost on a section that floods the whole grid, in
// work list entries: before each step the region's border, and every cell
// once as it is flooded. Also the fewest moves whose border alone reaches
// `budget` (all the moves if they never do).
struct BorderWalkForecast {
  std::int64_t work = 0;
  std::size_t movesWithinBudget = 0;
};

BorderWalkForecast foretellBorderWalk(const TestCase& grid, const std::vector<std::int32_t>& moves,
                                      std::int64_t budget);

// The count line and the sequence line of a section, as the submission holds them.
std::string sectionLines(const std::vector<std::int32_t>& moves);
