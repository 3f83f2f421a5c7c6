#include "leading_int.h"

#include "char_class.h"

std::optional<std::int32_t> scanLeadingInt(std::string_view line) {
  std::size_t position = 0;
  while (position < line.size() && isWhitespace(static_cast<unsigned char>(line[position]))) {
    ++position;
  }
  bool negative = false;
  if (position < line.size() && (line[position] == '+' || line[position] == '-')) {
    negative = line[position] == '-';
    ++position;
  }
  const std::size_t firstDigit = position;
  // The magnitude saturates just past the 32-bit range, so any run of digits
  // is read without overflow.
  constexpr std::int64_t PAST_RANGE = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  while (position < line.size() && isDigit(static_cast<unsigned char>(line[position]))) {
    magnitude = magnitude * 10 + (line[position] - '0');
    if (magnitude > PAST_RANGE) magnitude = PAST_RANGE + 1;
    ++position;
  }
  if (position == firstDigit) return std::nullopt;
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}
