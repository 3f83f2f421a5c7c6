#include "numbers.h"

#include "../check/assertion.h"
#include "char_class.h"

namespace {

constexpr std::int32_t LIMIT_TENTH = 214748364;  // 2147483647 / 10
constexpr int LIMIT_LAST_DIGIT = 7;

[[noreturn]] void raiseBadCharacter(unsigned char byte) {
  failCheck(Check::BadCharacter, "namesto stevke se pojavlja znak s kodo " + toDecimal(byte));
}

[[noreturn]] void raiseTooLarge(std::int32_t valueSoFar, unsigned char digit) {
  failCheck(Check::NumberTooLarge,
            "stevilo " + toDecimal(valueSoFar) + static_cast<char>(digit) + " je preveliko");
}

}  // namespace

void parseNumbers(std::string_view line, std::vector<std::int32_t>& numbers) {
  numbers.clear();
  const std::size_t length = line.size();
  std::size_t position = 0;
  while (position < length) {
    const auto byte = static_cast<unsigned char>(line[position]);
    if (isWhitespace(byte)) {
      ++position;
      continue;
    }
    if (!isDigit(byte)) raiseBadCharacter(byte);
    std::int32_t value = byte - '0';
    ++position;
    while (position < length) {
      const auto next = static_cast<unsigned char>(line[position]);
      if (!isDigit(next)) break;
      const int digit = next - '0';
      if (value > LIMIT_TENTH || (value == LIMIT_TENTH && digit > LIMIT_LAST_DIGIT)) {
        raiseTooLarge(value, next);
      }
      value = value * 10 + digit;
      ++position;
    }
    numbers.push_back(value);
  }
}
