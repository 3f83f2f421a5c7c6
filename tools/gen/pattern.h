#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "gen/random_source.h"
#include "testset/test_case.h"

// The shapes of grid that the generator paints.
enum class Pattern {
  Uniform,       // every cell a random colour
  Clustered,     // a cell copies a neighbour's colour with a chosen probability
  Stripes,       // vertical stripes, each a colour other than its left neighbour's
  Comb,          // a comb-shaped region with a huge border, beside a corridor
  Serpentine,    // one winding corridor of alternating colours between walls
  Checkerboard,  // two colours, no two edge neighbours alike
  Holes,         // one background colour full of isolated single cells
};

inline constexpr std::array<Pattern, 7> ALL_PATTERNS = {
    Pattern::Uniform,    Pattern::Clustered,    Pattern::Stripes, Pattern::Comb,
    Pattern::Serpentine, Pattern::Checkerboard, Pattern::Holes,
};

std::string_view patternName(Pattern pattern);
std::optional<Pattern> patternByName(std::string_view name);

// The knobs of the patterns that have any; the others ignore them.
struct PatternParams {
  double clusterProbability = 0.6;  // Clustered: chance that a cell copies a neighbour
  std::int32_t stripeWidth = 1;     // Stripes: columns per stripe, at least 1
  double holeDensity = 0.3;         // Holes: chance that a cell may become a hole
};

// Paints one test case. w and h must be in 1 ... 1000 and b in 1 ... 100;
// every colour is then in 1 ... b. Draws from `random` only as the pattern
// needs, so a seed fixes the result on every machine.
TestCase generateTestCase(Pattern pattern, std::int32_t number, std::int32_t w, std::int32_t h,
                          std::int32_t b, RandomSource& random, const PatternParams& params = {});
