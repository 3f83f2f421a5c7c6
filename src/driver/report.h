#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One result line of the success form: a section's test case number and its
// number of moves.
struct TestResult {
  std::int32_t number = 0;
  std::int32_t moveCount = 0;
};

using ResultList = std::vector<TestResult>;

// Runs one evaluation inside the evaluator's only failure scope and returns
// the report's bytes: the success form for the results that `run` returns,
// the assertion form for the first failed check, or the unexpected-error
// form for any other exception.
std::string reportOf(const std::function<ResultList()>& run);
