#include "common/checked_test_set.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <string_view>

#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "driver/report.h"
#include "testset/test_set_reader.h"
#include "text/read_error.h"

bool readCheckedTestSet(const std::string& name, TestSet& testSet, std::string* failure) {
  ToolInput input(name);
  return readCheckedTestSet(input.stream(), name, testSet, failure);
}

bool readCheckedTestSet(std::istream& input, const std::string& name, TestSet& testSet,
                        std::string* failure) {
  std::optional<std::string> readError;  // the outcome would hide it as an unexpected error
  const EvaluationOutcome outcome = outcomeOf([&] {
    try {
      readTestSet(input, testSet);
    } catch (const ReadError& error) {
      readError = error.what();
      throw;
    }
    return ResultList{};
  });
  if (readError) throw fileFailure("cannot read", name, *readError);
  if (outcome.passed()) return true;
  std::string report = reportOf(outcome);
  showReport(report);
  if (failure != nullptr) *failure = std::move(report);
  return false;
}

void showReport(const std::string& report) {
  std::string_view rest = report;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    std::cerr << terminalText(rest.substr(0, end)) << '\n';
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
}
