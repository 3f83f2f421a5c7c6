#include "visualise/section_view.h"

#include "driver/evaluation_run.h"
#include "driver/report.h"

namespace {

bool isChosen(const SectionChoice& choice, const SectionStart& start) {
  return choice.by == SectionChoice::By::position ? start.position == choice.value
                                                  : start.number == choice.value;
}

// Keeps the first section of the walk that the choice names.
class ChosenSection : public SectionObserver {
 public:
  explicit ChosenSection(SectionChoice choice) : choice_(choice) {}

  void sectionStarted(const SectionStart& start) override {
    sections_ = start.position;
    if (view_ || !isChosen(choice_, start)) return;
    view_.emplace();
    view_->position = start.position;
    view_->firstLine = start.firstLine;
    view_->testCase = start.testCase;
    chosenPosition_ = start.position;
  }

  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    if (start.position != chosenPosition_) return;
    view_->replayed = true;
    view_->verdict.passed = true;
    view_->playedMoves = solution.moves;
    view_->verdict.report = reportOf([&] { return ResultList{{start.number, solution.moveCount}}; });
  }

  void sectionFailed(const SectionStart& start, const Solution& solution,
                     const EAssertion& failure) override {
    failure_ = failure;
    if (start.position != chosenPosition_) return;
    SectionView& view = *view_;
    view.verdict.checkLine = failure.line;
    view.verdict.message = failure.message;
    view.verdict.report = reportOf([&]() -> ResultList { throw failure; });
    view.badMove = failure.facts.badMove;
    view.firstUnflooded = failure.facts.unflooded;
    view.replayed = view.badMove || view.firstUnflooded;
    if (view.badMove) {
      view.playedMoves.assign(solution.moves.begin(), solution.moves.begin() + (view.badMove->turn - 1));
    } else if (view.firstUnflooded) {
      view.playedMoves = solution.moves;
    }
  }

  std::optional<SectionView> view_;
  std::optional<EAssertion> failure_;
  std::int32_t sections_ = 0;

 private:
  SectionChoice choice_;
  std::int32_t chosenPosition_ = 0;
};

}  // namespace

SectionView viewSection(const TestSet& testSet, std::istream& submission, SectionChoice choice) {
  ChosenSection chosen(choice);
  std::optional<EAssertion> stop;
  try {
    evaluateSubmission(testSet, submission, &chosen);
  } catch (const EAssertion& failure) {
    stop = failure;
  }
  if (chosen.view_) return *chosen.view_;
  if (stop) {
    const std::string where = chosen.sections_ == 0 && stop->facts.fileLine <= 2
                                  ? std::string("the submission's header fails")
                                  : "the evaluation stops at line " + toDecimal(stop->facts.fileLine);
    throw SectionUnavailable(where + ": " + failureReportLine(*stop));
  }
  if (choice.by == SectionChoice::By::position) {
    throw SectionUnavailable("the submission has " + toDecimal(chosen.sections_) + " sections, not " +
                             toDecimal(choice.value));
  }
  throw SectionUnavailable("no section answers test case " + toDecimal(choice.value));
}

std::string failureReportLine(const EAssertion& failure) {
  const std::string report = reportOf([&]() -> ResultList { throw failure; });
  return report.substr(0, report.find('\n'));
}
