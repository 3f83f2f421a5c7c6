#include <gtest/gtest.h>

#include "common/command_line.h"
#include "solve/answer_judge.h"
#include "solve/move_table.h"
#include "solve/solver_options.h"

namespace {

// The search options: what they accept, and what they refuse with which words.
TEST(SolverOptions, ReadsTheSearchLimits) {
  const SolverOptions options =
      parseSolverOptions({"--strategy=exact", "--beam-width", "7", "--time-limit", "2.25", "in"});
  EXPECT_EQ(options.strategy, Strategy::Exact);
  EXPECT_EQ(options.limits.beamWidth, 7);
  EXPECT_DOUBLE_EQ(options.limits.seconds, 2.25);
  EXPECT_DOUBLE_EQ(parseSolverOptions({"--time-limit", "86400", "in"}).limits.seconds, 86400);
  EXPECT_EQ(parseSolverOptions({"--strategy", "beam", "in"}).strategy, Strategy::Beam);

  const std::string badWidth = "for --beam-width: a whole number from 1 to 1000000";
  const std::string badTime = "for --time-limit: seconds above 0, at most 86400";
  const std::pair<std::vector<std::string>, std::string> refused[] = {
      {{"--beam-width", "0", "in"}, "invalid value '0' " + badWidth},
      {{"--beam-width", "1000001", "in"}, "invalid value '1000001' " + badWidth},
      {{"--time-limit", "0", "in"}, "invalid value '0' " + badTime},
      {{"--time-limit", "0.0", "in"}, "invalid value '0.0' " + badTime},
      {{"--time-limit", "86400.5", "in"}, "invalid value '86400.5' " + badTime},
      {{"--time-limit", ".5", "in"}, "invalid value '.5' " + badTime},
      {{"--time-limit", "5.", "in"}, "invalid value '5.' " + badTime},
      {{"--time-limit", "1,5", "in"}, "invalid value '1,5' " + badTime},
      {{"--time-limit", "1.2.3", "in"}, "invalid value '1.2.3' " + badTime},
      {{"--time-limit", "-1", "in"}, "invalid value '-1' " + badTime},
      {{"--time-limit", "", "in"}, "invalid value '' " + badTime},
  };
  for (const auto& [arguments, message] : refused) {
    std::string got = "(accepted)";
    try {
      parseSolverOptions(arguments);
    } catch (const UsageError& error) {
      got = error.message;
    }
    EXPECT_EQ(got, message) << arguments[1];
  }
}

// The table's lower-bound column and the exact search's notes.
TEST(MoveTable, ShowsTheLowerBoundAndTheNotes) {
  const TestCase small{3, 12, 14, 6, {}};
  MoveTable table;
  table.add(small, 22, 21);
  table.add({10, 1000, 1000, 100, {}}, 34747, 1807);
  EXPECT_EQ(table.text(),
            "test case     w     h    b     moves  lower bound\n"
            "        3    12    14    6        22           21\n"
            "       10  1000  1000  100     34747         1807\n"
            "total                          34769         1828\n");
  EXPECT_EQ(optimalityNote(small, {{1, 2}, 2, Optimality::Proven}), "test case 3: proven optimal, 2 moves\n");
  EXPECT_EQ(optimalityNote(small, {{1, 2, 1}, 2, Optimality::BestFound}),
            "test case 3: best found, 3 moves, at least 2 (not proven optimal)\n");
  EXPECT_EQ(optimalityNote(small, {{1, 2, 1}, 2, Optimality::NotSought}), "");
}

// The judge lets answers pass only when the evaluator's report is the
// success form with their move counts; otherwise it hands on the report.
TEST(AnswerJudge, PassesOnlyAnswersTheEvaluatorAccepts) {
  // Rows 1 2 / 2 1: the move 2, then 1.
  const TestSet testSet{{1, 2, 2, 2, {1, 2, 2, 1}}, {2, 1, 1, 1, {1}}};
  EXPECT_EQ(evaluatorObjection(testSet, {{2, 1}, {}}), std::nullopt);
  EXPECT_EQ(evaluatorObjection(testSet, {{2}, {}}),
            "Napaka [Zvn22Barvotok:190]: na koncu barvanj je 2. celica v 2. vrstici druge barve kot tista v "
            "zgornjem levem kotu mreze\n-1\n");
  // A colour above b: the check of a move's colour.
  EXPECT_EQ(evaluatorObjection(testSet, {{2, 1}, {3}}).value_or("").substr(0, 27),
            "Napaka [Zvn22Barvotok:169]:");
}

}  // namespace
