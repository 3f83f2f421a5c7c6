#include "common/escaped_bytes.h"
#include "common/json_object.h"
#include "contest/standings/output.h"

namespace {

std::string jsonMoves(std::optional<std::int32_t> moves) { return moves ? std::to_string(*moves) : "null"; }

std::string rowJson(const StandingsRow& row, std::int64_t mostPossible) {
  const StandingsSubmission& submission = row.submission;
  std::string cases = "[";
  for (std::size_t t = 0; t < row.points.size(); ++t) {
    if (t > 0) cases += ',';
    cases +=
        JsonObject().raw("moves", jsonMoves(submission.fewestMoves[t])).number("points", row.points[t]).str();
  }
  cases += ']';
  return JsonObject()
      .raw("rank", row.rank ? std::to_string(*row.rank) : "null")
      .raw("contestant", submission.contestant ? jsonString(shownContestant(row)) : "null")
      .text("submission", shownSubmission(row))
      .text("verdict", shownVerdict(row))
      .text("message", submission.message)
      .number("total", row.total)
      .raw("percent", percentText(row.total, mostPossible))
      .number("answered", row.answered)
      .number("moves", row.movesInAll)
      .raw("cases", cases)
      .str();
}

void writeRows(std::ostream& output, const std::vector<StandingsRow>& rows, std::int64_t mostPossible) {
  output << "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    output << (i > 0 ? ",\n  " : "\n  ");
    output << rowJson(rows[i], mostPossible);
  }
  output << (rows.empty() ? "]" : "\n]");
}

}  // namespace

void writeStandingsJson(std::ostream& output, const Standings& standings) {
  output << "{\"scoring\":" << (standings.scoring == Scoring::relative ? "\"relative\"" : "\"moves\"")
         << ",\"count\":" << (standings.counting == Counting::best ? "\"best\"" : "\"last\"")
         << ",\"test_set\":" << jsonString(escapedBytes(standings.testSetHash))
         << ",\"most_possible\":" << standings.mostPossible << ",\n\"test_cases\":[";
  for (std::size_t t = 0; t < standings.testCases.size(); ++t) {
    const TestCaseRecord& testCase = standings.testCases[t];
    output << (t > 0 ? "," : "")
           << JsonObject()
                  .number("number", testCase.number)
                  .number("w", testCase.w)
                  .number("h", testCase.h)
                  .number("b", testCase.b)
                  .raw("best", jsonMoves(standings.best[t]))
                  .str();
  }
  output << "],\n\"ranked\":";
  writeRows(output, standings.ranked, standings.mostPossible);
  output << ",\n\"references\":";
  writeRows(output, standings.references, standings.mostPossible);
  output << "}\n";
}
