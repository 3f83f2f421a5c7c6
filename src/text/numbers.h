#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Every whole number of a line, 0 to 2147483647, separated by C-locale
// whitespace. Any other byte, or a larger number, raises the failed check.
// `numbers` is emptied first; its storage is reused from call to call.
void parseNumbers(std::string_view line, std::vector<std::int32_t>& numbers);

// The same reading and the same failures, storing the line's first numbers
// straight into `into` (as many as fit). Returns how many numbers the line
// holds, also those that did not fit.
std::size_t parseNumbersInto(std::string_view line, std::span<std::int32_t> into);
