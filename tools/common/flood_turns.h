#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "submission/flood_recorder.h"

// What the evaluator's replay of one section did, as it told it: the step
// that flooded each cell and the count of cells each step absorbed. Step 0
// is the first flood from the top-left cell, step s the s-th move.
class FloodTurns : public FloodRecorder {
 public:
  static constexpr std::int32_t NEVER = std::numeric_limits<std::int32_t>::max();

  explicit FloodTurns(std::int32_t cellCount = 0) : turnOfCell_(static_cast<std::size_t>(cellCount), NEVER) {}

  void flooded(std::int32_t turn, std::span<const std::int32_t> cells) override;

  // By cell, y * w + x: the step that flooded it, or NEVER.
  const std::vector<std::int32_t>& turnOfCell() const { return turnOfCell_; }
  // By step: the count of cells it absorbed; empty when nothing was replayed.
  const std::vector<std::int32_t>& absorbed() const { return absorbed_; }

 private:
  std::vector<std::int32_t> turnOfCell_;
  std::vector<std::int32_t> absorbed_;
};
