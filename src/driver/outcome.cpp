#include "outcome.h"

#include <new>

EvaluationOutcome outcomeOf(const std::function<ResultList()>& run) {
  EvaluationOutcome outcome;
  try {
    outcome.results = run();
  } catch (const EAssertion& failure) {
    outcome.verdict = EvaluationOutcome::Verdict::FailedCheck;
    outcome.failure = failure;
  } catch (const std::bad_alloc&) {
    outcome.verdict = EvaluationOutcome::Verdict::UnexpectedError;
    outcome.memoryExhausted = true;
  } catch (...) {
    outcome.verdict = EvaluationOutcome::Verdict::UnexpectedError;
  }
  return outcome;
}
