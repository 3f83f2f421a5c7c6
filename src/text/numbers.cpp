#include "numbers.h"

#include <bit>
#include <cstring>

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

// Whether eight bytes, the first at the lowest address, are "d d d d ":
// a digit at every even place and a blank at every odd one.
bool isFourDigitsAndBlanks(std::uint64_t word) {
  constexpr std::uint64_t ODD = 0xFF00FF00FF00FF00;
  constexpr std::uint64_t HIGH_NIBBLES = 0x00F000F000F000F0;
  constexpr std::uint64_t ZEROES = 0x0030003000300030;
  // '0' ... '9' have the high nibble 3, and so do they plus 6 (unlike ':' ... '?').
  return (word & ODD) == 0x2000200020002000 && (word & HIGH_NIBBLES) == ZEROES &&
         ((word + 0x0006000600060006) & HIGH_NIBBLES) == ZEROES;
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
    // Runs of one-digit numbers between single blanks, as grids of up to
    // nine colours and idle moves are written, four at a time.
    if constexpr (std::endian::native == std::endian::little) {
      while (end - position >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, position, sizeof word);
        if (!isFourDigitsAndBlanks(word)) break;
        const std::uint64_t digits = word - 0x0030003000300030;
        take(static_cast<std::int32_t>(digits & 0xFF));
        take(static_cast<std::int32_t>(digits >> 16 & 0xFF));
        take(static_cast<std::int32_t>(digits >> 32 & 0xFF));
        take(static_cast<std::int32_t>(digits >> 48 & 0xFF));
        position += 8;
      }
      if (position == end) break;
      digit = digitOf(*position);
      if (digit > 9) continue;
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
