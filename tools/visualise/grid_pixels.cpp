#include "visualise/grid_pixels.h"

#include <algorithm>

#include "common/palette.h"

namespace {

void fillCell(GridPixels& picture, std::size_t x, std::size_t y, std::size_t side, Rgb shown) {
  const auto width = static_cast<std::size_t>(picture.width);
  for (std::size_t py = y * side; py < (y + 1) * side; ++py) {
    for (std::size_t px = x * side; px < (x + 1) * side; ++px) {
      std::uint8_t* pixel = &picture.rgb[(py * width + px) * 3];
      pixel[0] = shown.r;
      pixel[1] = shown.g;
      pixel[2] = shown.b;
    }
  }
}

}  // namespace

GridPixels gridPixels(const SectionView& view, std::int32_t move, std::int32_t scale) {
  const TestCase& grid = *view.testCase;
  const auto side = static_cast<std::size_t>(scale);
  const auto w = static_cast<std::size_t>(grid.w);
  const auto h = static_cast<std::size_t>(grid.h);
  GridPixels picture{grid.w * scale, grid.h * scale, std::vector<std::uint8_t>(w * side * 3 * h * side)};
  const std::int32_t regionColour =
      move == 0 ? grid.cells.at(0) : view.playedMoves.at(static_cast<std::size_t>(move) - 1);
  const Rgb region = floodedShade(paletteColour(regionColour));
  const std::vector<std::int32_t>& turnOfCell = view.replay.turnOfCell();
  for (std::size_t y = 0; y < h; ++y) {
    for (std::size_t x = 0; x < w; ++x) {
      const std::size_t cell = y * w + x;
      fillCell(picture, x, y, side, turnOfCell[cell] <= move ? region : paletteColour(grid.cells[cell]));
    }
  }
  return picture;
}

std::int32_t defaultScale(std::int32_t w, std::int32_t h) { return std::max(1, 600 / std::max(w, h)); }
