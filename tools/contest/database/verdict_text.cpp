#include "contest/database/verdict_text.h"

std::string verdictText(const EvaluationOutcome& outcome) {
  switch (outcome.verdict) {
    case EvaluationOutcome::Verdict::Success:
      return std::string(VERDICT_OK);
    case EvaluationOutcome::Verdict::FailedCheck:
      if (outcome.failure) return std::to_string(outcome.failure->line);
      break;
    case EvaluationOutcome::Verdict::UnexpectedError:
      break;
  }
  return std::string(VERDICT_UNEXPECTED);
}
