#include "report.h"

namespace {

std::string resultLines(const ResultList& results) {
  std::string text = toDecimal(static_cast<std::int64_t>(results.size())) + "\n";
  for (const TestResult& result : results) {
    text += toDecimal(result.number);
    text += ' ';
    text += toDecimal(result.moveCount);
    text += '\n';
  }
  return text;
}

}  // namespace

std::string verdictLine(const EvaluationOutcome& outcome) {
  switch (outcome.verdict) {
    case EvaluationOutcome::Verdict::Success:
      return "OK";
    case EvaluationOutcome::Verdict::FailedCheck:
      if (outcome.failure) {
        return "Napaka [Zvn22Barvotok:" + toDecimal(outcome.failure->line) + "]: " + outcome.failure->message;
      }
      break;  // a failed check without its failure is no outcome the frame makes
    case EvaluationOutcome::Verdict::UnexpectedError:
      break;
  }
  return std::string(UNEXPECTED_ERROR_MESSAGE);
}

std::string reportOf(const EvaluationOutcome& outcome) {
  if (outcome.passed()) return "OK\n" + resultLines(outcome.results);
  return verdictLine(outcome) + "\n-1\n";
}
