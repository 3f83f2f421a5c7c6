// A whole evaluation in memory. One fuzz input holds the test set and the
// submission, split at the first separator line "=====" (the LF before the
// separator belongs to it); without a separator the submission is empty.
// The report must be exactly one well-formed form of the three.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "check/check.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "fuzz_check.h"

namespace {

constexpr std::string_view SEPARATOR = "\n=====\n";
constexpr std::string_view ASSERTION_PREFIX = "Napaka [Zvn22Barvotok:";

// Reads a "%d" number without leading zeros at `position`; false if there is none.
bool takeDecimal(std::string_view text, std::size_t& position, long long& value) {
  const std::size_t start = position;
  if (position < text.size() && text[position] == '-') ++position;
  const std::size_t firstDigit = position;
  value = 0;
  while (position < text.size() && text[position] >= '0' && text[position] <= '9' &&
         position - firstDigit < 11) {
    value = value * 10 + (text[position] - '0');
    ++position;
  }
  if (position == firstDigit) return false;
  if (text[firstDigit] == '0' && position - firstDigit > 1) return false;
  if (start != firstDigit) value = -value;
  return value >= INT32_MIN && value <= INT32_MAX;
}

bool take(std::string_view text, std::size_t& position, std::string_view expected) {
  if (text.substr(position, expected.size()) != expected) return false;
  position += expected.size();
  return true;
}

void checkSuccessForm(std::string_view report, std::size_t results) {
  std::size_t position = 3;
  long long count = 0;
  fuzzCheck(takeDecimal(report, position, count) && count >= 0 && take(report, position, "\n"),
            "success form without its count line");
  long long lines = 0;
  while (position < report.size()) {
    long long number = 0;
    long long moveCount = 0;
    fuzzCheck(takeDecimal(report, position, number) && number >= 1 && take(report, position, " ") &&
                  takeDecimal(report, position, moveCount) && moveCount >= 0 && take(report, position, "\n"),
              "malformed result line");
    ++lines;
  }
  fuzzCheck(lines == count && static_cast<std::size_t>(count) == results,
            "success count " + std::to_string(count) + " but " + std::to_string(lines) + " result lines");
}

void checkAssertionForm(std::string_view report, std::int32_t checkLine) {
  std::size_t position = 0;
  long long line = 0;
  fuzzCheck(take(report, position, ASSERTION_PREFIX) && takeDecimal(report, position, line) &&
                line == checkLine && take(report, position, "]: "),
            "assertion form without its check line");
  const std::size_t lineEnd = report.find('\n', position);
  fuzzCheck(lineEnd != std::string_view::npos && lineEnd > position, "assertion form without a message");
  fuzzCheck(report.substr(lineEnd) == "\n-1\n", "assertion form does not end in a lone -1 line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t separator = bytes.find(SEPARATOR);
  const std::string_view testSet = bytes.substr(0, separator);
  const std::string_view answer =
      separator == std::string_view::npos ? std::string_view() : bytes.substr(separator + SEPARATOR.size());

  std::istringstream input{std::string(testSet)};
  std::istringstream submission{std::string(answer)};
  const EvaluationOutcome outcome = outcomeOf([&] { return runEvaluation(input, submission); });
  const std::string report = reportOf(outcome);

  if (outcome.passed()) {
    fuzzCheck(report.rfind("OK\n", 0) == 0, "a success without OK");
    checkSuccessForm(report, outcome.results()->size());
  } else if (const EAssertion* failure = outcome.failure()) {
    // The internal checks guard the evaluator's own consistency and must never fire.
    const auto check = checkInfo(failure->line);
    fuzzCheck(check && !check->internal, "check line " + std::to_string(failure->line) + " fired");
    checkAssertionForm(report, failure->line);
  } else {
    // The unexpected error needs exhausted memory, which inputs of a
    // fuzzer's size cannot bring about.
    fuzzCheck(false, "neither a success nor a failed check: " + report.substr(0, 200));
  }
  return 0;
}
