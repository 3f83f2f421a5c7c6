#include "numbers.h"

#include "../check/assertion.h"
#include "char_class.h"

namespace {

constexpr std::int32_t LIMIT_TENTH = 214748364;  // 2147483647 / 10
constexpr int LIMIT_LAST_DIGIT = 7;
// Up to this many digits a number cannot pass the limit.
constexpr std::ptrdiff_t SAFE_DIGITS = 9;

[[noreturn]] void raiseBadCharacter(unsigned char byte) {
  failCheck(Check::BadCharacter, "namesto stevke se pojavlja znak s kodo " + toDecimal(byte));
}

[[noreturn]] void raiseTooLarge(std::int32_t valueSoFar, unsigned char digit) {
  failCheck(Check::NumberTooLarge,
            "stevilo " + toDecimal(valueSoFar) + static_cast<char>(digit) + " je preveliko");
}

unsigned digitOf(unsigned char byte) { return static_cast<unsigned>(byte) - '0'; }

// The digits from `position` on, the first already known to be one; checks
// the limit only past the digits that cannot reach it.
std::int32_t readNumber(const unsigned char*& position, const unsigned char* end) {
  const unsigned char* const first = position;
  std::int32_t value = 0;
  unsigned digit = 0;
  while (position != end && (digit = digitOf(*position)) <= 9 && position - first < SAFE_DIGITS) {
    value = value * 10 + static_cast<std::int32_t>(digit);
    ++position;
  }
  while (position != end && (digit = digitOf(*position)) <= 9) {
    if (value > LIMIT_TENTH || (value == LIMIT_TENTH && static_cast<int>(digit) > LIMIT_LAST_DIGIT)) {
      raiseTooLarge(value, *position);
    }
    value = value * 10 + static_cast<std::int32_t>(digit);
    ++position;
  }
  return value;
}

// Hands every number of the line to `take`, in order.
template <typename Take>
void readNumbers(std::string_view line, Take&& take) {
  const auto* position = reinterpret_cast<const unsigned char*>(line.data());
  const unsigned char* const end = position + line.size();
  while (position != end) {
    const unsigned char byte = *position;
    if (digitOf(byte) <= 9) {
      take(readNumber(position, end));
    } else if (isWhitespace(byte)) {
      ++position;
    } else {
      raiseBadCharacter(byte);
    }
  }
}

}  // namespace

void parseNumbers(std::string_view line, std::vector<std::int32_t>& numbers) {
  numbers.clear();
  readNumbers(line, [&](std::int32_t value) { numbers.push_back(value); });
}

std::size_t parseNumbersInto(std::string_view line, std::span<std::int32_t> into) {
  std::size_t count = 0;
  readNumbers(line, [&](std::int32_t value) {
    if (count < into.size()) into[count] = value;
    ++count;
  });
  return count;
}
