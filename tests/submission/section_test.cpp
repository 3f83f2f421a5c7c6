// Sections of a submission, evaluated in memory down to the report's bytes.
#include <gtest/gtest.h>

#include <string>

#include "support/evaluate_in_memory.h"

namespace {

using namespace std::string_literals;

// Test case 1: 3 x 2 in 2 colours, rows "1 2 1" and "2 2 1".
// Test case 2: 2 x 2 in 2 colours, rows "1 2" and "2 1" (diagonal twins).
// Test case 3: 1 x 1 in 3 colours.
const std::string INPUT = "Barvotok\n3\n\n1\n3 2 2\n1 2 1\n2 2 1\n\n2\n2 2 2\n1 2\n2 1\n\n3\n1 1 3\n2\n";
const std::string HEADER = "123456\nBarvotok\n";

class Sections : public ::testing::TestWithParam<ReportCase> {};

TEST_P(Sections, GiveTheExactReport) {
  EXPECT_EQ(reportFor(INPUT, GetParam().submission), GetParam().report);
}

const std::string UNFLOODED_3_1 =
    "na koncu barvanj je 3. celica v 1. vrstici druge barve kot tista v zgornjem levem kotu mreze";

INSTANTIATE_TEST_SUITE_P(
    Submissions, Sections,
    ::testing::Values(
        ReportCase{"TwoMovesFloodTheGrid", HEADER + "1\n2\n2 1\n", "OK\n1\n1 2\n"},
        ReportCase{"OneMoveLeavesTheRightColumn", HEADER + "1\n1\n2\n", failureReport(190, UNFLOODED_3_1)},
        ReportCase{"NoMovesOnAOneColourGrid", HEADER + "3\n0\n\n", "OK\n1\n3 0\n"},
        ReportCase{"NoMovesWithABlankSequence", HEADER + "3\n0\n \t\r\n", "OK\n1\n3 0\n"},
        ReportCase{"OneCellWithOneMove", HEADER + "3\n1\n3\n", "OK\n1\n3 1\n"},
        ReportCase{"OneCellStillChecksTheColour", HEADER + "3\n1\n4\n",
                   failureReport(169, "1. barvanje bi moralo biti od 1 do 3, ne pa 4")},
        ReportCase{
            "CornerDoesNotConnect", HEADER + "2\n0\n\n",
            failureReport(190,
                          "na koncu barvanj je 2. celica v 1. vrstici druge barve kot tista v zgornjem levem "
                          "kotu mreze")},
        ReportCase{"RepeatedColourFloodsNothingButCounts", HEADER + "2\n3\n1 2 1\n", "OK\n1\n2 3\n"},
        ReportCase{"MovesUpToTheCellCount", HEADER + "2\n4\n2 1 2 1\n", "OK\n1\n2 4\n"},
        ReportCase{"ColourZero", HEADER + "1\n2\n0 1\n",
                   failureReport(169, "1. barvanje bi moralo biti od 1 do 2, ne pa 0")},
        // The bad colour wins over the unflooded grid it would also leave.
        ReportCase{"BadColourAtItsTurn", HEADER + "1\n3\n2 2 3\n",
                   failureReport(169, "3. barvanje bi moralo biti od 1 do 2, ne pa 3")},
        ReportCase{"NoCountLine", HEADER + "1\n", failureReport(152, "manjka vrstica s stevilom barvotokov")},
        ReportCase{"EmptyCountLine", HEADER + "1\n\n2 1\n",
                   failureReport(153, "v vrstici za stevilo barvotok je 0 stevil, moralo bi biti eno")},
        ReportCase{"TwoCounts", HEADER + "1\n2 1\n2 1\n",
                   failureReport(153, "v vrstici za stevilo barvotok je 2 stevil, moralo bi biti eno")},
        ReportCase{"NegativeCount", HEADER + "1\n-2\n",
                   failureReport(58, "namesto stevke se pojavlja znak s kodo 45")},
        ReportCase{"CountAboveCells", HEADER + "1\n7\n",
                   failureReport(154, "stevilo barvotokov mora biti od 0 do 6, ne pa 7")},
        ReportCase{"CountTooLargeForNumbers", HEADER + "1\n99999999999\n",
                   failureReport(64, "stevilo 9999999999 je preveliko")},
        ReportCase{"ZeroCountAtTheEnd", HEADER + "3\n0",
                   failureReport(155, "manjka vrstica z zaporedjem barvotokov")},
        ReportCase{"OneMoveTooFew", HEADER + "1\n2\n2\n",
                   failureReport(156, "v vrstici z zaporedjem barvotokov je 1 stevil, moralo bi jih biti 2")},
        ReportCase{"OneMoveTooMany", HEADER + "1\n2\n2 1 2\n",
                   failureReport(156, "v vrstici z zaporedjem barvotokov je 3 stevil, moralo bi jih biti 2")},
        ReportCase{"BadByteInMoves",
                   HEADER + "1\n2\n2\xe8"
                            "1\n",
                   failureReport(58, "namesto stevke se pojavlja znak s kodo 232")},
        ReportCase{"MovesWithCrLf", HEADER + "1\r\n2\r\n2 1\r\n", "OK\n1\n1 2\n"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
