#pragma once

#include <cstdint>
#include <span>

// Watches a replay: told, step by step, which cells each step flooded, so
// that a tool can show the evaluator's own replay instead of replaying again.
class FloodRecorder {
 public:
  virtual ~FloodRecorder() = default;
  // Step `turn` flooded `cells` (indices y * w + x, in the order flooded);
  // turn 0 is the first flood from the top-left cell, turn s the s-th move.
  // Every step is told, also one that floods nothing.
  virtual void flooded(std::int32_t turn, std::span<const std::int32_t> cells) = 0;
};
