#include "text/leading_int.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

namespace {

struct Scan {
  std::string line;
  std::optional<std::int32_t> number;
};

void PrintTo(const Scan& scan, std::ostream* out) { *out << ::testing::PrintToString(scan.line); }

class ScanLeadingInt : public ::testing::TestWithParam<Scan> {};

TEST_P(ScanLeadingInt, ReadsLikeAPercentDScan) {
  EXPECT_EQ(scanLeadingInt(GetParam().line), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScanLeadingInt,
    ::testing::Values(Scan{"3", 3}, Scan{"3 test cases", 3}, Scan{"  3", 3}, Scan{"+3", 3}, Scan{"-1", -1},
                      Scan{"\t\r\v7x", 7}, Scan{"12a456", 12}, Scan{"007", 7}, Scan{"2147483647", 2147483647},
                      Scan{"-2147483648", INT32_MIN}, Scan{std::string(100, '0') + "2147483647", 2147483647},
                      // No digit at the start: no number.
                      Scan{"", std::nullopt}, Scan{"   ", std::nullopt}, Scan{"x", std::nullopt},
                      Scan{"+", std::nullopt}, Scan{"- 5", std::nullopt}, Scan{"+-5", std::nullopt},
                      // Outside the 32-bit range: no number rather than a wrapped one.
                      Scan{"2147483648", std::nullopt}, Scan{"-2147483649", std::nullopt},
                      Scan{"4294967297", std::nullopt},
                      Scan{std::string(100, '0') + "2147483648", std::nullopt},
                      Scan{std::string(5000, '9'), std::nullopt}));

}  // namespace
