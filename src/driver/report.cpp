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
  if (outcome.passed()) return "OK";
  if (const EAssertion* failure = outcome.failure()) {
    return "Napaka [Zvn22Barvotok:" + toDecimal(failure->line) + "]: " + failure->message;
  }
  return std::string(UNEXPECTED_ERROR_MESSAGE);
}

std::string reportOf(const EvaluationOutcome& outcome) {
  if (const ResultList* results = outcome.results()) return "OK\n" + resultLines(*results);
  return verdictLine(outcome) + "\n-1\n";
}
