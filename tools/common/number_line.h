#pragma once

#include <cstdint>
#include <span>
#include <string>

// Appends the numbers in decimal, separated by single blanks, and a line end.
// Built by hand because a million cells through operator<< is slow.
void appendNumberLine(std::string& text, std::span<const std::int32_t> numbers);
