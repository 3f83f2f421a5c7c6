#include "common/palette.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "testset/test_case.h"

namespace {

// Kelly's colours of maximum contrast, without white and black (white is
// where the flooded shade leads, black draws the outlines).
constexpr std::array<Rgb, 20> KELLY = {
    {{0xF3, 0xC3, 0x00}, {0x87, 0x56, 0x92}, {0xF3, 0x84, 0x00}, {0xA1, 0xCA, 0xF1}, {0xBE, 0x00, 0x32},
     {0xC2, 0xB2, 0x80}, {0x84, 0x84, 0x82}, {0x00, 0x88, 0x56}, {0xE6, 0x8F, 0xAC}, {0x00, 0x67, 0xA5},
     {0xF9, 0x93, 0x79}, {0x60, 0x4E, 0x97}, {0xF6, 0xA6, 0x00}, {0xB3, 0x44, 0x6C}, {0xDC, 0xD3, 0x00},
     {0x88, 0x2D, 0x17}, {0x8D, 0xB6, 0x00}, {0x65, 0x45, 0x22}, {0xE2, 0x58, 0x22}, {0x2B, 0x3D, 0x26}}};

std::uint8_t channel(double value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

Rgb fromHsl(double hueDegrees, double saturation, double lightness) {
  const double chroma = (1.0 - std::fabs(2.0 * lightness - 1.0)) * saturation;
  const double sector = hueDegrees / 60.0;
  const double second = chroma * (1.0 - std::fabs(std::fmod(sector, 2.0) - 1.0));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector)) {
    case 0:
      r = chroma, g = second;
      break;
    case 1:
      r = second, g = chroma;
      break;
    case 2:
      g = chroma, b = second;
      break;
    case 3:
      g = second, b = chroma;
      break;
    case 4:
      r = second, b = chroma;
      break;
    default:
      r = chroma, b = second;
      break;
  }
  const double base = lightness - chroma / 2.0;
  return {channel(r + base), channel(g + base), channel(b + base)};
}

int squaredDistance(Rgb a, Rgb b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

// Candidates past Kelly's list: hues every 6 degrees at three saturations and
// four lightnesses, none so light that the flooded shade would meet white.
std::vector<Rgb> candidates() {
  std::vector<Rgb> all;
  for (int hue = 0; hue < 360; hue += 6) {
    for (const double saturation : {0.95, 0.70, 0.45}) {
      for (const double lightness : {0.25, 0.38, 0.51, 0.64})
        all.push_back(fromHsl(hue, saturation, lightness));
    }
  }
  return all;
}

// Each further colour is the candidate farthest from every colour chosen so
// far, so that the 100 colours stay as far apart as the candidates allow.
std::array<Rgb, MAX_COLOURS> makePalette() {
  std::array<Rgb, MAX_COLOURS> palette{};
  std::copy(KELLY.begin(), KELLY.end(), palette.begin());
  const std::vector<Rgb> pool = candidates();
  std::vector<int> nearest(pool.size(), std::numeric_limits<int>::max());
  for (std::size_t chosen = 0; chosen < palette.size(); ++chosen) {
    if (chosen >= KELLY.size()) {
      const auto farthest = std::max_element(nearest.begin(), nearest.end()) - nearest.begin();
      palette[chosen] = pool[static_cast<std::size_t>(farthest)];
    }
    for (std::size_t i = 0; i < pool.size(); ++i) {
      nearest[i] = std::min(nearest[i], squaredDistance(pool[i], palette[chosen]));
    }
  }
  return palette;
}

}  // namespace

Rgb paletteColour(std::int32_t colour) {
  static const std::array<Rgb, MAX_COLOURS> PALETTE = makePalette();
  const auto index = static_cast<std::size_t>(std::clamp(colour, 1, MAX_COLOURS) - 1);
  return PALETTE[index];
}

Rgb floodedShade(Rgb colour) {
  const auto lighten = [](std::uint8_t value) {
    return static_cast<std::uint8_t>(value + (255 - value) * 45 / 100);
  };
  return {lighten(colour.r), lighten(colour.g), lighten(colour.b)};
}
