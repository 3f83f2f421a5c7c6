#include "visualise/grid_at_move.h"

#include "submission/flood_replay.h"

GridAtMove gridAtMove(const TestCase& testCase, std::span<const std::int32_t> moves) {
  const std::size_t w = static_cast<std::size_t>(testCase.w);
  const std::size_t h = static_cast<std::size_t>(testCase.h);
  const std::size_t stride = w + 2;
  // FloodReplay works on a grid framed by flooded cells.
  std::vector<std::int32_t> framed(stride * (h + 2), FloodReplay::FLOODED);
  for (std::size_t y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < w; ++x) framed[(y + 1) * stride + x + 1] = testCase.cells[y * w + x];
  }

  FloodReplay replay;
  replay.start(framed, testCase.w, testCase.b);
  for (const std::int32_t colour : moves) replay.play(colour);

  const std::int32_t regionColour = moves.empty() ? testCase.cells.at(0) : moves.back();
  GridAtMove grid{testCase.w, testCase.h, std::vector<std::int32_t>(w * h), std::vector<bool>(w * h)};
  for (std::size_t y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < w; ++x) {
      const std::int32_t value = framed[(y + 1) * stride + x + 1];
      const bool flooded = value == FloodReplay::FLOODED;
      grid.flooded[y * w + x] = flooded;
      grid.colours[y * w + x] = flooded ? regionColour : value & ~FloodReplay::QUEUED;
    }
  }
  return grid;
}
