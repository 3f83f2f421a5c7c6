#include "common/checked_test_set.h"

#include <iostream>

#include "driver/report.h"
#include "testset/test_set_reader.h"

std::optional<std::string> testSetFailure(const std::function<void()>& read) {
  const EvaluationOutcome outcome = outcomeOf([&] {
    read();
    return ResultList{};
  });
  if (outcome.passed()) return std::nullopt;
  return reportOf(outcome);
}

bool readCheckedTestSet(const std::string& path, TestSet& testSet) {
  const auto failure = testSetFailure([&] { readTestSet(path, testSet); });
  if (failure) std::cerr << *failure;
  return !failure;
}
