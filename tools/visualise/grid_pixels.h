#pragma once

#include <cstdint>
#include <vector>

#include "visualise/grid_at_move.h"

// An RGB picture of the grid, row by row, `scale` pixels per cell side, in
// the page's colours: flooded cells shaded, the others in their own colour.
struct GridPixels {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> rgb;
};

GridPixels gridPixels(const GridAtMove& grid, std::int32_t scale);

// Pixels per cell side that make a picture of about 600 pixels, at least 1.
std::int32_t defaultScale(std::int32_t w, std::int32_t h);
