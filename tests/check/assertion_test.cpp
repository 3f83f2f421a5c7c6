#include "check/assertion.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ToDecimal, WritesAsPercentD) {
  EXPECT_EQ(toDecimal(0), "0");
  EXPECT_EQ(toDecimal(-1), "-1");
  EXPECT_EQ(toDecimal(INT32_MAX), "2147483647");
  EXPECT_EQ(toDecimal(INT32_MIN), "-2147483648");
  EXPECT_EQ(toDecimal(std::int64_t{3000000000}), "3000000000");
}

TEST(RaiseAssertion, CarriesMessageFileAndLine) {
  try {
    raiseAssertion("sporocilo \"z\" narekovaji ", CHECK_FILE, 64);
    FAIL() << "raiseAssertion returned";
  } catch (const EAssertion& failure) {
    EXPECT_EQ(failure.message, "sporocilo \"z\" narekovaji ");
    EXPECT_EQ(failure.file, CHECK_FILE);
    EXPECT_EQ(failure.line, 64);
  }
}

TEST(UnexpectedErrorMessage, IsTheFixedText) { EXPECT_EQ(UNEXPECTED_ERROR_MESSAGE.size(), 72u); }
