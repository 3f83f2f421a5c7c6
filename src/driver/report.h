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

// Which form a report took, and for the assertion form its check line: the
// verdict as data, for callers that record it.
struct ReportVerdict {
  enum class Form { Success, Assertion, UnexpectedError };
  Form form = Form::Success;
  std::int32_t checkLine = 0;  // the failed check's line; 0 for the other forms
};

// Runs one evaluation inside the evaluator's only failure scope and returns
// the report's bytes: the success form for the results that `run` returns,
// the assertion form for the first failed check, or the unexpected-error
// form for any other exception. `verdict`, if given, is told which.
std::string reportOf(const std::function<ResultList()>& run, ReportVerdict* verdict = nullptr);
