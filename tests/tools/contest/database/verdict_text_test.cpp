#include "contest/database/verdict_text.h"

#include <gtest/gtest.h>

#include <new>

#include "check/assertion.h"

namespace {

// The verdict of each outcome, as the evaluator's own frame gives it.
TEST(VerdictText, NamesEachOutcome) {
  EXPECT_EQ(verdictText(outcomeOf([] { return ResultList{{3, 14}}; })), "OK");
  EXPECT_EQ(verdictText(outcomeOf([]() -> ResultList { failCheck(Check::SizeLineMissing, "m"); })),
            std::to_string(checkLine(Check::SizeLineMissing)));
  EXPECT_EQ(verdictText(outcomeOf([]() -> ResultList { throw std::bad_alloc(); })), "unexpected");
}

}  // namespace
