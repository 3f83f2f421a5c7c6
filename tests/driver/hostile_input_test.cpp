// Hostile inputs, generated here and evaluated in memory, each with its exact
// report: 64 MiB lines without a line end in every role, a million empty
// lines, counts at and past their bounds, a million moves, lines around 4096
// bytes and numbers after a hundred leading zeros.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/evaluate_in_memory.h"

namespace {

constexpr std::size_t MIB = std::size_t{1} << 20;

// One test case, w = h = b = 2, rows "1 2" and "2 1": 7 lines.
const std::string SMALL_TEST_SET = "Barvotok\n1\n\n1\n2 2 2\n1 2\n2 1\n";
// A section that floods it: the move 2 takes the two cells of colour 2, the move 1 the last cell.
const std::string SMALL_ANSWER = "1\n2\n2 1\n";

const std::string HUNDRED_ZEROS(100, '0');

// 64 MiB of one digit and a blank, repeated, with no line end: 33554432 numbers.
std::string numbersFilling64MiB(char digit) {
  std::string line;
  line.reserve(64 * MIB);
  while (line.size() < 64 * MIB) {
    line += digit;
    line += ' ';
  }
  return line;
}
constexpr std::int32_t NUMBERS_IN_64MIB = 33554432;

std::string taskNameMismatch(const std::string& line) {
  return "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted(line);
}

TEST(HostileLongLine, TaskNameLineOfTheTestSet) {
  const std::string line = "Barvotok" + std::string(64 * MIB - 8, 'x');
  EXPECT_TRUE(sameReport(reportFor(line, SUBMISSION_HEADER), failureReport(112, taskNameMismatch(line))));
}

TEST(HostileLongLine, CountOfTestCasesWithoutANumber) {
  const std::string line(64 * MIB, ' ');
  EXPECT_TRUE(sameReport(
      reportFor("Barvotok\n" + line, SUBMISSION_HEADER),
      failureReport(118, "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa " + quoted(line))));
}

TEST(HostileLongLine, CountOfTestCasesWhoseTailIsIgnored) {
  // "%d" takes the 1 and ignores the rest; the file then ends before block 1.
  const std::string line = "1" + std::string(64 * MIB - 1, 'x');
  EXPECT_TRUE(
      sameReport(reportFor("Barvotok\n" + line, SUBMISSION_HEADER), failureReport(85, "manjka 3. vrstica")));
}

TEST(HostileLongLine, GridRow) {
  const std::string input = "Barvotok\n1\n\n1\n3 1 2\n" + numbersFilling64MiB('1');
  EXPECT_TRUE(sameReport(reportFor(input, SUBMISSION_HEADER),
                         failureReport(99, "v 6. vrstici bi moralo biti 3 stevil (1. vrstica mreze), ne pa " +
                                               std::to_string(NUMBERS_IN_64MIB))));
}

TEST(HostileLongLine, ContestantNumber) {
  EXPECT_TRUE(sameReport(reportFor(SMALL_TEST_SET, std::string(64 * MIB, '1')),
                         failureReport(219, "stevilka tekmovalca bi morala imeti 6 stevk")));
}

TEST(HostileLongLine, TaskNameLineOfTheSubmission) {
  const std::string line = "Barvotok" + std::string(64 * MIB - 8, ' ');
  EXPECT_TRUE(sameReport(
      reportFor(SMALL_TEST_SET, "123456\n" + line),
      failureReport(223, "v drugi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted(line))));
}

TEST(HostileLongLine, TestCaseNumberLine) {
  const std::string line(64 * MIB, 'x');
  EXPECT_TRUE(sameReport(
      reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + line),
      failureReport(231, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa " + quoted(line))));
}

TEST(HostileLongLine, CountLine) {
  EXPECT_TRUE(
      sameReport(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n" + numbersFilling64MiB('1')),
                 failureReport(153, "v vrstici za stevilo barvotok je " + std::to_string(NUMBERS_IN_64MIB) +
                                        " stevil, moralo bi biti eno")));
}

TEST(HostileLongLine, SequenceLine) {
  EXPECT_TRUE(
      sameReport(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n4\n" + numbersFilling64MiB('2')),
                 failureReport(156, "v vrstici z zaporedjem barvotokov je " +
                                        std::to_string(NUMBERS_IN_64MIB) + " stevil, moralo bi jih biti 4")));
}

const std::string MILLION_EMPTY_LINES(1000000, '\n');

TEST(HostileEmptyLines, WhereSectionsMayBeginAreSkipped) {
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + MILLION_EMPTY_LINES), successReport({}));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + MILLION_EMPTY_LINES + SMALL_ANSWER +
                                          MILLION_EMPTY_LINES + SMALL_ANSWER),
            successReport({{1, 2}, {1, 2}}));
}

TEST(HostileEmptyLines, CountForTheLineNumbers) {
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + MILLION_EMPTY_LINES + "x\n"),
            failureReport(
                231, "v 1000003. vrstici bi morala biti stevilka testnega primera, ne pa " + quoted("x")));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + MILLION_EMPTY_LINES + SMALL_ANSWER + "\n7\n"),
            failureReport(233, "v 1000007. vrstici se pojavlja neveljavna stevilka testnega primera: 7"));
}

TEST(HostileEmptyLines, InTheTestSet) {
  // Block line 1 must be empty, but block line 2 must hold the number.
  EXPECT_EQ(reportFor("Barvotok\n1\n" + MILLION_EMPTY_LINES, SUBMISSION_HEADER),
            failureReport(88, "v 4. vrstici bi moralo biti 1 stevilo (stevilka testnega primera), ne pa 0"));
  // After the last announced block nothing is read.
  EXPECT_EQ(reportFor(SMALL_TEST_SET + MILLION_EMPTY_LINES, SUBMISSION_HEADER + SMALL_ANSWER),
            successReport({{1, 2}}));
}

TEST(HostileCounts, TestSetAnnouncingTheLargestCountEndsAfterOne) {
  EXPECT_EQ(reportFor("Barvotok\n2147483647\n\n1\n2 2 2\n1 2\n2 1\n", SUBMISSION_HEADER),
            failureReport(85, "manjka 8. vrstica"));
  EXPECT_EQ(reportFor("Barvotok\n2147483647\n\n1\n2 2 2\n1 2\n2 1", SUBMISSION_HEADER),
            failureReport(85, "manjka 8. vrstica"));
}

TEST(HostileCounts, CountLineAboveTheGrid) {
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n2147483647\n"),
            failureReport(154, "stevilo barvotokov mora biti od 0 do 4, ne pa 2147483647"));
  // Reported before the sequence line, which here is missing.
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n5"),
            failureReport(154, "stevilo barvotokov mora biti od 0 do 4, ne pa 5"));
}

// A 1000 x 1000 grid in 3 colours and its serpentine path: row 0 from the
// left, row 1 from the right and so on. Moving through the colours along the
// path floods one more path cell with every move, so the path's colours
// after the first cell, 999999 moves, flood the whole grid.
class MillionCells : public ::testing::Test {
 protected:
  static std::int32_t colourAt(std::int32_t x, std::int32_t y) { return (x + 2 * y + x / 7) % 3 + 1; }

  static void SetUpTestSuite() {
    testSet_ = new std::string(oneGridTestSet(1000, 1000, 3, colourAt));
    pathColours_ = new std::vector<std::int32_t>();
    for (std::int32_t y = 0; y < 1000; ++y) {
      for (std::int32_t i = 0; i < 1000; ++i) pathColours_->push_back(colourAt(y % 2 == 0 ? i : 999 - i, y));
    }
  }
  static void TearDownTestSuite() {
    delete testSet_;
    delete pathColours_;
  }

  // A section of the path's colours after its first cell, then `extra`.
  static std::string sectionWith(const std::vector<std::int32_t>& extra) {
    std::string moves;
    for (std::size_t i = 1; i < pathColours_->size(); ++i) moves += std::to_string((*pathColours_)[i]) + " ";
    for (const std::int32_t colour : extra) moves += std::to_string(colour) + " ";
    return "1\n" + std::to_string(pathColours_->size() - 1 + extra.size()) + "\n" + moves + "\n";
  }

  static std::string* testSet_;
  static std::vector<std::int32_t>* pathColours_;
};
std::string* MillionCells::testSet_ = nullptr;
std::vector<std::int32_t>* MillionCells::pathColours_ = nullptr;

TEST_F(MillionCells, AMillionMovesFloodTheGrid) {
  // The last move repeats the region's colour: it floods nothing and still counts.
  EXPECT_EQ(reportFor(*testSet_, SUBMISSION_HEADER + sectionWith({2})), successReport({{1, 1000000}}));
}

TEST_F(MillionCells, AMillionMovesWhoseLastHasABadColour) {
  EXPECT_EQ(reportFor(*testSet_, SUBMISSION_HEADER + sectionWith({4})),
            failureReport(169, "1000000. barvanje bi moralo biti od 1 do 3, ne pa 4"));
}

TEST_F(MillionCells, CountLineOneAboveTheCells) {
  EXPECT_EQ(reportFor(*testSet_, SUBMISSION_HEADER + "1\n1000001\n"),
            failureReport(154, "stevilo barvotokov mora biti od 0 do 1000000, ne pa 1000001"));
}

// "1 1 1 ..." of exactly `length` bytes, and how many numbers it holds.
std::string onesOfLength(std::size_t length, std::int32_t& count) {
  std::string line;
  count = 0;
  while (line.size() < length) {
    line += line.size() % 2 == 0 ? '1' : ' ';
    count += line.back() == '1';
  }
  return line;
}

TEST(HostileLineLengths, AroundFourKibibytesInEveryRole) {
  const std::string allOnes = oneGridTestSet(100, 100, 1, [](std::int32_t, std::int32_t) { return 1; });
  for (const std::size_t length : {4095, 4096, 4097}) {
    SCOPED_TRACE("line of " + std::to_string(length) + " bytes");
    const std::string name = "Barvotok" + std::string(length - 8, 'x');
    EXPECT_EQ(reportFor(name + "\n", SUBMISSION_HEADER), failureReport(112, taskNameMismatch(name)));

    std::int32_t count = 0;
    const std::string moves = onesOfLength(length, count);
    const std::string numberLine = "1" + std::string(length - 1, ' ');
    for (const std::string lineEnd : {"\n", "\r\n"}) {
      const std::string section = numberLine + lineEnd + std::to_string(count) + lineEnd + moves;
      EXPECT_EQ(reportFor(allOnes, SUBMISSION_HEADER + section + lineEnd), successReport({{1, count}}));
      EXPECT_EQ(reportFor(allOnes, SUBMISSION_HEADER + section), successReport({{1, count}}));
    }

    std::string paddedRow = "1";
    for (int x = 1; x < 1000; ++x) paddedRow += " 1";
    paddedRow += std::string(length - paddedRow.size(), ' ');
    EXPECT_EQ(reportFor("Barvotok\n1\n\n1\n1000 1 1\n" + paddedRow, SUBMISSION_HEADER + "1\n0\n\n"),
              successReport({{1, 0}}));
  }
}

TEST(HostileLeadingZeros, OnLinesOfNumbers) {
  const std::string largest = HUNDRED_ZEROS + "2147483647";
  const std::string pastLargest = HUNDRED_ZEROS + "2147483648";
  const std::string tooLarge = "stevilo 2147483648 je preveliko";
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n" + largest + "\n\n"),
            failureReport(154, "stevilo barvotokov mora biti od 0 do 4, ne pa 2147483647"));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n" + pastLargest + "\n\n"),
            failureReport(64, tooLarge));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n1\n" + largest + "\n"),
            failureReport(169, "1. barvanje bi moralo biti od 1 do 2, ne pa 2147483647"));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n1\n" + pastLargest + "\n"),
            failureReport(64, tooLarge));
  EXPECT_EQ(
      reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + "1\n" + HUNDRED_ZEROS + "2\n2 " + HUNDRED_ZEROS + "1\n"),
      successReport({{1, 2}}));

  EXPECT_EQ(reportFor("Barvotok\n1\n\n1\n2 1 2\n1 " + largest + "\n", SUBMISSION_HEADER),
            failureReport(100, "barva 2. celice v 1. vrstici bi morala biti od 1 do 2, ne pa 2147483647"));
  EXPECT_EQ(reportFor("Barvotok\n1\n\n1\n2 1 2\n1 " + pastLargest + "\n", SUBMISSION_HEADER),
            failureReport(64, tooLarge));
  EXPECT_EQ(reportFor("Barvotok\n1\n\n1\n" + largest + " 1 2\n1\n", SUBMISSION_HEADER),
            failureReport(92, "stevilo stolpcev w bi moralo biti med 1 in 1000, ne pa 2147483647"));
  // The block's number is compared only after the whole block has been read.
  EXPECT_EQ(reportFor("Barvotok\n1\n\n" + largest + "\n2 2 2\n1 2\n2 1\n", SUBMISSION_HEADER),
            failureReport(125, "v vrsticah 3..7 bi moral biti testni primer stevilka 1, ne pa 2147483647"));
}

TEST(HostileLeadingZeros, OnLinesReadAsOneLeadingNumber) {
  EXPECT_EQ(reportFor("Barvotok\n" + HUNDRED_ZEROS + "2147483647\n\n1\n2 2 2\n1 2\n2 1\n", SUBMISSION_HEADER),
            failureReport(85, "manjka 8. vrstica"));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + HUNDRED_ZEROS + "2147483647\n"),
            failureReport(233, "v 3. vrstici se pojavlja neveljavna stevilka testnega primera: 2147483647"));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + HUNDRED_ZEROS + "1\n2\n2 1\n"),
            successReport({{1, 2}}));
  // A number past the 32-bit range is no number to the evaluator's "%d".
  const std::string pastLargest = HUNDRED_ZEROS + "2147483648";
  EXPECT_EQ(reportFor("Barvotok\n" + pastLargest + "\n", SUBMISSION_HEADER),
            failureReport(118, "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa " +
                                   quoted(pastLargest)));
  EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + pastLargest + "\n"),
            failureReport(
                231, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa " + quoted(pastLargest)));
}

}  // namespace
