#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one failure of the evaluator: a failed check with its Slovenian message
// and its check line. Only the evaluation frame catches it.
class EAssertion {
 public:
  EAssertion(std::string message, std::string file, std::int32_t line)
      : message(std::move(message)), file(std::move(file)), line(line) {}

  std::string message;
  std::string file;  // never printed; every check passes CHECK_FILE
  std::int32_t line;
};

inline constexpr std::string_view UNEXPECTED_ERROR_MESSAGE =
    "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.";

// The source name that every check passes; the report does not show it.
inline constexpr std::string_view CHECK_FILE = "Zvn22Barvotok.cpp";

[[noreturn]] void raiseAssertion(std::string message, std::string_view file, std::int32_t line);

// "%d" text of a number. Takes 64 bits so that counters which may pass
// 2^31 on hostile files (line numbers, counts of numbers) print truly.
std::string toDecimal(std::int64_t value);
