#include "visualise/grid_at_move.h"

#include "submission/flood_replay.h"
#include "submission/framed_grid.h"

GridAtMove gridAtMove(const TestCase& testCase, std::span<const std::int32_t> moves) {
  const std::size_t w = static_cast<std::size_t>(testCase.w);
  const std::size_t h = static_cast<std::size_t>(testCase.h);
  std::vector<FloodCell> framed = framedGrid(testCase);

  FloodReplay replay;
  replay.startFresh(framed, testCase.w, testCase.h, testCase.b);
  for (const std::int32_t colour : moves) replay.play(colour);

  const std::int32_t regionColour = moves.empty() ? testCase.cells.at(0) : moves.back();
  GridAtMove grid{testCase.w, testCase.h, std::vector<std::int32_t>(w * h), std::vector<bool>(w * h)};
  for (std::int32_t y = 0; y < testCase.h; ++y) {
    for (std::int32_t x = 0; x < testCase.w; ++x) {
      const FloodCell value = framed[static_cast<std::size_t>(framedIndex(testCase.w, x, y))];
      const bool flooded = value == FLOODED;
      const std::size_t at = static_cast<std::size_t>(y) * w + static_cast<std::size_t>(x);
      grid.flooded[at] = flooded;
      grid.colours[at] = flooded ? regionColour : value & ~QUEUED;
    }
  }
  return grid;
}
