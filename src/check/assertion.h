#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"

// A move that failed the colour check: its turn, counted from 1 as the
// message counts it, and its colour.
struct BadMove {
  std::int32_t turn = 0;
  std::int32_t colour = 0;
};

// A cell of a grid, column and row counted from 0.
struct GridCell {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// What a failure is about, as data, so that callers never read it back out
// of the message.
struct FailureFacts {
  std::int64_t fileLine = 0;  // the line of the checked file concerned, from 1; 0 when none
  std::optional<BadMove> badMove;
  std::optional<GridCell> unflooded;  // the first cell the final check found unflooded
};

// The one failure of the evaluator: a failed check with its Slovenian message
// and its check line. Only the evaluation frame catches it.
class EAssertion {
 public:
  EAssertion(std::string message, std::string file, std::int32_t line, FailureFacts facts = {})
      : message(std::move(message)), file(std::move(file)), line(line), facts(facts) {}

  std::string message;
  std::string file;  // never printed; every check passes CHECK_FILE
  std::int32_t line;
  FailureFacts facts;
};

inline constexpr std::string_view UNEXPECTED_ERROR_MESSAGE =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.";

// The source name that every check passes; the report does not show it.
inline constexpr std::string_view CHECK_FILE = "Zvn22Barvotok.cpp";

[[noreturn]] void raiseAssertion(std::string message, std::string_view file, std::int32_t line,
                                 FailureFacts facts = {});

// How every check of the evaluator fails: raises the assertion of `check`
// with its message and facts.
[[noreturn]] inline void failCheck(Check check, std::string message, FailureFacts facts = {}) {
  raiseAssertion(std::move(message), CHECK_FILE, checkLine(check), facts);
}

// An internal check: no input can make it fail.
[[noreturn]] inline void failInternalCheck(Check check) {
  failCheck(check, std::string(UNEXPECTED_ERROR_MESSAGE));
}

// "%d" text of a number. Takes 64 bits so that counters which may pass
// 2^31 on hostile files (line numbers, counts of numbers) print truly.
std::string toDecimal(std::int64_t value);
