#pragma once

#include <optional>

#include "contest/database/records.h"
#include "submission/first_floods.h"
#include "testset/test_case.h"

// What every judging thread shares: the checked test set, which they only
// read, and its test cases' first floods, each computed once for them all.
struct SharedTestSet {
  TestSet testSet;
  // Synchronised within; kept to about two bytes per test-set cell, so that
  // the states never outweigh the test set itself.
  mutable std::optional<FirstFloods> firstFloods;

  // Makes the first floods' store, sized to the test set just read.
  void prepareFirstFloods();

  // The test cases as the results database records them.
  std::vector<TestCaseRecord> testCaseRecords() const;
};
