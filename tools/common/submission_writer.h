#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string_view>

// The submission's format: the six-character contestant number and the task
// name, then per answered test case its number, the number of moves and the
// moves on one line.
void writeSubmissionHeader(std::ostream& output, std::string_view contestant);
void writeSection(std::ostream& output, std::int32_t number, std::span<const std::int32_t> moves);
