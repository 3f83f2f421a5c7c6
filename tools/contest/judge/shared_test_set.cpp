#include "contest/judge/shared_test_set.h"

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
