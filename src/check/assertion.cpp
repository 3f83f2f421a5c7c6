#include "assertion.h"

#include <charconv>

void raiseAssertion(std::string message, std::string_view file, std::int32_t line, FailureFacts facts) {
  throw EAssertion(std::move(message), std::string(file), line, facts);
}

std::string toDecimal(std::int64_t value) {
  char text[24];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}
