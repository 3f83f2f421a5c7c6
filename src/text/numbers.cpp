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

// The value of a number of more than SAFE_DIGITS digits, read again with
// every digit checked against the limit. Apart from the common path.
[[gnu::noinline]] std::int32_t checkedValue(const unsigned char* position, const unsigned char* end) {
  std::int32_t value = 0;
  for (; position != end; ++position) {
    const int digit = *position - '0';
    if (value > LIMIT_TENTH || (value == LIMIT_TENTH && digit > LIMIT_LAST_DIGIT)) {
      raiseTooLarge(value, *position);
    }
    value = value * 10 + digit;
  }
  return value;
}

// Hands every number of the line to `take`, in order. Up to SAFE_DIGITS
// digits a number cannot pass the limit, so only a longer one is checked,
// once its digits have been found.
template <typename Take>
void readNumbers(std::string_view line, Take&& take) {
  const auto* position = reinterpret_cast<const unsigned char*>(line.data());
  const unsigned char* const end = position + line.size();
  while (position != end) {
    if (*position == ' ') {  // the usual separator, first
      ++position;
      continue;
    }
    unsigned digit = digitOf(*position);
    if (digit > 9) {
      if (!isWhitespace(*position)) raiseBadCharacter(*position);
      ++position;
      continue;
    }
    const unsigned char* const first = position;
    std::uint32_t value = digit;  // wraps harmlessly on a long number, read again below
    ++position;
    while (position != end && (digit = digitOf(*position)) <= 9) {
      value = value * 10 + digit;
      ++position;
    }
    take(position - first > SAFE_DIGITS ? checkedValue(first, position) : static_cast<std::int32_t>(value));
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
