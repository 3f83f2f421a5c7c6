#include "contest/judge/submission_judge.h"

#include "contest/database/verdict_text.h"
#include "driver/evaluation_run.h"

void SharedTestSet::prepareFirstFloods() {
  std::size_t cells = 0;
  for (const TestCase& testCase : testSet) cells += testCase.cells.size();
  firstFloods.emplace(2 * cells);
}

std::vector<TestCaseRecord> SharedTestSet::testCaseRecords() const {
  std::vector<TestCaseRecord> records;
  for (const TestCase& testCase : testSet)
    records.push_back({testCase.number, testCase.w, testCase.h, testCase.b});
  return records;
}

VerdictRecord judgeSubmission(const SharedTestSet& shared, std::istream& submission) {
  return judgedVerdict([&](SectionObserver& observer) {
    return evaluateSubmission(shared.testSet, *shared.firstFloods, submission, &observer);
  });
}
