#include "contest/database/judged_verdict.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "check/assertion.h"

namespace {

// Memory that runs out is the judge's fault, never a contestant's verdict.
TEST(JudgedVerdict, ExhaustedMemoryIsNoVerdict) {
  EXPECT_TRUE(outcomeOf([]() -> ResultList { throw std::bad_alloc(); }).memoryExhausted());
  EXPECT_FALSE(outcomeOf([]() -> ResultList { throw std::runtime_error("other"); }).memoryExhausted());
  EXPECT_THROW(judgedVerdict([](SectionObserver&) -> ResultList { throw std::bad_alloc(); }), std::bad_alloc);
}

}  // namespace
