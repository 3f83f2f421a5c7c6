#include "contest/database/verdict_text.h"

std::string verdictText(const ReportVerdict& verdict) {
  switch (verdict.form) {
    case ReportVerdict::Form::Success:
      return std::string(VERDICT_OK);
    case ReportVerdict::Form::Assertion:
      return std::to_string(verdict.checkLine);
    case ReportVerdict::Form::UnexpectedError:
      break;
  }
  return std::string(VERDICT_UNEXPECTED);
}
