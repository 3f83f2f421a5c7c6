#include "common/number_line.h"

#include <charconv>

void appendNumberLine(std::string& text, std::span<const std::int32_t> numbers) {
  char digits[16];
  bool first = true;
  for (const std::int32_t number : numbers) {
    if (!first) text += ' ';
    first = false;
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
  }
  text += '\n';
}
