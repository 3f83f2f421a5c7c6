#include "outcome.h"

EvaluationOutcome outcomeOf(const std::function<ResultList()>& run) {
  EvaluationOutcome outcome;
  try {
    outcome.results = run();
  } catch (const EAssertion& failure) {
    outcome.verdict = EvaluationOutcome::Verdict::FailedCheck;
    outcome.failure = failure;
  } catch (...) {
    outcome.verdict = EvaluationOutcome::Verdict::UnexpectedError;
  }
  return outcome;
}
