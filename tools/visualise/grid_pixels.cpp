#include "visualise/grid_pixels.h"

#include <algorithm>

#include "visualise/palette.h"

GridPixels gridPixels(const GridAtMove& grid, std::int32_t scale) {
  const std::size_t side = static_cast<std::size_t>(scale);
  const std::size_t width = static_cast<std::size_t>(grid.w) * side;
  GridPixels picture{grid.w * scale, grid.h * scale, std::vector<std::uint8_t>(width * 3 * grid.h * side)};
  for (std::size_t y = 0; y < static_cast<std::size_t>(grid.h); ++y) {
    for (std::size_t x = 0; x < static_cast<std::size_t>(grid.w); ++x) {
      const std::size_t cell = y * static_cast<std::size_t>(grid.w) + x;
      const Rgb own = paletteColour(grid.colours[cell]);
      const Rgb shown = grid.flooded[cell] ? floodedShade(own) : own;
      for (std::size_t py = y * side; py < (y + 1) * side; ++py) {
        for (std::size_t px = x * side; px < (x + 1) * side; ++px) {
          std::uint8_t* pixel = &picture.rgb[(py * width + px) * 3];
          pixel[0] = shown.r;
          pixel[1] = shown.g;
          pixel[2] = shown.b;
        }
      }
    }
  }
  return picture;
}

std::int32_t defaultScale(std::int32_t w, std::int32_t h) { return std::max(1, 600 / std::max(w, h)); }
