// The byte forms of the recorded replay that the page decodes.
#include "common/replay_encoding.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/flood_turns.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string text;
  for (const int value : values) text += static_cast<char>(value);
  return text;
}

struct FloodTurnCase {
  std::vector<std::int32_t> turns;
  std::int32_t w;
  std::string bytes;
};

TEST(ReplayEncoding, FloodTurnsAreZigzagDifferencesFromTheirPrediction) {
  const std::int32_t NEVER = FloodTurns::NEVER;
  const FloodTurnCase cases[] = {
      {{}, 1, ""},
      // Along the first row, from the cell before.
      {{0, 0, 1, 0}, 4, bytes({0, 0, 2, 1})},
      // 64 up is 128, two bytes; 64 down is 127, still one.
      {{64, 0}, 2, bytes({0x80, 0x01, 0x7f})},
      // A cell never flooded counts as `never` (here 1000001); 2000002 = 0x1e8482.
      {{NEVER, 0}, 2, bytes({0x82, 0x89, 0x7a, 0x81, 0x89, 0x7a})},
      // Down the first column, from the cell above.
      {{7, 9}, 1, bytes({14, 4})},
      // Corridors running down, far apart in turns: each cell is predicted by
      // the one above, on its side of the edge.
      {{0, 500, 1, 501, 2, 502}, 2, bytes({0, 0xe8, 0x07, 2, 2, 2, 2})},
      // A smooth slope: the plane through the three neighbours, 10 + 20 - 15.
      {{15, 20, 10, 15}, 2, bytes({30, 10, 9, 0})},
  };
  for (const FloodTurnCase& c : cases) EXPECT_EQ(floodTurnBytes(c.turns, c.w, 1000001), c.bytes);
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
