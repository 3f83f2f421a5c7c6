#include "contest/database/verdict_text.h"

#include <gtest/gtest.h>

#include <new>

#include "check/assertion.h"

namespace {

// The verdict of each form, as the evaluator's own frame gives it.
TEST(VerdictText, NamesEachFormOfReport) {
  ReportVerdict verdict;
  EXPECT_EQ(reportOf([] { return ResultList{{3, 14}}; }, &verdict), "OK\n1\n3 14\n");
  EXPECT_EQ(verdictText(verdict), "OK");
  reportOf([]() -> ResultList { failCheck(Check::SizeLineMissing, "m"); }, &verdict);
  EXPECT_EQ(verdictText(verdict), std::to_string(checkLine(Check::SizeLineMissing)));
  reportOf([]() -> ResultList { throw std::bad_alloc(); }, &verdict);
  EXPECT_EQ(verdictText(verdict), "unexpected");
}

}  // namespace
