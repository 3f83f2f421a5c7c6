#include "gen/pattern.h"

#include <algorithm>

namespace {

constexpr std::array<std::string_view, ALL_PATTERNS.size()> PATTERN_NAMES = {
    "uniform", "clustered", "stripes", "comb", "serpentine", "checkerboard", "holes",
};

// A colour in 1 ... b other than `avoided` (b must be at least 2).
std::int32_t otherColour(RandomSource& random, std::int32_t b, std::int32_t avoided) {
  const std::int32_t colour = random.between(1, b - 1);
  return colour >= avoided ? colour + 1 : colour;
}

void paintUniform(TestCase& grid, RandomSource& random) {
  for (std::int32_t& colour : grid.cells) colour = random.between(1, grid.b);
}

void paintClustered(TestCase& grid, RandomSource& random, double probability) {
  for (std::int32_t y = 0; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < grid.w; ++x) {
      std::int32_t& colour = grid.cell(x, y);
      if ((x > 0 || y > 0) && random.chance(probability)) {
        const bool fromLeft = y == 0 || (x > 0 && random.below(2) == 0);
        colour = fromLeft ? grid.cell(x - 1, y) : grid.cell(x, y - 1);
      } else {
        colour = random.between(1, grid.b);
      }
    }
  }
}

void paintStripes(TestCase& grid, RandomSource& random, std::int32_t stripeWidth) {
  std::int32_t colour = random.between(1, grid.b);
  for (std::int32_t x = 0; x < grid.w; ++x) {
    if (x > 0 && x % stripeWidth == 0 && grid.b > 1) colour = otherColour(random, grid.b, colour);
    for (std::int32_t y = 0; y < grid.h; ++y) grid.cell(x, y) = colour;
  }
}

void paintCheckerboard(TestCase& grid, RandomSource& random) {
  const std::int32_t even = random.between(1, grid.b);
  const std::int32_t odd = grid.b > 1 ? otherColour(random, grid.b, even) : even;
  for (std::int32_t y = 0; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < grid.w; ++x) grid.cell(x, y) = (x + y) % 2 == 0 ? even : odd;
  }
}

void paintHoles(TestCase& grid, RandomSource& random, double density) {
  constexpr std::int32_t BACKGROUND = 1;
  std::fill(grid.cells.begin(), grid.cells.end(), BACKGROUND);
  if (grid.b == 1) return;
  for (std::int32_t y = 0; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < grid.w; ++x) {
      // A hole never touches another hole, and the top-left cell stays
      // background, so the first flood takes the whole background.
      const bool besideHole =
          (x > 0 && grid.cell(x - 1, y) != BACKGROUND) || (y > 0 && grid.cell(x, y - 1) != BACKGROUND);
      if ((x > 0 || y > 0) && !besideHole && random.chance(density)) {
        grid.cell(x, y) = random.between(2, grid.b);
      }
    }
  }
}

// The colours of a winding corridor: the walls, and the two colours that
// alternate along the corridor so that each step along it is a move of its own.
struct CorridorColours {
  std::int32_t wall;
  std::int32_t first;
  std::int32_t second;
};

// Paints columns left ... w - 1 as one corridor: even rows run the whole
// width, odd rows are wall but for one opening, at the right end and the
// left end by turns, so the corridor snakes down from (left, 0).
void paintCorridor(TestCase& grid, std::int32_t left, const CorridorColours& colours) {
  std::int32_t step = 0;
  auto pathCell = [&](std::int32_t x, std::int32_t y) {
    grid.cell(x, y) = step % 2 == 0 ? colours.first : colours.second;
    ++step;
  };
  for (std::int32_t y = 0; y < grid.h; ++y) {
    const bool rightward = (y / 2) % 2 == 0;
    if (y % 2 == 0) {
      for (std::int32_t i = left; i < grid.w; ++i) pathCell(rightward ? i : grid.w - 1 + left - i, y);
      continue;
    }
    for (std::int32_t x = left; x < grid.w; ++x) grid.cell(x, y) = colours.wall;
    pathCell(rightward ? grid.w - 1 : left, y);
  }
}

void paintSerpentine(TestCase& grid) {
  // Walls take the last colour; with fewer than three colours the corridor
  // cannot alternate and takes one colour.
  const std::int32_t b = grid.b;
  const CorridorColours colours{b, 1, b >= 3 ? 2 : 1};
  paintCorridor(grid, 0, colours);
}

// Left part: colour 1 as a spine along the top row with teeth down every even
// column, the gaps and the bottom row in colour 2, so every tooth cell borders
// an unflooded cell. Right part: a corridor whose walls are colour 2 too and
// whose cells alternate 3 and 4, so a move along it floods one cell while the
// border of the comb stays whole.
void paintComb(TestCase& grid) {
  std::fill(grid.cells.begin(), grid.cells.end(), 1);
  if (grid.b == 1) return;
  const std::int32_t combWidth = std::max(1, grid.w / 2);
  for (std::int32_t y = 1; y < grid.h; ++y) {
    for (std::int32_t x = 0; x < combWidth; ++x) {
      const bool tooth = x % 2 == 0 && y < grid.h - 1;
      if (!tooth) grid.cell(x, y) = 2;
    }
  }
  if (combWidth == grid.w) return;
  const CorridorColours colours{2, std::min(3, grid.b), std::min(4, grid.b)};
  paintCorridor(grid, combWidth, grid.b >= 3 ? colours : CorridorColours{2, 1, 1});
}

}  // namespace

std::string_view patternName(Pattern pattern) { return PATTERN_NAMES[static_cast<std::size_t>(pattern)]; }

std::optional<Pattern> patternByName(std::string_view name) {
  for (const Pattern pattern : ALL_PATTERNS) {
    if (patternName(pattern) == name) return pattern;
  }
  return std::nullopt;
}

TestCase generateTestCase(Pattern pattern, std::int32_t number, std::int32_t w, std::int32_t h,
                          std::int32_t b, RandomSource& random, const PatternParams& params) {
  TestCase grid{number, w, h, b, std::vector<std::int32_t>(static_cast<std::size_t>(w) * h, 1)};
  switch (pattern) {
    case Pattern::Uniform:
      paintUniform(grid, random);
      break;
    case Pattern::Clustered:
      paintClustered(grid, random, params.clusterProbability);
      break;
    case Pattern::Stripes:
      paintStripes(grid, random, params.stripeWidth);
      break;
    case Pattern::Comb:
      paintComb(grid);
      break;
    case Pattern::Serpentine:
      paintSerpentine(grid);
      break;
    case Pattern::Checkerboard:
      paintCheckerboard(grid, random);
      break;
    case Pattern::Holes:
      paintHoles(grid, random, params.holeDensity);
      break;
  }
  return grid;
}
