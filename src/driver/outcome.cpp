#include "outcome.h"

#include <new>

EvaluationOutcome outcomeOf(const std::function<ResultList()>& run) {
  try {
    return EvaluationOutcome(run());
  } catch (const EAssertion& failure) {
    return EvaluationOutcome(failure);
  } catch (const std::bad_alloc&) {
    return EvaluationOutcome(UnexpectedError{true});
  } catch (...) {
    return EvaluationOutcome(UnexpectedError{false});
  }
}
