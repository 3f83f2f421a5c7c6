#include "solve/section_shaping.h"

#include <gtest/gtest.h>

#include "gen/test_set_generator.h"
#include "solve/solvers.h"
#include "support/tool_evaluation.h"

namespace {

// Rows 1 2 1 and 2 2 1: the move 2 floods three cells, the move 1 the rest.
const TestCase CORNER{1, 3, 2, 2, {1, 2, 1, 2, 2, 1}};
// One row 1 2 1: the border is one cell until the end.
const TestCase ROW{1, 3, 1, 2, {1, 2, 1}};

const std::string UNFINISHED_AT_SECOND_CELL =
    "Napaka [Zvn22Barvotok:190]: na koncu barvanj je 2. celica v 1. vrstici druge barve kot tista v zgornjem "
    "levem kotu mreze\n-1\n";
const std::string UNFINISHED_AT_THIRD_CELL =
    "Napaka [Zvn22Barvotok:190]: na koncu barvanj je 3. celica v 1. vrstici druge barve kot tista v zgornjem "
    "levem kotu mreze\n-1\n";

TEST(BorderSizes, CountsFloodedCellsWithAnUnfloodedNeighbour) {
  EXPECT_EQ(borderSizes(CORNER, {2, 1}), (std::vector<std::int64_t>{1, 2, 0}));
  EXPECT_EQ(borderSizes(ROW, {2, 1}), (std::vector<std::int64_t>{1, 1, 0}));
  EXPECT_EQ(borderSizes(ROW, {1, 1}), (std::vector<std::int64_t>{1, 1, 1}));
}

TEST(PadWithIdleMoves, RepeatsTheRegionColourWhereTheBorderIsLargest) {
  EXPECT_EQ(padWithIdleMoves(CORNER, {2, 1}, 3), (std::vector<std::int32_t>{2, 2, 2, 2, 1}));
  // The first largest border is that of the first flood: the top-left colour repeats.
  EXPECT_EQ(padWithIdleMoves(ROW, {2, 1}, 2), (std::vector<std::int32_t>{1, 1, 2, 1}));
  EXPECT_EQ(padWithIdleMoves(ROW, {2, 1}, 0), (std::vector<std::int32_t>{2, 1}));
  // A grid of one colour needs no move; padding it is all idle.
  EXPECT_EQ(padWithIdleMoves({1, 2, 1, 3, {3, 3}}, {}, 2), (std::vector<std::int32_t>{3, 3}));
}

TEST(ShapeSection, PadsThenDropsThenStops) {
  struct Case {
    const char* name;
    SectionShape shape;
    std::vector<std::int32_t> moves;
    std::string report;  // empty: the success form
  };
  const Case cases[] = {
      {"unchanged", {}, {2, 1}, ""},
      {"padded", {2, 0, {}}, {2, 2, 2, 1}, ""},
      {"padded up to w*h", {100, 0, {}}, {2, 2, 2, 2, 2, 1}, ""},
      {"last move dropped", {0, 1, {}}, {2}, UNFINISHED_AT_THIRD_CELL},
      {"all dropped", {0, 5, {}}, {}, UNFINISHED_AT_SECOND_CELL},
      {"stopped after one", {0, 0, 1}, {2}, UNFINISHED_AT_THIRD_CELL},
      {"stop past the end", {0, 0, 9}, {2, 1}, ""},
      {"padded then dropped then stopped", {3, 1, 3}, {2, 2, 2}, UNFINISHED_AT_THIRD_CELL},
  };
  for (const Case& c : cases) {
    const std::vector<std::int32_t> moves = shapeSection(CORNER, {2, 1}, c.shape);
    EXPECT_EQ(moves, c.moves) << c.name;
    const std::vector<Section> sections{{1, moves}};
    EXPECT_EQ(evaluatorReport({CORNER}, sections), c.report.empty() ? okReport(sections) : c.report)
        << c.name;
  }
}

// Padding to the limit keeps every solved section valid on every pattern.
TEST(ShapeSection, PaddedToTheLimitStaysValidOnEveryPattern) {
  GeneratorSettings settings;
  settings.caseCount = 7;
  settings.width = {1, 25};
  settings.height = {1, 25};
  settings.colours = {1, 9};
  settings.patterns = {ALL_PATTERNS.begin(), ALL_PATTERNS.end()};
  const SectionShape toTheLimit{MAX_SECTION_MOVES, 0, {}};
  for (std::uint64_t seed = 1; seed <= 5; ++seed) {
    settings.seed = seed;
    const TestSet testSet = generateTestSet(settings);
    std::vector<Section> sections;
    for (const TestCase& testCase : testSet) {
      sections.push_back({testCase.number, shapeSection(testCase, solveGreedy(testCase), toTheLimit)});
      EXPECT_EQ(sections.back().moves.size(), testCase.cells.size());
    }
    EXPECT_EQ(evaluatorReport(testSet, sections), okReport(sections)) << "seed " << seed;
  }
}

}  // namespace
