#pragma once

#include <cstdint>
#include <vector>

#include "common/section_view.h"

// An RGB picture of the grid, row by row, `scale` pixels per cell side, in
// the page's colours: flooded cells shaded, the others in their own colour.
struct GridPixels {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> rgb;
};

// The grid after `move` of the section's played moves, as the evaluator's
// replay recorded it: a cell is flooded when its flood turn is at most `move`.
GridPixels gridPixels(const SectionView& view, std::int32_t move, std::int32_t scale);

// Pixels per cell side that make a picture of about 600 pixels, at least 1.
std::int32_t defaultScale(std::int32_t w, std::int32_t h);
