#pragma once

#include <string>
#include <string_view>

// `before` followed by `line` in double quotes, built in one allocation: a
// quoted line may be any length, and each copy of it costs its whole size.
inline std::string quotedLine(std::string_view before, std::string_view line) {
  std::string message;
  message.reserve(before.size() + line.size() + 2);
  message.append(before).append(1, '"').append(line).append(1, '"');
  return message;
}
