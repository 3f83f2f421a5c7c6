#include "common/escaped_bytes.h"
#include "contest/standings/output.h"

namespace {

// A JSON string of printable ASCII (every text here is escaped first). The
// markup characters are escaped too, so the text is safe inside a page.
std::string jsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    switch (c) {
      case '"':
        json += "\\\"";
        break;
      case '\\':
        json += "\\\\";
        break;
      case '<':
        json += "\\u003c";
        break;
      case '>':
        json += "\\u003e";
        break;
      case '&':
        json += "\\u0026";
        break;
      default:
        json += c;
    }
  }
  return json + "\"";
}

std::string jsonMoves(std::optional<std::int32_t> moves) { return moves ? std::to_string(*moves) : "null"; }

void writeRow(std::ostream& output, const StandingsRow& row, std::int64_t mostPossible) {
  const StandingsSubmission& submission = row.submission;
  output << "{\"rank\":" << (row.rank ? std::to_string(*row.rank) : "null")
         << ",\"contestant\":" << (submission.contestant ? jsonString(shownContestant(row)) : "null")
         << ",\"submission\":" << jsonString(shownSubmission(row))
         << ",\"verdict\":" << jsonString(shownVerdict(row))
         << ",\"message\":" << jsonString(submission.message) << ",\"total\":" << row.total
         << ",\"percent\":" << percentText(row.total, mostPossible) << ",\"answered\":" << row.answered
         << ",\"moves\":" << row.movesInAll << ",\"cases\":[";
  for (std::size_t t = 0; t < row.points.size(); ++t) {
    output << (t > 0 ? "," : "") << "{\"moves\":" << jsonMoves(submission.fewestMoves[t])
           << ",\"points\":" << row.points[t] << "}";
  }
  output << "]}";
}

void writeRows(std::ostream& output, const std::vector<StandingsRow>& rows, std::int64_t mostPossible) {
  output << "[";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    output << (i > 0 ? ",\n  " : "\n  ");
    writeRow(output, rows[i], mostPossible);
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
    output << (t > 0 ? "," : "") << "{\"number\":" << testCase.number << ",\"w\":" << testCase.w
           << ",\"h\":" << testCase.h << ",\"b\":" << testCase.b
           << ",\"best\":" << jsonMoves(standings.best[t]) << "}";
  }
  output << "],\n\"ranked\":";
  writeRows(output, standings.ranked, standings.mostPossible);
  output << ",\n\"references\":";
  writeRows(output, standings.references, standings.mostPossible);
  output << "}\n";
}
