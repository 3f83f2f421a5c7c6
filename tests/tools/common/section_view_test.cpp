// The data the page embeds (moves, the replay's record, verdict, marked
// cells) against the evaluator's own report on the same files.
#include "common/section_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "testset/test_set_reader.h"

namespace {

// Test case 1: the 3 x 2 grid of the replay's edge cases. Test case 2: the
// 2 x 2 grid whose corners touch only diagonally.
const std::string INPUT =
    "Barvotok\n2\n"
    "\n1\n3 2 2\n1 2 1\n2 2 1\n"
    "\n2\n2 2 2\n1 2\n2 1\n";

std::string submissionOf(const std::string& sections) { return "123456\nBarvotok\n" + sections; }

struct Case {
  const char* name;
  std::string sections;
  SectionChoice choice;
  bool passed;
  std::int32_t checkLine;
  std::vector<std::int32_t> played;
  std::optional<BadMove> badMove;
  std::optional<GridCell> firstUnflooded;
  bool replayed;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const SectionChoice FIRST{SectionChoice::By::position, 1};
const SectionChoice SECOND{SectionChoice::By::position, 2};
const SectionChoice TEST_CASE_1{SectionChoice::By::testCaseNumber, 1};

// In every case the chosen section is the submission's last, and the sections
// before it pass, so the evaluator's report on the file is decided by it.
const Case CASES[] = {
    {"passes", "1\n2\n2 1\n", FIRST, true, 0, {2, 1}, {}, {}, true},
    {"leaves the right column", "1\n1\n2\n", FIRST, false, 190, {2}, {}, GridCell{2, 0}, true},
    {"diagonal corner stays", "2\n0\n\n", FIRST, false, 190, {}, {}, GridCell{1, 0}, true},
    {"repeated colour passes", "2\n3\n1 2 1\n", FIRST, true, 0, {1, 2, 1}, {}, {}, true},
    {"colour 0", "1\n3\n2 0 1\n", FIRST, false, 169, {2}, BadMove{2, 0}, {}, true},
    {"colour b + 1 before an unflooded end", "1\n1\n3\n", FIRST, false, 169, {}, BadMove{1, 3}, {}, true},
    {"two numbers on the count line", "1\n1 2\n2\n", FIRST, false, 153, {}, {}, {}, false},
    {"count above w h", "1\n7\n", FIRST, false, 154, {}, {}, {}, false},
    {"sequence line too short", "1\n2\n2\n", FIRST, false, 156, {}, {}, {}, false},
    {"missing sequence line", "1\n0\n", FIRST, false, 155, {}, {}, {}, false},
    {"second section, after empty lines",
     "\n1\n2\n2 1\n\n\n2\n1\n1\n",
     SECOND,
     false,
     190,
     {1},
     {},
     GridCell{1, 0},
     true},
    {"by test case number", "2\n3\n1 2 1\n1\n1\n2\n", TEST_CASE_1, false, 190, {2}, {}, GridCell{2, 0}, true},
    // The evaluator skips the replay of a repeated section, except the one it is asked to record.
    {"repeats a passed section", "2\n3\n1 2 1\n\n2\n3\n1 2 1\n", SECOND, true, 0, {1, 2, 1}, {}, {}, true},
};

class SectionViewTest : public testing::TestWithParam<Case> {};

TEST_P(SectionViewTest, EmbedsTheEvaluatorsVerdictAndMoves) {
  const Case& c = GetParam();
  std::istringstream input(INPUT);
  TestSet testSet;
  readTestSet(input, testSet);
  std::istringstream submission(submissionOf(c.sections));
  const SectionView view = viewSection(testSet, submission, c.choice);

  EXPECT_EQ(view.verdict.passed(), c.passed);
  EXPECT_EQ(view.verdict.failure() ? view.verdict.failure()->line : 0, c.checkLine);
  EXPECT_EQ(view.playedMoves, c.played);
  EXPECT_EQ(view.replayed(), c.replayed);
  ASSERT_EQ(view.badMove.has_value(), c.badMove.has_value());
  if (c.badMove) {
    EXPECT_EQ(view.badMove->turn, c.badMove->turn);
    EXPECT_EQ(view.badMove->colour, c.badMove->colour);
  }
  ASSERT_EQ(view.firstUnflooded.has_value(), c.firstUnflooded.has_value());
  if (c.firstUnflooded) {
    EXPECT_EQ(view.firstUnflooded->x, c.firstUnflooded->x);
    EXPECT_EQ(view.firstUnflooded->y, c.firstUnflooded->y);
  }

  std::istringstream wholeInput(INPUT);
  std::istringstream wholeSubmission(submissionOf(c.sections));
  const std::string report = reportOf(outcomeOf([&] { return runEvaluation(wholeInput, wholeSubmission); }));
  EXPECT_EQ(reportOf(view.whole), report);
  if (c.passed) {
    // The section's own result line closes the evaluator's success form.
    const std::string resultLine =
        toDecimal(view.testCase->number) + " " + toDecimal(std::ssize(c.played)) + "\n";
    EXPECT_EQ(reportOf(view.verdict), "OK\n1\n" + resultLine);
    EXPECT_TRUE(report.starts_with("OK\n") && report.ends_with(resultLine)) << report;
  } else {
    EXPECT_EQ(reportOf(view.verdict), report);
    EXPECT_TRUE(report.starts_with("Napaka [Zvn22Barvotok:" + toDecimal(c.checkLine) +
                                   "]: " + view.verdict.failure()->message + "\n"));
  }

  // The replay's record: a step for the start and each move played, and
  // the first cell it never flooded is the very cell the final check named.
  const std::vector<std::int32_t>& turns = view.replay.turnOfCell();
  const std::vector<std::int32_t>& absorbed = view.replay.absorbed();
  ASSERT_EQ(turns.size(), view.testCase->cells.size());
  EXPECT_EQ(absorbed.size(), view.replayed() ? c.played.size() + 1 : 0);
  const auto flooded =
      std::count_if(turns.begin(), turns.end(), [](std::int32_t t) { return t != FloodTurns::NEVER; });
  EXPECT_EQ(std::accumulate(absorbed.begin(), absorbed.end(), std::int64_t{0}), flooded);
  if (!view.replayed() || view.badMove) return;
  const auto unflooded = std::find(turns.begin(), turns.end(), FloodTurns::NEVER) - turns.begin();
  const std::int32_t w = view.testCase->w;
  EXPECT_EQ(unflooded,
            view.firstUnflooded ? view.firstUnflooded->y * w + view.firstUnflooded->x : std::ssize(turns));
}

INSTANTIATE_TEST_SUITE_P(Sections, SectionViewTest, testing::ValuesIn(CASES),
                         [](const testing::TestParamInfo<Case>& info) {
                           std::string name;
                           for (const char ch : std::string(info.param.name))
                             name += std::isalnum(ch) ? ch : '_';
                           return name;
                         });

struct Unavailable {
  const char* name;
  std::string submission;
  SectionChoice choice;
  std::string why;
};

const Unavailable UNAVAILABLE[] = {
    {"header", "123456\nbarvotok\n", FIRST,
     "the submission's header fails: Napaka [Zvn22Barvotok:223]: v drugi vrstici bi moral biti niz "
     "\"Barvotok\", ne pa \"barvotok\""},
    {"too few sections", submissionOf("1\n2\n2 1\n"), SectionChoice{SectionChoice::By::position, 3},
     "the submission has 1 sections, not 3"},
    {"no such test case answered", submissionOf("1\n2\n2 1\n"),
     SectionChoice{SectionChoice::By::testCaseNumber, 2}, "no section answers test case 2"},
    {"earlier section ends early", submissionOf("1\n7\n2\n2 1\n"), SECOND,
     "the evaluation stops at line 4: Napaka [Zvn22Barvotok:154]: stevilo barvotokov mora biti od 0 do 6, ne "
     "pa 7"},
    {"earlier section fails its final check", submissionOf("1\n1\n2\n1\n2\n2 1\n"), SECOND,
     "the evaluation stops at line 5: Napaka [Zvn22Barvotok:190]: na koncu barvanj je 3. celica v 1. vrstici "
     "druge barve kot tista v zgornjem levem kotu mreze"},
    {"chosen section names no test case", submissionOf("\n3\n0\n\n"), FIRST,
     "the evaluation stops at line 4: Napaka [Zvn22Barvotok:233]: v 4. vrstici se pojavlja neveljavna "
     "stevilka testnega primera: 3"},
};

TEST(SectionViewUnavailable, SaysWhyWithTheEvaluatorsReport) {
  for (const Unavailable& c : UNAVAILABLE) {
    std::istringstream input(INPUT);
    TestSet testSet;
    readTestSet(input, testSet);
    std::istringstream submission(c.submission);
    try {
      viewSection(testSet, submission, c.choice);
      ADD_FAILURE() << c.name << ": no SectionUnavailable";
    } catch (const SectionUnavailable& unavailable) {
      EXPECT_EQ(unavailable.message, c.why) << c.name;
    }
  }
}

}  // namespace
