#include "gen/random_source.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(RandomSource, StaysWithinRangesAndReachesTheirEnds) {
  RandomSource random(7);
  std::array<int, 5> seen{};
  for (int draw = 0; draw < 2000; ++draw) {
    const std::int32_t value = random.between(-2, 2);
    ASSERT_TRUE(value >= -2 && value <= 2) << value;
    ++seen[static_cast<std::size_t>(value + 2)];
  }
  for (const int count : seen) EXPECT_GT(count, 300);  // about 400 each
  EXPECT_EQ(random.between(5, 5), 5);
  EXPECT_EQ(random.below(1), 0u);
  const std::uint64_t huge = random.below(UINT64_MAX);
  EXPECT_LT(huge, UINT64_MAX);
}

TEST(RandomSource, ChanceHonoursItsEnds) {
  RandomSource random(7);
  for (int draw = 0; draw < 1000; ++draw) {
    ASSERT_FALSE(random.chance(0.0));
    ASSERT_TRUE(random.chance(1.0));
  }
}

// The engine is fully specified; these values pin our mapping onto ranges
// too, so that a seed gives the same test set on every machine and library.
TEST(RandomSource, SequenceIsFixed) {
  RandomSource random(2024);
  std::array<std::int32_t, 8> values{};
  for (std::int32_t& value : values) value = random.between(1, 100);
  EXPECT_EQ(values, (std::array<std::int32_t, 8>{75, 70, 82, 15, 13, 78, 17, 6}));
  EXPECT_EQ(random.below(1000000007), 373637970u);
}

}  // namespace
