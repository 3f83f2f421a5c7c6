#include "testset/test_set_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/failure_matchers.h"

namespace {

using namespace std::string_literals;

// Two test cases: a 3 x 2 grid in 4 colours and a single cell in 1 colour.
const std::string TWO_CASES = "Barvotok\n2\n\n1\n3 2 4\n1 1 2\n3 4 1\n\n2\n1 1 1\n1\n";

TestSet read(const std::string& text) {
  std::istringstream input(text);
  TestSet testSet;
  readTestSet(input, testSet);
  return testSet;
}

TEST(ReadTestSet, BuildsTheTestCasesInFileOrder) {
  const TestSet testSet = read(TWO_CASES);
  ASSERT_EQ(testSet.size(), 2u);
  EXPECT_EQ(testSet[0].number, 1);
  EXPECT_EQ(testSet[0].w, 3);
  EXPECT_EQ(testSet[0].h, 2);
  EXPECT_EQ(testSet[0].b, 4);
  EXPECT_EQ(testSet[0].cells, (std::vector<std::int32_t>{1, 1, 2, 3, 4, 1}));
  EXPECT_EQ(testSet[1].cells, (std::vector<std::int32_t>{1}));
}

TEST(ReadTestSet, ReadsCrLfFilesLikeLfFiles) {
  std::string crlf;
  for (const char byte : TWO_CASES) crlf += byte == '\n' ? "\r\n" : std::string(1, byte);
  EXPECT_EQ(read(crlf)[0].cells, read(TWO_CASES)[0].cells);
}

TEST(ReadTestSet, AcceptsLooseCountLinesAndIgnoresWhatFollowsTheLastBlock) {
  EXPECT_EQ(read("Barvotok\n1 test case\n\n1\n1 1 1\n1\nanything\n\x01\n").size(), 1u);
  EXPECT_EQ(read("Barvotok\n  +1\n\n1\n1 1 1\n 1 \n").size(), 1u);
  EXPECT_EQ(read("Barvotok\n1\n\n1\n1 1 1\n1").size(), 1u);  // last line without its end
}

TEST(ReadTestSet, AcceptsTheLargestSizes) {
  std::string text = "Barvotok\n1\n\n1\n1000 1 100\n";
  for (int x = 0; x < 1000; ++x) text += "100 ";
  text += "\n";
  EXPECT_EQ(read(text)[0].cells.size(), 1000u);
}

struct Rejected {
  std::string name;
  std::string text;
  std::int32_t checkLine;
  std::string message;
};

void PrintTo(const Rejected& rejected, std::ostream* out) { *out << rejected.name; }

class ReadTestSetRejects : public ::testing::TestWithParam<Rejected> {};

TEST_P(ReadTestSetRejects, WithTheExactMessage) {
  EXPECT_TRUE(RaisesAssertion([&] { read(GetParam().text); }, GetParam().checkLine, GetParam().message));
}

const std::string HEAD = "Barvotok\n1\n";
const std::string Q = "\"";

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTestSetRejects,
    ::testing::Values(
        Rejected{"Empty", "", 111, "manjka prva vrstica z imenom naloge"},
        Rejected{"NameWithBlank", "Barvotok \n1\n", 112,
                 "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa \"Barvotok \""},
        Rejected{"NameWithNul", "Barv\0tok\n"s, 112,
                 "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa \"Barv\0tok\""s},
        Rejected{"NameWithLoneCr", "Barvotok\r\r\n1\n", 112,
                 "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa \"Barvotok\r\""},
        Rejected{"NoCountLine", "Barvotok\n", 115, "manjka druga vrstica s stevilom testnih primerov"},
        Rejected{"EmptyCount", "Barvotok\n\n", 118,
                 "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"\""},
        Rejected{"ZeroCount", "Barvotok\n0\n", 118,
                 "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"0\""},
        Rejected{"NegativeCount", "Barvotok\n-1\n", 118,
                 "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"-1\""},
        Rejected{"LetterCount", "Barvotok\nx\n", 118,
                 "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"x\""},
        Rejected{"CountPast32Bits", "Barvotok\n4294967297\n", 118,
                 "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa \"4294967297\""},
        Rejected{"EndsAfterCount", HEAD, 85, "manjka 3. vrstica"},
        Rejected{"BlockWithoutEmptyLine", HEAD + "1\n1 1 1\n1\n", 86,
                 "vrstica 3 bi morala biti prazna, ne pa \"1\""},
        Rejected{"BlankSeparator", HEAD + " \n", 86, "vrstica 3 bi morala biti prazna, ne pa \" \""},
        Rejected{"NoNumberLine", HEAD + "\n", 87, "manjka 4. vrstica"},
        Rejected{"EmptyNumberLine", HEAD + "\n\n", 88,
                 "v 4. vrstici bi moralo biti 1 stevilo (stevilka testnega primera), ne pa 0"},
        Rejected{"NegativeNumber", HEAD + "\n-1\n", 58, "namesto stevke se pojavlja znak s kodo 45"},
        Rejected{"NoSizeLine", HEAD + "\n1\n", 90, "manjka 5. vrstica"},
        Rejected{"TwoSizes", HEAD + "\n1\n1 1\n", 91,
                 "v 5. vrstici bi morala biti 3 stevila (velikost mreze in stevilo barv), ne pa 2"},
        Rejected{"FourSizesOutOfRange", HEAD + "\n1\n0 0 0 0\n", 91,
                 "v 5. vrstici bi morala biti 3 stevila (velikost mreze in stevilo barv), ne pa 4"},
        Rejected{"WidthZero", HEAD + "\n1\n0 0 0\n", 92,
                 "stevilo stolpcev w bi moralo biti med 1 in 1000, ne pa 0"},
        Rejected{"WidthTooLarge", HEAD + "\n1\n1001 1 1\n", 92,
                 "stevilo stolpcev w bi moralo biti med 1 in 1000, ne pa 1001"},
        Rejected{"HeightTooLarge", HEAD + "\n1\n1 1001 0\n", 93,
                 "stevilo vrstic h bi moralo biti med 1 in 1000, ne pa 1001"},
        Rejected{"ColoursTooMany", HEAD + "\n1\n1 1 101\n", 94,
                 "stevilo barv b bi moralo biti med 1 in 100, ne pa 101"},
        Rejected{"NoGridRow", HEAD + "\n1\n1 2 1\n1\n", 98, "manjka 7. vrstica"},
        Rejected{"RowTooLong", HEAD + "\n1\n3 2 4\n1 1 2 1\n", 99,
                 "v 6. vrstici bi moralo biti 3 stevil (1. vrstica mreze), ne pa 4"},
        Rejected{"RowTooShortWithBadColour", HEAD + "\n1\n3 1 4\n9 9\n", 99,
                 "v 6. vrstici bi moralo biti 3 stevil (1. vrstica mreze), ne pa 2"},
        Rejected{"ColourZero", HEAD + "\n1\n3 1 4\n1 0 9\n", 100,
                 "barva 2. celice v 1. vrstici bi morala biti od 1 do 4, ne pa 0"},
        Rejected{"ColourAboveB", HEAD + "\n1\n2 2 1\n1 1\n1 2\n", 100,
                 "barva 2. celice v 2. vrstici bi morala biti od 1 do 1, ne pa 2"},
        Rejected{"WrongFirstNumber", HEAD + "\n2\n1 1 1\n1\n", 125,
                 "v vrsticah 3..6 bi moral biti testni primer stevilka 1, ne pa 2"},
        Rejected{"WrongNumberAndBadGrid", HEAD + "\n2\n1 1 1\n5\n", 100,
                 "barva 1. celice v 1. vrstici bi morala biti od 1 do 1, ne pa 5"},
        Rejected{"SecondNumberedOne", "Barvotok\n2\n\n1\n3 2 4\n1 1 2\n3 4 1\n\n1\n1 1 1\n1\n", 125,
                 "v vrsticah 8..11 bi moral biti testni primer stevilka 2, ne pa 1"},
        Rejected{"FewerBlocksThanAnnounced", "Barvotok\n3\n\n1\n3 2 4\n1 1 2\n3 4 1\n\n2\n1 1 1\n1\n", 85,
                 "manjka 12. vrstica"},
        Rejected{"HugeCountOneBlock", "Barvotok\n2147483647\n\n1\n1 1 1\n1\n", 85, "manjka 7. vrstica"}),
    [](const auto& info) { return info.param.name; });

TEST(TestCaseCell, OutsideTheGridIsAnInternalFault) {
  TestCase testCase = read(TWO_CASES)[0];
  const std::string internal(UNEXPECTED_ERROR_MESSAGE);
  EXPECT_EQ(testCase.cell(2, 1), 1);
  EXPECT_TRUE(RaisesAssertion([&] { testCase.cell(3, 0); }, 79, internal));
  EXPECT_TRUE(RaisesAssertion([&] { testCase.cell(0, 2); }, 79, internal));
  EXPECT_TRUE(RaisesAssertion([&] { testCase.cell(-1, 0); }, 79, internal));
  EXPECT_TRUE(RaisesAssertion([&] { testCase.cell(0, -1); }, 79, internal));
}

}  // namespace
