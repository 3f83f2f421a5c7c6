#pragma once

#include <cstdint>
#include <random>

// Random numbers that are the same on every machine and standard library:
// std::mt19937_64 is fully specified, and the mapping onto ranges is ours
// (the standard distributions may differ between libraries).
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

  // A number in 0 ... bound - 1, without bias; bound must be at least 1.
  std::uint64_t below(std::uint64_t bound);

  // A number in low ... high; low must not exceed high.
  std::int32_t between(std::int32_t low, std::int32_t high);

  // True with the given probability (0 never, 1 always).
  bool chance(double probability);

 private:
  std::mt19937_64 engine_;
};
