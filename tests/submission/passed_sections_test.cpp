#include "submission/passed_sections.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(PassedSections, KnowsASectionOnlyWordForWord) {
  PassedSections passed;
  const std::vector<std::int32_t> moves{2, 1};
  EXPECT_FALSE(passed.contains(1, moves));
  passed.remember(1, moves);
  EXPECT_TRUE(passed.contains(1, moves));
  EXPECT_FALSE(passed.contains(2, moves));  // another test case
  EXPECT_FALSE(passed.contains(1, {2}));
  EXPECT_FALSE(passed.contains(1, {2, 1, 1}));
  EXPECT_FALSE(passed.contains(1, {1, 2}));
  passed.remember(3, {});
  EXPECT_TRUE(passed.contains(3, {}));
}

TEST(PassedSections, KeepsOnlyShortSectionsUpToAFixedTotal) {
  PassedSections passed;
  const std::vector<std::int32_t> long_(4097, 1);
  passed.remember(1, long_);
  EXPECT_FALSE(passed.contains(1, long_));

  // 4096-move sections fill the store after 254 of them: each also counts
  // 32 moves of bookkeeping, and 2^20 / (4096 + 32) is 254.02.
  std::vector<std::int32_t> moves(4096, 1);
  for (std::int32_t number = 1; number <= 255; ++number) passed.remember(number, moves);
  EXPECT_TRUE(passed.contains(254, moves));
  EXPECT_FALSE(passed.contains(255, moves));
}

}  // namespace
