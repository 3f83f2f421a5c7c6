#pragma once

#include <cstdint>

// The failures of a section's replay and final check, raised with their
// messages and facts. Every replay of the system fails through these.

// Move `turn` (from 1) has a colour outside 1 ... b.
[[noreturn]] void failBadColour(std::int32_t turn, std::int32_t b, std::int32_t colour);

// The cell at column x, row y (from 0) is the first one left unflooded.
[[noreturn]] void failUnflooded(std::int32_t x, std::int32_t y);
