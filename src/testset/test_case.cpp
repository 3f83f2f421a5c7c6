#include "test_case.h"

#include <string>
#include <utility>

#include "../check/assertion.h"

const std::int32_t& TestCase::cell(std::int32_t x, std::int32_t y) const {
  if (x < 0 || x >= w || y < 0 || y >= h) failInternalCheck(Check::TestCaseCellOutsideGrid);
  return cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
}

std::int32_t& TestCase::cell(std::int32_t x, std::int32_t y) {
  return const_cast<std::int32_t&>(std::as_const(*this).cell(x, y));
}
