#include "common/escaped_bytes.h"
#include "common/json_object.h"
#include "contest/standings/output.h"

namespace {

std::string jsonMoves(std::optional<std::int32_t> moves) { return moves ? std::to_string(*moves) : "null"; }

std::string rowJson(const StandingsRow& row, std::int64_t mostPossible) {
  const StandingsSubmission& submission = row.submission;
  JsonArray cases;
  for (std::size_t t = 0; t < row.points.size(); ++t) {
    cases.add(JsonObject()
                  .raw("moves", jsonMoves(submission.fewestMoves[t]))
                  .number("points", row.points[t])
                  .str());
  }
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
      .array("cases", cases)
      .str();
}

JsonArray rowsJson(const std::vector<StandingsRow>& rows, std::int64_t mostPossible) {
  JsonArray json;
  for (const StandingsRow& row : rows) json.add(rowJson(row, mostPossible));
  return json;
}

}  // namespace

void writeStandingsJson(std::ostream& output, const Standings& standings) {
  JsonArray testCases;
  for (std::size_t t = 0; t < standings.testCases.size(); ++t) {
    const TestCaseRecord& testCase = standings.testCases[t];
    testCases.add(JsonObject()
                      .number("number", testCase.number)
                      .number("w", testCase.w)
                      .number("h", testCase.h)
                      .number("b", testCase.b)
                      .raw("best", jsonMoves(standings.best[t]))
                      .str());
  }
  output << JsonObject()
                .text("scoring", standings.scoring == Scoring::relative ? "relative" : "moves")
                .text("count", standings.counting == Counting::best ? "best" : "last")
                .text("test_set", escapedBytes(standings.testSetHash))
                .number("most_possible", standings.mostPossible)
                .lineBreak()
                .array("test_cases", testCases)
                .lineBreak()
                .array("ranked", rowsJson(standings.ranked, standings.mostPossible), true)
                .lineBreak()
                .array("references", rowsJson(standings.references, standings.mostPossible), true)
                .str()
         << "\n";
}
