#pragma once

#include <cstdint>

// A closed range of whole numbers to draw from; low == high fixes the value.
struct SizeRange {
  std::int32_t low = 1;
  std::int32_t high = 1;
};
