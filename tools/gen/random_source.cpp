#include "gen/random_source.h"

#include <limits>

std::uint64_t RandomSource::below(std::uint64_t bound) {
  // Draws past the last whole multiple of `bound` are rejected, so every
  // remainder is equally likely.
  const std::uint64_t excess =
      (std::numeric_limits<std::uint64_t>::max() - bound + 1) % bound;  // 2^64 mod bound
  const std::uint64_t limit = std::uint64_t{0} - excess;                // 0 stands for 2^64
  while (true) {
    const std::uint64_t draw = engine_();
    if (limit == 0 || draw < limit) return draw % bound;
  }
}

std::int32_t RandomSource::between(std::int32_t low, std::int32_t high) {
  const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low) + 1;
  return static_cast<std::int32_t>(low + static_cast<std::int64_t>(below(span)));
}

bool RandomSource::chance(double probability) {
  // The top 53 bits make an exact double in [0, 1).
  const double unit = static_cast<double>(engine_() >> 11) * 0x1p-53;
  return unit < probability;
}
