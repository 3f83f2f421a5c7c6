#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "testset/test_case.h"

// Judges the solver's answers, one per test case in test set order, with the
// evaluator's own walk over a submission built in memory. Returns nothing
// when the evaluator accepts every answer with its number of moves, else
// the report it writes instead: a fault of the solver.
std::optional<std::string> evaluatorObjection(const TestSet& testSet,
                                              const std::vector<std::vector<std::int32_t>>& answers);
