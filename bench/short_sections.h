#pragma once

#include <cstdint>
#include <vector>

#include "testset/test_case.h"

// The grids and sections on which a replay that copies, floods or scans the
// whole grid per section shows it: many distinct short sections that pass.
// Distinct, so that no section is known to have passed before.

// One colour everywhere, b = 100: the first flood takes the whole grid, and
// any two moves pass.
TestCase uniformGrid(std::int32_t side, std::int32_t number);

// A spine in colour 1 (the top row and every even column) touching single
// cells of colours 2 and 3 (the odd columns, alternating down the column):
// the first flood takes the spine and leaves half the grid waiting.
TestCase spineGrid(std::int32_t side, std::int32_t number);

// Rows of colour 3 (every even row and the first column) between rows whose
// other cells alternate colours 1 and 2: the first flood takes the colour-3
// rows and leaves every other cell waiting, none beside another of its
// colour, so that the sections "1 2" and "2 1" take every cell off a waiting
// list and spread from each to four neighbours that are all flooded or
// waiting already: the replay's costliest order of cells.
TestCase rowSpineGrid(std::int32_t side, std::int32_t number);

// `count` distinct two-move sections of colours 1 ... 100 (up to 10,000).
std::vector<std::vector<std::int32_t>> twoMoveSections(std::int32_t count);

// `count` distinct short sections of colours 1 ... 3 that each name 2 and 3,
// so that each floods the spine grid (up to about 2,000, of at most 8 moves).
std::vector<std::vector<std::int32_t>> spineSections(std::int32_t count);
