#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contest/standings/results.h"

// How test cases score: relative to the best answer known (points out of
// 10^9 each), or by the number answered and then the fewest moves in all.
enum class Scoring { relative, moves };
// Which of a contestant's submissions counts: the best, or the last in path order.
enum class Counting { best, last };

inline constexpr std::int64_t FULL_POINTS = 1'000'000'000;

// One row of the table: a contestant's counted submission, or a reference.
struct StandingsRow {
  std::optional<std::int64_t> rank;  // none for a reference
  StandingsSubmission submission;
  std::vector<std::int64_t> points;  // per test case
  std::int64_t total = 0;            // relative: the sum of points; moves: test cases answered
  std::int32_t answered = 0;
  std::int64_t movesInAll = 0;  // over the test cases answered
};

struct Standings {
  Scoring scoring = Scoring::relative;
  Counting counting = Counting::best;
  std::string testSetHash;
  std::vector<TestCaseRecord> testCases;
  std::vector<std::optional<std::int32_t>> best;  // per test case: the fewest moves known
  std::int64_t mostPossible = 0;                  // the total of a row that is best everywhere
  std::vector<StandingsRow> ranked;               // in rank order, equals by contestant
  std::vector<StandingsRow> references;           // in the order given
};

// The points of an answer in `moves` where the best known is `best`:
// round(10^9 * best / moves), in integers; 0 for no answer.
std::int64_t relativePoints(std::optional<std::int32_t> best, std::optional<std::int32_t> moves);

// The contest ranked: each contestant's counted submission (an unidentified
// submission alone under its file name), with the references set apart.
Standings rankContest(const StandingsResults& results, const std::vector<StandingsSubmission>& references,
                      Scoring scoring, Counting counting);

// total / mostPossible as a percentage with three decimals ("97.125").
std::string percentText(std::int64_t total, std::int64_t mostPossible);
