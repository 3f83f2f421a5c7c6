#include "outcome.h"

#include <new>

EvaluationOutcome outcomeOf(const std::function<ResultList()>& run) {
  try {
    return run();
  } catch (const EAssertion& failure) {
    return failure;
  } catch (const std::bad_alloc&) {
    return UnexpectedError{true};
  } catch (...) {
    return UnexpectedError{false};
  }
}
