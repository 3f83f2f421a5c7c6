// A read error in either file ends the evaluation with the unexpected-error
// form, never with a verdict on the part that was read.

#include <gtest/gtest.h>

#include <string>

#include "check/assertion.h"
#include "support/evaluate_in_memory.h"
#include "support/failing_stream.h"

namespace {

// Test case 1: 3 x 2 in 2 colours, solved by "2 1"; test case 2: one cell.
const std::string INPUT = "Barvotok\n2\n\n1\n3 2 2\n1 2 1\n2 2 1\n\n2\n1 1 1\n1\n";
const std::string SUBMISSION = "123456\nBarvotok\n1\n2\n2 1\n\n2\n0\n\n";

struct FailurePoint {
  const char* where;
  bool inSubmission;
  std::size_t goodBytes;  // the bytes read before the failure
};

void PrintTo(const FailurePoint& point, std::ostream* out) { *out << point.where; }

std::string reportWithFailure(const FailurePoint& point) {
  FailingStream input(INPUT, point.inSubmission ? INPUT.size() : point.goodBytes);
  FailingStream submission(SUBMISSION, point.inSubmission ? point.goodBytes : SUBMISSION.size());
  return reportOf(outcomeOf([&] { return runEvaluation(input, submission); }));
}

TEST(ReadErrors, NoneInjectedGivesTheVerdict) {
  EXPECT_EQ(reportWithFailure({"nowhere", true, SUBMISSION.size()}), "OK\n2\n1 2\n2 0\n");
}

class ReadErrors : public ::testing::TestWithParam<FailurePoint> {};

TEST_P(ReadErrors, EndTheEvaluationWithTheUnexpectedErrorForm) {
  EXPECT_EQ(reportWithFailure(GetParam()), std::string(UNEXPECTED_ERROR_MESSAGE) + "\n-1\n");
}

INSTANTIATE_TEST_SUITE_P(
    BothFiles, ReadErrors,
    ::testing::Values(FailurePoint{"InputFirstByte", false, 0},         // would be "first line missing"
                      FailurePoint{"InputTaskName", false, 4},          // would be a wrong task name
                      FailurePoint{"InputAfterFirstCase", false, 32},   // would be a missing block
                      FailurePoint{"InputLastByte", false, 42},         // would be OK: the last row is whole
                      FailurePoint{"SubmissionFirstByte", true, 0},     // would be "no contestant number"
                      FailurePoint{"SubmissionAfterHeader", true, 16},  // would be OK with no results
                      FailurePoint{"SubmissionAfterFirstSection", true, 25},  // OK with one result
                      FailurePoint{"SubmissionInLastSection", true, 28}));    // would miss its moves line

}  // namespace
