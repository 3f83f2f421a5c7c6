#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "../check/assertion.h"

// One result line of the success form: a section's test case number and its
// number of moves.
struct TestResult {
  std::int32_t number = 0;
  std::int32_t moveCount = 0;
};

using ResultList = std::vector<TestResult>;

// The outcome of one evaluation as a value: the report is rendered from it
// (reportOf), and callers that record or show a verdict read it here, never
// out of the report's text.
struct EvaluationOutcome {
  enum class Verdict { Success, FailedCheck, UnexpectedError };

  Verdict verdict = Verdict::Success;
  ResultList results;                 // a success's result lines, in submission order
  std::optional<EAssertion> failure;  // a failed check: its check line, message and facts
  // An unexpected error because memory ran out: the evaluator's own fault,
  // which a tool that judges many submissions must not pass off as a verdict.
  bool memoryExhausted = false;

  bool passed() const { return verdict == Verdict::Success; }
};

// Runs one evaluation inside the evaluator's only failure scope: the results
// that `run` returns, the first failed check it raises, or, for any other
// exception, the unexpected error.
EvaluationOutcome outcomeOf(const std::function<ResultList()>& run);
