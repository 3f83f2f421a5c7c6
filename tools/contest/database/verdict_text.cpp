#include "contest/database/verdict_text.h"

#include <algorithm>
#include <charconv>
#include <new>

#include "check/assertion.h"
#include "common/escaped_bytes.h"
#include "driver/report.h"

namespace {

std::optional<Check> checkOfLine(std::string_view text) {
  std::int32_t line = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), line);
  if (error != std::errc() || end != text.data() + text.size() || text.starts_with('0')) return std::nullopt;
  const auto* found = std::find_if(std::begin(CHECKS), std::end(CHECKS),
                                   [&](const CheckInfo& info) { return checkLine(info.check) == line; });
  if (found == std::end(CHECKS)) return std::nullopt;
  return found->check;
}

// The report a verdict has, rendered from its outcome: whole for the
// success and the unexpected-error forms, up to its message for a check.
std::string expectedReport(const VerdictRecord& record, std::optional<Check> check) {
  EvaluationOutcome outcome;
  if (check) {
    outcome.verdict = EvaluationOutcome::Verdict::FailedCheck;
    outcome.failure.emplace("", std::string(CHECK_FILE), checkLine(*check));
    return verdictLine(outcome);
  }
  if (record.verdict == VERDICT_UNEXPECTED) {
    outcome.verdict = EvaluationOutcome::Verdict::UnexpectedError;
  } else {
    for (const SectionRecord& section : record.sections)
      outcome.results.push_back({section.testCase, section.moves});
  }
  return reportOf(outcome);
}

// Keeps what the walk tells of the submission's header: its contestant line.
class VerdictObserver : public SectionObserver {
 public:
  explicit VerdictObserver(VerdictRecord& record) : record_(record) {}

  void headerPassed(std::string_view contestantNumber) override {
    record_.contestant = std::string(contestantNumber);
  }

 private:
  VerdictRecord& record_;
};

}  // namespace

VerdictRecord judgedVerdict(const std::function<ResultList(SectionObserver&)>& evaluate) {
  VerdictRecord record;
  VerdictObserver observer(record);
  const EvaluationOutcome outcome = outcomeOf([&] { return evaluate(observer); });
  // The judge's own fault is no contestant's verdict.
  if (outcome.memoryExhausted) throw std::bad_alloc();
  record.report = reportOf(outcome);
  record.verdict = verdictText(outcome);
  // A failed submission scores nothing: only a success has result lines.
  for (std::size_t i = 0; i < outcome.results.size(); ++i) {
    const TestResult& result = outcome.results[i];
    record.sections.push_back({static_cast<std::int32_t>(i + 1), result.number, result.moveCount});
  }
  return record;
}

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

std::optional<std::string> verdictFault(const VerdictRecord& record, std::size_t reportLength) {
  const std::optional<Check> check = checkOfLine(record.verdict);
  const bool passed = record.verdict == VERDICT_OK;
  if (!check && !passed && record.verdict != VERDICT_UNEXPECTED) {
    return "its verdict '" + terminalText(record.verdict) + "' is none that the judge gives";
  }
  if (!passed && !record.sections.empty()) return "it has sections beside the verdict " + record.verdict;
  const std::string expected = expectedReport(record, check);
  const bool whole = !check;
  if (!record.report.starts_with(expected) || (whole && reportLength != expected.size())) {
    return "its report is not of the verdict " + record.verdict;
  }
  return std::nullopt;
}
