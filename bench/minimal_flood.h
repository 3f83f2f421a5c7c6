#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "submission/framed_grid.h"

// The least a flood can do, the limit that the replay is measured against:
// breadth first from the given cells through every cell not yet reached,
// blind to colours, marking each cell once and reading its four neighbours.
// No lists per colour, no log, no checks, nothing allocated per flood.
class MinimalFlood {
 public:
  // Starts from a framed grid: its FLOODED cells are never entered again.
  explicit MinimalFlood(std::span<const FloodCell> start, std::int32_t w);

  // Floods from `seeds` (framed indices) as if nothing but the start were
  // flooded; returns how many cells it reached.
  std::size_t flood(std::span<const std::int32_t> seeds);

 private:
  // A cell holds the stamp of the last flood that reached it, so that a
  // flood needs no clearing; the start's flooded cells hold one above all.
  static constexpr std::uint8_t ALWAYS = 0xFF;
  std::vector<std::uint8_t> start_;
  std::vector<std::uint8_t> marks_;
  std::unique_ptr<std::int32_t[]> queue_;
  std::int32_t stride_;
  std::uint8_t stamp_ = 0;
};
