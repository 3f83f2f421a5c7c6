#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "driver/outcome.h"
#include "testset/test_case.h"

// One section as the walk over the submission left it: its place, its test
// case and its number of moves, or -1 where it failed.
struct SectionRow {
  std::int32_t position = 0;
  std::int32_t number = 0;
  std::int32_t moveCount = -1;
};

// Told now and then while a submission is judged: the sections met so far
// and the submission's bytes read so far.
using JudgeProgress = std::function<void(std::int32_t sections, std::int64_t bytesRead)>;

// The contestant's page judges through one of these, in its worker: the test
// set is read and checked once, every submission dropped on the page is then
// judged against it by the evaluator's own walk, and any section met can be
// shown again with the evaluator's replay recorded. Files are read by name,
// from the worker's file system, as the evaluator reads them.
class PageSession {
 public:
  // Reads and checks the test set. Its outcome stands for every submission
  // while it fails: the evaluator stops there before it opens a submission.
  const EvaluationOutcome& readTestSet(const std::string& inputName, const std::string& shownName);
  std::size_t testCaseCount() const { return testSet_.size(); }

  // Judges a submission against the test set read last.
  const EvaluationOutcome& judge(const std::string& submissionName, const std::string& shownName,
                                 const JudgeProgress& progress);
  const std::vector<SectionRow>& sections() const { return sections_; }
  const EvaluationOutcome& outcome() const { return outcome_; }

  // The viewer's data for the section at `position` of the submission judged
  // last: the replay as the evaluator recorded it, and its verdict.
  std::string sectionData(std::int32_t position) const;

 private:
  TestSet testSet_;
  EvaluationOutcome testSetOutcome_;
  EvaluationOutcome outcome_;
  std::vector<SectionRow> sections_;
  std::string inputShown_;
  std::string submissionName_;
  std::string submissionShown_;
};
