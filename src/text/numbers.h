#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Every whole number of a line, 0 to 2147483647, separated by C-locale
// whitespace. Any other byte, or a larger number, raises the failed check.
// `numbers` is emptied first; its storage is reused from call to call.
void parseNumbers(std::string_view line, std::vector<std::int32_t>& numbers);
