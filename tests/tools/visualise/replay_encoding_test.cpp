// The byte forms of the recorded replay that the page decodes.
#include "visualise/replay_encoding.h"

#include <gtest/gtest.h>

#include <vector>

#include "visualise/flood_turns.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string text;
  for (const int value : values) text += static_cast<char>(value);
  return text;
}

TEST(ReplayEncoding, FloodTurnsAreZigzagDifferences) {
  const std::int32_t NEVER = FloodTurns::NEVER;
  const std::pair<std::vector<std::int32_t>, std::string> cases[] = {
      {{}, ""},
      {{0, 0, 1, 0}, bytes({0, 0, 2, 1})},
      // 64 up is 128, two bytes; 64 down is 127, still one.
      {{64, 0}, bytes({0x80, 0x01, 0x7f})},
      // A cell never flooded counts as `never` (here 1000001); 2000002 = 0x1e8482.
      {{NEVER, 0}, bytes({0x82, 0x89, 0x7a, 0x81, 0x89, 0x7a})},
  };
  for (const auto& [turns, expected] : cases) EXPECT_EQ(floodTurnBytes(turns, 1000001), expected);
}

TEST(ReplayEncoding, AbsorbedCountsFoldRunsOfIdleSteps) {
  const std::pair<std::vector<std::int32_t>, std::string> cases[] = {
      {{}, ""},
      {{1, 3, 2}, bytes({1, 3, 2})},
      {{1, 0, 0, 0, 5, 0}, bytes({1, 0, 3, 5, 0, 1})},
      {{200, 0}, bytes({0xc8, 0x01, 0, 1})},
  };
  for (const auto& [absorbed, expected] : cases) EXPECT_EQ(absorbedBytes(absorbed), expected);
}

}  // namespace
