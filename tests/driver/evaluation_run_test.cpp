// The evaluation run over whole submissions, in memory, down to the report's bytes.
#include "driver/evaluation_run.h"

#include <gtest/gtest.h>

#include <new>
#include <string>

#include "check/assertion.h"
#include "support/evaluate_in_memory.h"

namespace {

using namespace std::string_literals;

// Test case 1: 3 x 2 in 2 colours, solved by "2 1"; test case 2: one cell.
const std::string INPUT = "Barvotok\n2\n\n1\n3 2 2\n1 2 1\n2 2 1\n\n2\n1 1 1\n1\n";

class Runs : public ::testing::TestWithParam<ReportCase> {};

TEST_P(Runs, GiveTheExactReport) { EXPECT_EQ(reportFor(INPUT, GetParam().submission), GetParam().report); }

const std::string H = "123456\nBarvotok\n";

INSTANTIATE_TEST_SUITE_P(
    Submissions, Runs,
    ::testing::Values(
        ReportCase{"HeaderOnly", H, "OK\n0\n"}, ReportCase{"HeaderAndEmptyLines", H + "\n\n\n", "OK\n0\n"},
        ReportCase{"HeaderWithoutLineEnd", "123456\nBarvotok", "OK\n0\n"},
        ReportCase{"SubmissionOrderAndRepeats", H + "\n2\n0\n\n\n1\n2\n2 1\n2\n1\n1\n\n",
                   "OK\n3\n2 0\n1 2\n2 1\n"},
        ReportCase{"ExactRepeatsEachGiveAResult", H + "1\n2\n2 1\n1\n2\n2 1\n\n1\n2\n2 1\n",
                   "OK\n3\n1 2\n1 2\n1 2\n"},
        ReportCase{
            "SameMovesOnAnotherTestCaseAreReplayed", H + "2\n1\n1\n1\n1\n1\n",
            failureReport(190,
                          "na koncu barvanj je 2. celica v 1. vrstici druge barve kot tista v zgornjem "
                          "levem kotu mreze")},
        ReportCase{"SignedAndTrailingTextOnNumberLine", H + "+1 and more\n2\n2 1\n 2x\n0\n\n",
                   "OK\n2\n1 2\n2 0\n"},
        ReportCase{"Empty", "", failureReport(218, "manjka stevilka tekmovalca")},
        ReportCase{"FiveDigits", "12345\nBarvotok\n",
                   failureReport(219, "stevilka tekmovalca bi morala imeti 6 stevk")},
        ReportCase{"SevenDigits", "1234567\nBarvotok\n",
                   failureReport(219, "stevilka tekmovalca bi morala imeti 6 stevk")},
        ReportCase{"SixLetters", "abcdef\nBarvotok\n",
                   failureReport(221, "v prvi vrstici bi morala biti stevilka tekmovalca, ne pa \"abcdef\"")},
        ReportCase{"SignAndFiveDigits", "-12345\nBarvotok\n", "OK\n0\n"},
        ReportCase{"DigitsThenLetter", "12a456\nBarvotok\n", "OK\n0\n"},
        ReportCase{"SixDigitsCrLf", "123456\r\nBarvotok\r\n", "OK\n0\n"},
        ReportCase{"NoTaskName", "123456\n", failureReport(222, "manjka druga vrstica")},
        ReportCase{"TaskNameInCapitals", "123456\nBARVOTOK\n",
                   failureReport(223, "v drugi vrstici bi moral biti niz \"Barvotok\", ne pa \"BARVOTOK\"")},
        ReportCase{"TaskNameWithTrailingBlank", "123456\nBarvotok \n",
                   failureReport(223, "v drugi vrstici bi moral biti niz \"Barvotok\", ne pa \"Barvotok \"")},
        ReportCase{"BlankNumberLine", H + "  \n",
                   failureReport(231, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"  \"")},
        ReportCase{
            "QuotesAndNulQuotedAsRead", H + "\n\"a\0\xff\" \n"s,
            failureReport(231,
                          "v 4. vrstici bi morala biti stevilka testnega primera, ne pa \"\"a\0\xff\" \""s)},
        ReportCase{"ZeroNumber", H + "0\n",
                   failureReport(233, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: 0")},
        ReportCase{"NegativeNumber", H + "-1\n",
                   failureReport(233, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: -1")},
        ReportCase{
            "SmallestNumber", H + "-2147483648\n",
            failureReport(233, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: -2147483648")},
        ReportCase{
            "NumberPast32Bits", H + "4294967297\n",
            failureReport(231,
                          "v 3. vrstici bi morala biti stevilka testnega primera, ne pa \"4294967297\"")},
        ReportCase{"UnknownAfterGoodSection", H + "\n1\n2\n2 1\n9\n",
                   failureReport(233, "v 7. vrstici se pojavlja neveljavna stevilka testnega primera: 9")},
        ReportCase{
            "LastSectionFails", H + "1\n2\n2 1\n2\n0\n\n1\n1\n2\n",
            failureReport(
                190,
                "na koncu barvanj je 3. celica v 1. vrstici druge barve kot tista v zgornjem levem kotu "
                "mreze")}),
    [](const auto& info) { return info.param.name; });

TEST(Run, TheInputFileFailsBeforeTheSubmissionIsRead) {
  EXPECT_EQ(reportFor("Barvotok\n0\n", ""),
            failureReport(118, "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"0\""));
}

TEST(Run, MissingFilesReadAsEmpty) {
  EXPECT_EQ(reportOf(outcomeOf(
                [] { return runEvaluation("/nonexistent/input.txt", "/nonexistent/submission.txt"); })),
            failureReport(111, "manjka prva vrstica z imenom naloge"));
}

TEST(Report, UnexpectedErrorsHaveTheirOwnForm) {
  EXPECT_EQ(reportOf(outcomeOf([]() -> ResultList { throw std::bad_alloc(); })),
            "Nepricakovana napaka.  Predlagamo, da obvestis organizatorje tekmovanja.\n-1\n");
}

TEST(Report, InternalChecksUseTheAssertionForm) {
  EXPECT_EQ(reportOf(outcomeOf([]() -> ResultList {
              raiseAssertion(std::string(UNEXPECTED_ERROR_MESSAGE), "elsewhere.cpp", 174);
            })),
            "Napaka [Zvn22Barvotok:174]: Nepricakovana napaka.  Predlagamo, da obvestis organizatorje "
            "tekmovanja.\n-1\n");
}

TEST(Report, SuccessFormWritesNegativeNumbersInDecimal) {
  EXPECT_EQ(reportOf(outcomeOf([] {
              return ResultList{{3, 12}, {1, 7}, {-5, 0}};
            })),
            "OK\n3\n3 12\n1 7\n-5 0\n");
}

}  // namespace
