#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <variant>
#include <vector>

#include "../check/assertion.h"

// One result line of the success form: a section's test case number and its
// number of moves.
struct TestResult {
  std::int32_t number = 0;
  std::int32_t moveCount = 0;
  bool operator==(const TestResult&) const = default;
};

using ResultList = std::vector<TestResult>;

// An evaluation that neither passed nor failed a check. Memory that ran out
// is the evaluator's own fault, which a tool that judges many submissions
// must not pass off as a verdict.
struct UnexpectedError {
  bool memoryExhausted = false;
};

// The outcome of one evaluation as a value: the results of a success, the
// failed check, or the unexpected error, and never a mix. The report is
// rendered from it (reportOf), and callers that record or show a verdict
// read it here, never out of the report's text.
class EvaluationOutcome {
 public:
  enum class Verdict { Success, FailedCheck, UnexpectedError };

  EvaluationOutcome() = default;  // a success without results
  explicit EvaluationOutcome(ResultList results) : form_(std::move(results)) {}
  explicit EvaluationOutcome(EAssertion failure) : form_(std::move(failure)) {}
  explicit EvaluationOutcome(UnexpectedError error) : form_(error) {}

  Verdict verdict() const { return static_cast<Verdict>(form_.index()); }
  bool passed() const { return verdict() == Verdict::Success; }
  // The success's result lines in submission order; null for a failure.
  const ResultList* results() const { return std::get_if<ResultList>(&form_); }
  // The failed check: its check line, message and facts; null otherwise.
  const EAssertion* failure() const { return std::get_if<EAssertion>(&form_); }
  bool memoryExhausted() const {
    const auto* error = std::get_if<UnexpectedError>(&form_);
    return error != nullptr && error->memoryExhausted;
  }

 private:
  // In the order of Verdict.
  std::variant<ResultList, EAssertion, UnexpectedError> form_;
};

// Runs one evaluation inside the evaluator's only failure scope: the results
// that `run` returns, the first failed check it raises, or, for any other
// exception, the unexpected error.
EvaluationOutcome outcomeOf(const std::function<ResultList()>& run);
