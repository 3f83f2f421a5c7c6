#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/file_status.h"
#include "contest/standings/ranking.h"

namespace {

using Verdict = EvaluationOutcome::Verdict;

using Moves = std::vector<std::optional<std::int32_t>>;
constexpr std::optional<std::int32_t> NONE;

StandingsSubmission passed(const std::string& path, std::optional<std::string> contestant, Moves moves) {
  return {path, std::move(contestant), Verdict::Success, 0, "OK", std::move(moves)};
}

StandingsSubmission failed(const std::string& path, std::optional<std::string> contestant,
                           std::size_t caseCount) {
  return {path,
          std::move(contestant),
          Verdict::FailedCheck,
          190,
          "Napaka [Zvn22Barvotok:190]: ...",
          Moves(caseCount)};
}

StandingsResults contest(std::vector<StandingsSubmission> submissions) {
  StandingsResults results{std::string(1, 't'), {}, {}, 0};
  for (std::int32_t number = 1; number <= static_cast<std::int32_t>(submissions.front().fewestMoves.size());
       ++number) {
    results.testCases.push_back({number, 10, 10, 5});
  }
  results.submissions = std::move(submissions);
  return results;
}

// One line per row: rank, contestant (or the file name of an unidentified
// submission after '?'), the counted file, the total.
std::vector<std::string> table(const Standings& standings) {
  std::vector<std::string> lines;
  for (const auto* rows : {&standings.ranked, &standings.references}) {
    for (const StandingsRow& row : *rows) {
      const StandingsSubmission& submission = row.submission;
      std::string line = row.rank ? std::to_string(*row.rank) : "ref";
      // Appended piece by piece: GCC 12 misreads chained concatenation (-Wrestrict).
      line += ' ';
      line += submission.contestant.value_or(std::string(1, '?').append(fileNameOf(submission.path)));
      line += ' ';
      line += fileNameOf(submission.path);
      line += ' ';
      line += std::to_string(row.total);
      lines.push_back(line);
    }
  }
  return lines;
}

struct RankingCase {
  const char* name;
  std::vector<StandingsSubmission> submissions;
  std::vector<StandingsSubmission> references;
  Scoring scoring;
  Counting counting;
  std::vector<std::string> expected;
};

TEST(StandingsRanking, RanksAsTheRulesSay) {
  const std::vector<RankingCase> cases = {
      {"points relative to the best; unanswered scores 0",
       {passed("s/a", "111111", {4, 10}), passed("s/b", "222222", {3, NONE})},
       {},
       Scoring::relative,
       Counting::best,
       {"1 111111 a 1750000000", "2 222222 b 1000000000"}},
      {"equal totals share a rank, ordered by contestant bytes; the next rank skips",
       {passed("s/a", "300000", {2, 4}), passed("s/b", "200000", {4, 2}), passed("s/c", "100000", {2, 4}),
        passed("s/d", "400000", {4, 4})},
       {},
       Scoring::relative,
       Counting::best,
       {"1 100000 c 1500000000", "1 200000 b 1500000000", "1 300000 a 1500000000", "4 400000 d 1000000000"}},
      {"a failed submission scores 0 and still ranks",
       {failed("s/a", "111111", 2), passed("s/b", "222222", {5, 5})},
       {},
       Scoring::relative,
       Counting::best,
       {"1 222222 b 2000000000", "2 111111 a 0"}},
      {"best counts the best submission; its rival still sets the best known",
       {passed("s/1", "111111", {2, NONE}), passed("s/2", "111111", {4, 4}), passed("s/3", "222222", {8, 8})},
       {},
       Scoring::relative,
       Counting::best,
       {"1 111111 2 1500000000", "2 222222 3 750000000"}},
      {"last counts the last in path order, even a failure",
       {passed("s/1", "111111", {2, 2}), failed("s/2", "111111", 2), passed("s/3", "222222", {4, 4})},
       {},
       Scoring::relative,
       Counting::last,
       {"1 222222 3 1000000000", "2 111111 2 0"}},
      {"a contestant's equal submissions: the first in path order counts",
       {passed("s/1", "111111", {3, 3}), passed("s/2", "111111", {3, 3})},
       {},
       Scoring::relative,
       Counting::best,
       {"1 111111 1 2000000000"}},
      {"unidentified submissions stand alone under their file names, even when named alike",
       {failed("x/same", std::nullopt, 1), failed("y/same", std::nullopt, 1), passed("z/b", "999999", {1})},
       {},
       Scoring::relative,
       Counting::best,
       {"1 999999 b 1000000000", "2 ?same same 0", "2 ?same same 0"}},
      {"references set the best known and stand unranked after the ranking",
       {passed("s/a", "111111", {4, 4})},
       {passed("ref/solver", "000000", {2, 16})},
       Scoring::relative,
       Counting::best,
       {"1 111111 a 1500000000", "ref 000000 solver 1250000000"}},
      {"moves: most answered first, then fewest moves in all; equals share a rank",
       {passed("s/a", "111111", {9, 9}), passed("s/b", "222222", {1, NONE}), passed("s/c", "333333", {5, 5}),
        passed("s/d", "444444", {6, 4})},
       {},
       Scoring::moves,
       Counting::best,
       {"1 333333 c 2", "1 444444 d 2", "3 111111 a 2", "4 222222 b 1"}},
      {"moves: best is the most answered, then the fewest moves",
       {passed("s/1", "111111", {1, NONE}), passed("s/2", "111111", {50, 50}),
        passed("s/3", "111111", {40, 50})},
       {},
       Scoring::moves,
       Counting::best,
       {"1 111111 3 2"}},
  };
  for (const RankingCase& test : cases) {
    EXPECT_EQ(table(rankContest(contest(test.submissions), test.references, test.scoring, test.counting)),
              test.expected)
        << test.name;
  }
}

TEST(StandingsRanking, BestKnownComesFromEverySubmission) {
  const Standings standings =
      rankContest(contest({passed("s/1", "111111", {7, NONE}), passed("s/2", "111111", {9, 3}),
                           failed("s/3", "222222", 2)}),
                  {}, Scoring::relative, Counting::last);
  EXPECT_EQ(standings.best, (Moves{7, 3}));
  EXPECT_EQ(standings.mostPossible, 2 * FULL_POINTS);
  EXPECT_EQ(standings.ranked.front().points, (std::vector<std::int64_t>{777777778, 1000000000}));
}

TEST(StandingsRanking, RelativePointsRoundToTheNearestInteger) {
  struct Case {
    std::optional<std::int32_t> best;
    std::optional<std::int32_t> moves;
    std::int64_t points;
  };
  const std::vector<Case> cases = {
      {3, 4, 750000000},
      {3, 7, 428571429},
      {2, 3, 666666667},
      {1, 3, 333333333},
      {1, 1024, 976563},  // 976562.5 rounds up
      {1, 1000000, 1000},
      {0, 0, FULL_POINTS},
      {0, 5, 0},
      {4, NONE, 0},
      {1000000, 1000000, FULL_POINTS},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(relativePoints(test.best, test.moves), test.points)
        << test.best.value_or(-1) << " / " << test.moves.value_or(-1);
  }
}

TEST(StandingsRanking, PercentOfTheMostPossible) {
  const std::vector<std::tuple<std::int64_t, std::int64_t, std::string>> cases = {
      {0, 0, "0.000"},      {1, 3, "33.333"},
      {2, 3, "66.667"},     {7, 8, "87.500"},
      {5, 5, "100.000"},    {1, 200000, "0.001"},
      {1, 200001, "0.000"}, {9'999'999'999'999, 10'000'000'000'000, "100.000"},
  };
  for (const auto& [total, most, percent] : cases)
    EXPECT_EQ(percentText(total, most), percent) << total << "/" << most;
}

}  // namespace
