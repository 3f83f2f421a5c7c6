#include "contest/standings/ranking.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "common/file_status.h"

namespace {

StandingsRow scoredRow(const StandingsSubmission& submission,
                       const std::vector<std::optional<std::int32_t>>& best, Scoring scoring) {
  StandingsRow row{std::nullopt, submission, std::vector<std::int64_t>(best.size()), 0, 0, 0};
  for (std::size_t t = 0; t < best.size(); ++t) {
    const std::optional<std::int32_t> moves = submission.fewestMoves[t];
    if (!moves) continue;
    ++row.answered;
    row.movesInAll += *moves;
    row.points[t] = scoring == Scoring::relative ? relativePoints(best[t], moves) : 1;
    row.total += row.points[t];
  }
  return row;
}

// Smaller is better: a higher total first, then (by moves) fewer moves in all.
std::tuple<std::int64_t, std::int64_t> scoreKey(const StandingsRow& row, Scoring scoring) {
  return {-row.total, scoring == Scoring::moves ? row.movesInAll : 0};
}

// How rows with equal scores stand: by contestant, an unidentified
// submission by its file name; the path only keeps the order total.
std::tuple<std::string, bool, const std::string&> contestantKey(const StandingsRow& row) {
  const StandingsSubmission& submission = row.submission;
  return {submission.contestant.value_or(fileNameOf(submission.path)), !submission.contestant,
          submission.path};
}

// Each contestant's counted row; `rows` are in path order.
std::vector<StandingsRow> countedRows(std::vector<StandingsRow> rows, Scoring scoring, Counting counting) {
  std::vector<StandingsRow> counted;
  std::map<std::string, std::size_t> placeOfContestant;
  for (StandingsRow& row : rows) {
    if (!row.submission.contestant) {
      counted.push_back(std::move(row));
      continue;
    }
    const auto [place, first] = placeOfContestant.emplace(*row.submission.contestant, counted.size());
    if (first) {
      counted.push_back(std::move(row));
    } else if (counting == Counting::last ||
               scoreKey(row, scoring) < scoreKey(counted[place->second], scoring)) {
      counted[place->second] = std::move(row);
    }
  }
  return counted;
}

}  // namespace

std::int64_t relativePoints(std::optional<std::int32_t> best, std::optional<std::int32_t> moves) {
  if (!moves) return 0;
  // A grid flooded from the start is answered best in 0 moves.
  if (*moves == 0 || !best) return FULL_POINTS;
  const std::int64_t fewest = *best;
  return (2 * FULL_POINTS * fewest + *moves) / (2 * static_cast<std::int64_t>(*moves));
}

Standings rankContest(const StandingsResults& results, const std::vector<StandingsSubmission>& references,
                      Scoring scoring, Counting counting) {
  Standings standings{scoring, counting, results.testSetHash, results.testCases, {}, 0, {}, {}};
  const std::size_t caseCount = results.testCases.size();
  standings.best.resize(caseCount);
  for (const auto* group : {&results.submissions, &references}) {
    for (const StandingsSubmission& submission : *group) {
      for (std::size_t t = 0; t < caseCount; ++t) {
        const std::optional<std::int32_t> moves = submission.fewestMoves[t];
        if (moves && (!standings.best[t] || *moves < *standings.best[t])) standings.best[t] = moves;
      }
    }
  }
  standings.mostPossible =
      static_cast<std::int64_t>(caseCount) * (scoring == Scoring::relative ? FULL_POINTS : 1);

  std::vector<StandingsRow> rows;
  for (const StandingsSubmission& submission : results.submissions) {
    rows.push_back(scoredRow(submission, standings.best, scoring));
  }
  standings.ranked = countedRows(std::move(rows), scoring, counting);
  std::sort(standings.ranked.begin(), standings.ranked.end(),
            [&](const StandingsRow& a, const StandingsRow& b) {
              const auto aScore = scoreKey(a, scoring);
              const auto bScore = scoreKey(b, scoring);
              if (aScore != bScore) return aScore < bScore;
              return contestantKey(a) < contestantKey(b);
            });
  for (std::size_t i = 0; i < standings.ranked.size(); ++i) {
    const bool tied =
        i > 0 && scoreKey(standings.ranked[i], scoring) == scoreKey(standings.ranked[i - 1], scoring);
    standings.ranked[i].rank = tied ? standings.ranked[i - 1].rank : static_cast<std::int64_t>(i + 1);
  }
  for (const StandingsSubmission& reference : references) {
    standings.references.push_back(scoredRow(reference, standings.best, scoring));
  }
  return standings;
}

std::string percentText(std::int64_t total, std::int64_t mostPossible) {
  if (mostPossible <= 0) return "0.000";
  // Long division, so that no product can overflow: hundred-thousandths, rounded.
  std::int64_t scaled = total / mostPossible;
  std::int64_t rest = total % mostPossible;
  for (int digit = 0; digit < 5; ++digit) {
    rest *= 10;
    scaled = scaled * 10 + rest / mostPossible;
    rest %= mostPossible;
  }
  if (rest >= mostPossible - rest) ++scaled;
  std::string fraction = std::to_string(scaled % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return std::to_string(scaled / 1000) + "." + fraction;
}
