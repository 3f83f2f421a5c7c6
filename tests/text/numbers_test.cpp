#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/failure_matchers.h"

namespace {

using namespace std::string_literals;

struct Accepted {
  std::string line;
  std::vector<std::int32_t> numbers;
};

void PrintTo(const Accepted& accepted, std::ostream* out) { *out << ::testing::PrintToString(accepted.line); }

class ParseNumbersAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(ParseNumbersAccepts, YieldsTheNumbersInOrder) {
  std::vector<std::int32_t> numbers{99, 98};  // earlier contents never survive
  parseNumbers(GetParam().line, numbers);
  EXPECT_EQ(numbers, GetParam().numbers);
}

INSTANTIATE_TEST_SUITE_P(Lines, ParseNumbersAccepts,
                         ::testing::Values(Accepted{"", {}}, Accepted{" \t ", {}},
                                           Accepted{" 1  2\t3 \r", {1, 2, 3}},
                                           Accepted{"0 000 007", {0, 0, 7}},
                                           Accepted{"2147483647", {2147483647}},
                                           Accepted{"002147483647", {2147483647}},
                                           Accepted{std::string(100, '0') + "2147483647", {2147483647}},
                                           Accepted{"\v1\f2\n3", {1, 2, 3}},
                                           // Runs of one-digit numbers, read four at a time, and
                                           // what breaks a run: a longer number, another blank.
                                           Accepted{"1 2 3 4 5 6 7 8 9", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                           Accepted{"1 2 3 45 6 7 8 9 0 ", {1, 2, 3, 45, 6, 7, 8, 9, 0}},
                                           Accepted{"9 9 9\t9 9 9 9 9", {9, 9, 9, 9, 9, 9, 9, 9}},
                                           Accepted{"1 2 3 4  5 6 7 8", {1, 2, 3, 4, 5, 6, 7, 8}}));

struct Rejected {
  std::string line;
  std::int32_t checkLine;
  std::string message;
};

void PrintTo(const Rejected& rejected, std::ostream* out) { *out << ::testing::PrintToString(rejected.line); }

class ParseNumbersRejects : public ::testing::TestWithParam<Rejected> {};

TEST_P(ParseNumbersRejects, WithTheExactMessage) {
  std::vector<std::int32_t> numbers;
  EXPECT_TRUE(RaisesAssertion([&] { parseNumbers(GetParam().line, numbers); }, GetParam().checkLine,
                              GetParam().message));
}

const std::string BAD = "namesto stevke se pojavlja znak s kodo ";

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseNumbersRejects,
    ::testing::Values(Rejected{"2147483648", 64, "stevilo 2147483648 je preveliko"},
                      Rejected{"21474836470", 64, "stevilo 21474836470 je preveliko"},
                      Rejected{"99999999999999", 64, "stevilo 9999999999 je preveliko"},
                      Rejected{"0000003000000000", 64, "stevilo 3000000000 je preveliko"},
                      Rejected{std::string(100, '0') + "2147483648", 64, "stevilo 2147483648 je preveliko"},
                      Rejected{"-5", 58, BAD + "45"}, Rejected{"+5", 58, BAD + "43"},
                      Rejected{"1,2", 58, BAD + "44"}, Rejected{"1.5", 58, BAD + "46"},
                      Rejected{"12a", 58, BAD + "97"}, Rejected{"1 x", 58, BAD + "120"},
                      Rejected{"\xc8", 58, BAD + "200"}, Rejected{"\xff", 58, BAD + "255"},
                      Rejected{"1\0"s + "2", 58, BAD + "0"},
                      // Within a run of one-digit numbers: the bytes next to the digits.
                      Rejected{"1 2 : 4 5 6 7 8", 58, BAD + "58"},
                      Rejected{"1 2 3 4 5 6 7 /", 58, BAD + "47"},
                      Rejected{"1 2 3 4 5 6 7 8 9 9999999999", 64, "stevilo 9999999999 je preveliko"},
                      // The first fault in reading order wins.
                      Rejected{"5 x 99999999999", 58, BAD + "120"},
                      Rejected{"99999999999 x", 64, "stevilo 9999999999 je preveliko"}));

TEST(ParseNumbers, KeepsTheNumbersBeforeABadCharacter) {
  std::vector<std::int32_t> numbers;
  EXPECT_THROW(parseNumbers("1,2", numbers), EAssertion);
  EXPECT_EQ(numbers, std::vector<std::int32_t>{1});
}

}  // namespace
