#pragma once

#include <cstdint>
#include <span>
#include <string>

// Compact byte forms of the evaluator's recorded replay for the page, which
// decodes them in viewer.js. Both are LEB128 numbers: 7 bits a byte, low
// bits first, the top bit set on every byte but a number's last.

// Each cell's flood turn, row by row, as its difference from a prediction
// out of the turns of its left, upper and upper-left neighbours (the median
// edge predictor of lossless image coding: the left one along the first row,
// the upper one down the first column), zigzag-folded so that small
// differences either way take one byte. Neighbouring cells are mostly
// flooded at close turns, whichever way the region grows. A cell never
// flooded counts as flooded at turn `never`.
std::string floodTurnBytes(std::span<const std::int32_t> turnOfCell, std::int32_t w, std::int32_t never);

// Each step's count of absorbed cells; a run of steps that absorb nothing,
// as long sequences of idle moves do, is written as 0 and the run's length.
std::string absorbedBytes(std::span<const std::int32_t> absorbed);
