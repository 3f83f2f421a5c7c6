#include "contest/report_form.h"

#include <gtest/gtest.h>

#include "check/assertion.h"
#include "driver/report.h"

namespace {

TEST(VerdictOf, ReadsEachFormOfReport) {
  struct Case {
    std::string report;
    std::string verdict;
  };
  const std::vector<Case> cases = {
      {"OK\n0\n", "OK"},
      {"OK\n2\n1 5\n2 7\n", "OK"},
      {"Napaka [Zvn22Barvotok:190]: premalo potez\n-1\n", "190"},
      {"Napaka [Zvn22Barvotok:7]: x ] y\n-1\n", "7"},
      {std::string(UNEXPECTED_ERROR_MESSAGE) + "\n-1\n", "unexpected"},
      // Nothing the evaluator writes, so nothing to trust: never a verdict that scores.
      {"", "unexpected"},
      {"OK", "unexpected"},
      {"Napaka [Zvn22Barvotok:]: x\n-1\n", "unexpected"},
      {"Napaka [Zvn22Barvotok:12a]: x\n-1\n", "unexpected"},
      {"Napaka [Zvn22Barvotok:12", "unexpected"},
  };
  for (const Case& c : cases) EXPECT_EQ(verdictOf(c.report), c.verdict) << c.report;
}

// The forms as the evaluator's own frame writes them, so that a change of
// form there shows here.
TEST(VerdictOf, ReadsTheFramesReports) {
  EXPECT_EQ(verdictOf(reportOf([] { return ResultList{{3, 14}}; })), "OK");
  EXPECT_EQ(verdictOf(reportOf([]() -> ResultList { failCheck(Check::SizeLineMissing, "m"); })),
            std::to_string(checkLine(Check::SizeLineMissing)));
  EXPECT_EQ(verdictOf(reportOf([]() -> ResultList { throw std::bad_alloc(); })), "unexpected");
}

}  // namespace
