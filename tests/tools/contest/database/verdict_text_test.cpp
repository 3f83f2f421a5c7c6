#include "contest/database/verdict_text.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "check/assertion.h"

namespace {

// The verdict of each outcome, as the evaluator's own frame gives it.
TEST(VerdictText, NamesEachOutcome) {
  EXPECT_EQ(verdictText(outcomeOf([] { return ResultList{{3, 14}}; })), "OK");
  EXPECT_EQ(verdictText(outcomeOf([]() -> ResultList { failCheck(Check::SizeLineMissing, "m"); })),
            std::to_string(checkLine(Check::SizeLineMissing)));
  EXPECT_EQ(verdictText(outcomeOf([]() -> ResultList { throw std::bad_alloc(); })), "unexpected");
}

// Memory that runs out is the judge's fault, never a contestant's verdict.
TEST(VerdictText, ExhaustedMemoryIsNoVerdict) {
  EXPECT_TRUE(outcomeOf([]() -> ResultList { throw std::bad_alloc(); }).memoryExhausted);
  EXPECT_FALSE(outcomeOf([]() -> ResultList { throw std::runtime_error("other"); }).memoryExhausted);
  EXPECT_THROW(judgedVerdict([](SectionObserver&) -> ResultList { throw std::bad_alloc(); }), std::bad_alloc);
}

}  // namespace
