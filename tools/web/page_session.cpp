#include "web/page_session.h"

#include <chrono>

#include "common/page_data.h"
#include "common/section_view.h"
#include "driver/evaluation_run.h"
#include "testset/test_set_reader.h"
#include "text/line_source.h"

namespace {

// Keeps every section's row and tells the page how far the walk has come,
// at most every 100 ms. The clock is read every 256th section only: in a
// browser each reading leaves the WebAssembly.
class SectionRows : public SectionObserver {
 public:
  SectionRows(std::vector<SectionRow>& rows, std::istream& submission, const JudgeProgress& progress)
      : rows_(rows), submission_(submission), progress_(progress) {}

  void sectionStarted(const SectionStart& start) override {
    if (!progress_ || start.position % 256 != 0) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - told_ < std::chrono::milliseconds(100)) return;
    told_ = now;
    progress_(start.position, static_cast<std::int64_t>(submission_.tellg()));
  }

  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    rows_.push_back({start.position, start.number, solution.moveCount});
  }

  void sectionFailed(const SectionStart& start, const Solution&, const EAssertion&) override {
    rows_.push_back({start.position, start.number, -1});
  }

 private:
  std::vector<SectionRow>& rows_;
  std::istream& submission_;
  const JudgeProgress& progress_;
  std::chrono::steady_clock::time_point told_ = std::chrono::steady_clock::now();
};

}  // namespace

const EvaluationOutcome& PageSession::readTestSet(const std::string& inputName,
                                                  const std::string& shownName) {
  testSet_.clear();
  inputShown_ = shownName;
  testSetOutcome_ = outcomeOf([&] {
    InputFile input = openInputFile(inputName);
    ::readTestSet(input.stream, testSet_);
    return ResultList{};
  });
  if (!testSetOutcome_.passed()) testSet_.clear();
  return testSetOutcome_;
}

const EvaluationOutcome& PageSession::judge(const std::string& submissionName, const std::string& shownName,
                                            const JudgeProgress& progress) {
  sections_.clear();
  submissionName_ = submissionName;
  submissionShown_ = shownName;
  if (!testSetOutcome_.passed()) {
    outcome_ = testSetOutcome_;
    return outcome_;
  }
  outcome_ = outcomeOf([&] {
    InputFile submission = openInputFile(submissionName);
    SectionRows rows(sections_, submission.stream, progress);
    return evaluateSubmission(testSet_, submission.stream, &rows);
  });
  return outcome_;
}

std::string PageSession::sectionData(std::int32_t position) const {
  InputFile submission = openInputFile(submissionName_);
  const SectionView view = viewSection(testSet_, submission.stream, {SectionChoice::By::position, position});
  return pageData(view, {inputShown_, submissionShown_});
}
