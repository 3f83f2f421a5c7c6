// The number readers on arbitrary bytes taken as one line: parseNumbers
// against a plain model of its rules, scanLeadingInt against strtoll.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/assertion.h"
#include "fuzz_check.h"
#include "text/leading_int.h"
#include "text/numbers.h"

namespace {

struct Outcome {
  std::vector<std::int32_t> numbers;
  std::int32_t checkLine = 0;  // 0: no failure
  std::string message;
};

bool isBlank(unsigned char byte) { return byte == ' ' || (byte >= 9 && byte <= 13); }
bool isDecimal(unsigned char byte) { return byte >= '0' && byte <= '9'; }

// Token by token: a run of digits is a number unless its significant digits
// pass 2147483647, in which case the message shows them up to the digit that
// passes; any other non-blank byte is a bad character.
Outcome modelNumbers(std::string_view line) {
  Outcome outcome;
  std::size_t position = 0;
  while (position < line.size()) {
    const auto byte = static_cast<unsigned char>(line[position]);
    if (isBlank(byte)) {
      ++position;
      continue;
    }
    if (!isDecimal(byte)) {
      outcome.checkLine = checkLine(Check::BadCharacter);
      outcome.message = "namesto stevke se pojavlja znak s kodo " + std::to_string(byte);
      return outcome;
    }
    std::size_t end = position;
    while (end < line.size() && isDecimal(static_cast<unsigned char>(line[end]))) ++end;
    const std::string_view digits = line.substr(position, end - position);
    const std::size_t firstSignificant = digits.find_first_not_of('0');
    const std::string_view significant =
        firstSignificant == std::string_view::npos ? std::string_view() : digits.substr(firstSignificant);
    std::string_view tooLarge;
    if (significant.size() >= 10 && significant.substr(0, 10) > "2147483647") {
      tooLarge = significant.substr(0, 10);
    } else if (significant.size() >= 11) {
      tooLarge = significant.substr(0, 11);
    }
    if (!tooLarge.empty()) {
      outcome.checkLine = checkLine(Check::NumberTooLarge);
      outcome.message = "stevilo " + std::string(tooLarge) + " je preveliko";
      return outcome;
    }
    outcome.numbers.push_back(significant.empty() ? 0 : std::stoi(std::string(significant)));
    position = end;
  }
  return outcome;
}

Outcome productNumbers(std::string_view line) {
  Outcome outcome;
  try {
    parseNumbers(line, outcome.numbers);
  } catch (const EAssertion& failure) {
    // The numbers completed before the failure stay in the list.
    outcome.checkLine = failure.line;
    outcome.message = failure.message;
  }
  return outcome;
}

// "%d" as the C library reads it; the line ends at its first NUL byte for
// strtoll, and scanLeadingInt stops there too, a NUL being neither blank
// nor digit.
std::optional<std::int32_t> modelLeadingInt(const std::string& line) {
  const char* start = line.c_str();
  char* end = nullptr;
  errno = 0;
  const long long value = std::strtoll(start, &end, 10);
  if (end == start || errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);

  const Outcome expected = modelNumbers(line);
  const Outcome actual = productNumbers(line);
  fuzzCheck(actual.checkLine == expected.checkLine, "parseNumbers check line " +
                                                        std::to_string(actual.checkLine) + ", model " +
                                                        std::to_string(expected.checkLine));
  fuzzCheck(actual.message == expected.message, "parseNumbers message \"" + actual.message + "\"");
  fuzzCheck(actual.numbers == expected.numbers, "parseNumbers numbers differ from the model");

  fuzzCheck(scanLeadingInt(line) == modelLeadingInt(line), "scanLeadingInt differs from strtoll");
  return 0;
}
