#pragma once

#include <array>
#include <cstdint>

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour that the page and the PNG give to grid colour 1 ... 100. Low
// colours get the most distinct hues, since most test sets use few colours.
Rgb paletteColour(std::int32_t colour);

// How a flooded cell shows the region's colour: lightened, so that the region
// stands apart from unflooded cells of the same colour.
Rgb floodedShade(Rgb colour);
