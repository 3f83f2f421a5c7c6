#include "contest/database/judged_verdict.h"

#include <new>

namespace {

// Keeps what the walk tells of the submission's header: its contestant line.
class ContestantObserver : public SectionObserver {
 public:
  explicit ContestantObserver(std::optional<std::string>& contestant) : contestant_(contestant) {}

  void headerPassed(std::string_view contestantNumber) override {
    contestant_ = std::string(contestantNumber);
  }

 private:
  std::optional<std::string>& contestant_;
};

}  // namespace

VerdictRecord judgedVerdict(const std::function<ResultList(SectionObserver&)>& evaluate) {
  std::optional<std::string> contestant;
  ContestantObserver observer(contestant);
  EvaluationOutcome outcome = outcomeOf([&] { return evaluate(observer); });
  // The judge's own fault is no contestant's verdict.
  if (outcome.memoryExhausted()) throw std::bad_alloc();
  return {std::move(contestant), std::move(outcome)};
}
