#include "evaluation_run.h"

#include "../submission/solution.h"
#include "../submission/submission_checks.h"
#include "../testset/test_set_reader.h"
#include "../text/line_source.h"

ResultList evaluateSubmission(const TestSet& testSet, std::istream& submission) {
  ResultList results;
  LineCounter lineCounter = 0;
  checkSubmissionHeader(submission, lineCounter);

  FloodReplay replay;  // lends its storage to every section in turn
  PassedSections passed;
  std::string line;
  while (readSectionStart(submission, lineCounter, line)) {
    std::int32_t number = 0;
    const TestCase& answered = findAnsweredTestCase(testSet, line, lineCounter, number);
    Solution solution;
    solution.readAndCheck(submission, lineCounter, number, answered, replay, &passed);
    results.push_back({number, solution.moveCount});
  }
  return results;
}

ResultList runEvaluation(std::istream& input, std::istream& submission) {
  TestSet testSet;
  readTestSet(input, testSet);
  return evaluateSubmission(testSet, submission);
}

ResultList runEvaluation(const std::string& inputFileName, const std::string& submissionFileName) {
  TestSet testSet;
  readTestSet(inputFileName, testSet);
  // Opened only once the whole test set has been read and checked.
  std::ifstream submission = openInput(submissionFileName);
  return evaluateSubmission(testSet, submission);
}
