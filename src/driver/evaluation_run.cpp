#include "evaluation_run.h"

#include "../submission/first_floods.h"
#include "../submission/passed_sections.h"
#include "../submission/solution.h"
#include "../submission/submission_checks.h"
#include "../testset/test_set_reader.h"
#include "../text/line_source.h"

namespace {

// Everything the walk keeps from section to section.
struct Walk {
  const TestSet& testSet;
  std::istream& submission;
  SectionObserver* observer;
  WorkingGrids grids;
  LineCounter lineCounter = 0;
  PassedSections passed;
  // The storage of the last section's moves, lent to the next one's, so
  // that long sections do not grow a new list each (at most w*h moves).
  std::vector<std::int32_t> lentMoves;
};

std::int32_t judgeSection(Walk& walk, const SectionStart& start) {
  FloodRecorder* recorder = walk.observer != nullptr ? walk.observer->recorderFor(start) : nullptr;
  walk.grids.record(recorder);
  Solution solution;
  solution.moves = std::move(walk.lentMoves);  // its storage only: readAndCheck empties it
  try {
    // A watched section is replayed even when it repeats a passed one.
    withFileLine(walk.lineCounter, [&] {
      solution.readAndCheck(walk.submission, walk.lineCounter, start.number, *start.testCase, walk.grids,
                            recorder == nullptr ? &walk.passed : nullptr);
    });
  } catch (const EAssertion& failure) {
    if (walk.observer != nullptr) walk.observer->sectionFailed(start, solution, failure);
    throw;
  }
  if (walk.observer != nullptr) walk.observer->sectionPassed(start, solution);
  walk.lentMoves = std::move(solution.moves);
  return solution.moveCount;
}

ResultList walkSections(Walk& walk) {
  ResultList results;
  const std::string contestantNumber = checkSubmissionHeader(walk.submission, walk.lineCounter);
  if (walk.observer != nullptr) walk.observer->headerPassed(contestantNumber);

  std::string line;
  std::int32_t position = 0;
  while (readSectionStart(walk.submission, walk.lineCounter, line)) {
    SectionStart start;
    start.position = ++position;
    start.firstLine = walk.lineCounter;
    start.testCase = &findAnsweredTestCase(walk.testSet, line, walk.lineCounter, start.number);
    if (walk.observer != nullptr) walk.observer->sectionStarted(start);
    results.push_back({start.number, judgeSection(walk, start)});
  }
  return results;
}

}  // namespace

ResultList evaluateSubmission(const TestSet& testSet, FirstFloods& firstFloods, std::istream& submission,
                              SectionObserver* observer) {
  Walk walk{testSet, submission, observer, WorkingGrids(firstFloods), 0, {}, {}};
  return withFileLine(walk.lineCounter, [&] { return walkSections(walk); });
}

ResultList evaluateSubmission(const TestSet& testSet, std::istream& submission, SectionObserver* observer) {
  FirstFloods firstFloods(FirstFloods::KEEP_NEWEST);
  return evaluateSubmission(testSet, firstFloods, submission, observer);
}

ResultList runEvaluation(std::istream& input, std::istream& submission) {
  TestSet testSet;
  readTestSet(input, testSet);
  return evaluateSubmission(testSet, submission);
}

namespace {

InputFile openTelling(const std::string& fileName, const UnopenedFile& unopened) {
  InputFile file = openInputFile(fileName);
  if (file.openError != 0 && unopened) unopened(fileName, file.openError);
  return file;
}

void readTestSetFile(const std::string& fileName, TestSet& testSet, const UnopenedFile& unopened) {
  InputFile input = openTelling(fileName, unopened);
  readingFile(fileName, [&] { readTestSet(input.stream, testSet); });
}

}  // namespace

ResultList runEvaluation(const std::string& inputFileName, const std::string& submissionFileName,
                         const UnopenedFile& unopened) {
  TestSet testSet;
  readTestSetFile(inputFileName, testSet, unopened);
  // Opened only once the whole test set has been read and checked.
  InputFile submission = openTelling(submissionFileName, unopened);
  return readingFile(submissionFileName, [&] { return evaluateSubmission(testSet, submission.stream); });
}
