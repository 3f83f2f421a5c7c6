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

struct Tail {
  std::int32_t value;
  const unsigned char* end;
};

// The digits of a long number past the first SAFE_DIGITS (with `value` read
// from those), each checked against the limit. Apart from the common path.
[[gnu::noinline]] Tail readLongTail(std::int32_t value, const unsigned char* position,
                                    const unsigned char* end) {
  unsigned digit = 0;
  while (position != end && (digit = digitOf(*position)) <= 9) {
    if (value > LIMIT_TENTH || (value == LIMIT_TENTH && static_cast<int>(digit) > LIMIT_LAST_DIGIT)) {
      raiseTooLarge(value, *position);
    }
    value = value * 10 + static_cast<std::int32_t>(digit);
    ++position;
  }
  return {value, position};
}

// Hands every number of the line to `take`, in order; up to SAFE_DIGITS
// digits a number cannot pass the limit, so only longer ones are checked.
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
    auto value = static_cast<std::int32_t>(digit);
    ++position;
    while (position != end && (digit = digitOf(*position)) <= 9) {
      if (position - first == SAFE_DIGITS) {
        const Tail tail = readLongTail(value, position, end);
        value = tail.value;
        position = tail.end;
        break;
      }
      value = value * 10 + static_cast<std::int32_t>(digit);
      ++position;
    }
    take(value);
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
