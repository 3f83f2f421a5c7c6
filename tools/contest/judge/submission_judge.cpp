#include "contest/judge/submission_judge.h"

#include "contest/database/verdict_text.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "driver/section_observer.h"

namespace {

// Keeps what the walk tells of the submission: its contestant line and the
// sections that passed.
class JudgementObserver : public SectionObserver {
 public:
  explicit JudgementObserver(Judgement& judgement) : judgement_(judgement) {}

  void headerPassed(std::string_view contestantNumber) override {
    judgement_.contestant = std::string(contestantNumber);
  }

  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    judgement_.sections.push_back({start.position, start.number, solution.moveCount});
  }

 private:
  Judgement& judgement_;
};

}  // namespace

void SharedTestSet::prepareFirstFloods() {
  std::size_t cells = 0;
  for (const TestCase& testCase : testSet) cells += testCase.cells.size();
  firstFloods.emplace(2 * cells);
}

Judgement judgeSubmission(const SharedTestSet& shared, std::istream& submission) {
  Judgement judgement;
  JudgementObserver observer(judgement);
  const EvaluationOutcome outcome = outcomeOf(
      [&] { return evaluateSubmission(shared.testSet, *shared.firstFloods, submission, &observer); });
  judgement.report = reportOf(outcome);
  judgement.verdict = verdictText(outcome);
  // A failed submission scores nothing, so its sections are not results.
  if (!outcome.passed()) judgement.sections.clear();
  return judgement;
}
