#include "report.h"

#include "../check/assertion.h"

namespace {

std::string successForm(const ResultList& results) {
  std::string text = "OK\n" + toDecimal(static_cast<std::int64_t>(results.size())) + "\n";
  for (const TestResult& result : results) {
    text += toDecimal(result.number);
    text += ' ';
    text += toDecimal(result.moveCount);
    text += '\n';
  }
  return text;
}

std::string assertionForm(const EAssertion& failure) {
  return "Napaka [Zvn22Barvotok:" + toDecimal(failure.line) + "]: " + failure.message + "\n-1\n";
}

std::string unexpectedErrorForm() { return std::string(UNEXPECTED_ERROR_MESSAGE) + "\n-1\n"; }

}  // namespace

std::string reportOf(const std::function<ResultList()>& run, ReportVerdict* verdict) {
  ReportVerdict given;
  std::string report;
  try {
    report = successForm(run());
  } catch (const EAssertion& failure) {
    given = {ReportVerdict::Form::Assertion, failure.line};
    report = assertionForm(failure);
  } catch (...) {
    given = {ReportVerdict::Form::UnexpectedError, 0};
    report = unexpectedErrorForm();
  }
  if (verdict != nullptr) *verdict = given;
  return report;
}
