#include "contest/database/verdict_text.h"

#include <algorithm>
#include <charconv>

#include "check/assertion.h"
#include "common/escaped_bytes.h"

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

// The report a verdict has, rendered by the evaluator's own frame: whole for
// the success and the unexpected-error forms, up to its message for a check.
std::string expectedReport(const VerdictRecord& record, std::optional<Check> check) {
  if (check) {
    const std::string form = reportOf([&]() -> ResultList { failCheck(*check, ""); });
    return form.substr(0, form.find('\n'));
  }
  if (record.verdict == VERDICT_UNEXPECTED) {
    return reportOf([]() -> ResultList { throw std::runtime_error("unexpected"); });
  }
  ResultList results;
  for (const SectionRecord& section : record.sections) results.push_back({section.testCase, section.moves});
  return reportOf([&] { return results; });
}

// Keeps what the walk tells of the submission: its contestant line and the
// sections that passed.
class VerdictObserver : public SectionObserver {
 public:
  explicit VerdictObserver(VerdictRecord& record) : record_(record) {}

  void headerPassed(std::string_view contestantNumber) override {
    record_.contestant = std::string(contestantNumber);
  }

  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    record_.sections.push_back({start.position, start.number, solution.moveCount});
  }

 private:
  VerdictRecord& record_;
};

}  // namespace

VerdictRecord judgedVerdict(const std::function<ResultList(SectionObserver&)>& evaluate) {
  VerdictRecord record;
  VerdictObserver observer(record);
  ReportVerdict verdict;
  record.report = reportOf([&] { return evaluate(observer); }, &verdict);
  record.verdict = verdictText(verdict);
  // A failed submission scores nothing, so its sections are not results.
  if (record.verdict != VERDICT_OK) record.sections.clear();
  return record;
}

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
