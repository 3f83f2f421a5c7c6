#include "common/section_view.h"

#include <exception>

#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "text/read_error.h"

namespace {

bool isChosen(const SectionChoice& choice, const SectionStart& start) {
  return choice.by == SectionChoice::By::position ? start.position == choice.value
                                                  : start.number == choice.value;
}

// Keeps the first section of the walk that the choice names, and records
// the evaluator's replay of it.
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
    view_->replay = FloodTurns(start.testCase->w * start.testCase->h);
  }

  FloodRecorder* recorderFor(const SectionStart& start) override {
    return isThis(start) ? &view_->replay : nullptr;
  }

  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    if (!isThis(start)) return;
    view_->verdict = EvaluationOutcome(ResultList{{start.number, solution.moveCount}});
    keepPlayedMoves(solution);
  }

  void sectionFailed(const SectionStart& start, const Solution& solution,
                     const EAssertion& failure) override {
    if (!isThis(start)) return;
    SectionView& view = *view_;
    view.verdict = EvaluationOutcome(failure);
    view.badMove = failure.facts.badMove;
    view.firstUnflooded = failure.facts.unflooded;
    keepPlayedMoves(solution);
  }

  std::optional<SectionView> view_;
  std::int32_t sections_ = 0;

 private:
  bool isThis(const SectionStart& start) const { return view_ && view_->position == start.position; }

  // The replay told one step for the start and one for each move it played.
  void keepPlayedMoves(const Solution& solution) {
    const std::size_t steps = view_->replay.absorbed().size();
    const std::size_t played = steps == 0 ? 0 : steps - 1;
    view_->playedMoves.assign(solution.moves.begin(),
                              solution.moves.begin() + static_cast<std::ptrdiff_t>(played));
  }

  SectionChoice choice_;
};

}  // namespace

SectionView viewSection(const TestSet& testSet, std::istream& submission, SectionChoice choice) {
  ChosenSection chosen(choice);
  std::exception_ptr readError;
  EvaluationOutcome whole = outcomeOf([&] {
    try {
      return evaluateSubmission(testSet, submission, &chosen);
    } catch (const ReadError&) {
      readError = std::current_exception();
      throw;
    }
  });
  // A file that could not be read is no verdict to show: the caller says so.
  if (readError) std::rethrow_exception(readError);
  if (chosen.view_) {
    chosen.view_->whole = std::move(whole);
    return std::move(*chosen.view_);
  }
  if (!whole.passed()) {
    const EAssertion* stop = whole.failure();
    const std::string where = stop == nullptr ? std::string("the evaluation fails")
                              : chosen.sections_ == 0 && stop->facts.fileLine <= 2
                                  ? std::string("the submission's header fails")
                                  : "the evaluation stops at line " + toDecimal(stop->facts.fileLine);
    throw SectionUnavailable{where + ": " + verdictLine(whole)};
  }
  if (choice.by == SectionChoice::By::position) {
    throw SectionUnavailable{"the submission has " + toDecimal(chosen.sections_) + " sections, not " +
                             toDecimal(choice.value)};
  }
  throw SectionUnavailable{"no section answers test case " + toDecimal(choice.value)};
}
