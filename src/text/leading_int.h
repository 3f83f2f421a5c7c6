#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The number at the start of a line, read as a "%d" scan reads it: leading
// whitespace, an optional sign, then the digits; the rest of the line is
// ignored. Yields nothing when no digit follows, and nothing when the number
// does not fit a signed 32-bit integer, where a scan would give a wrong one.
std::optional<std::int32_t> scanLeadingInt(std::string_view line);
