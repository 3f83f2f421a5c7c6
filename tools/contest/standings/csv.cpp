#include "contest/standings/output.h"

namespace {

// A cell that a spreadsheet would take for a formula gets a leading quote,
// which it shows as text: contestants choose these bytes.
std::string inert(const std::string& text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos
             ? "'" + text
             : text;
}

// A field as RFC 4180 wants it: quoted, its quotes doubled, where it holds a
// comma or a quote (line ends cannot occur: every text is escaped).
std::string field(const std::string& cell) {
  std::string text = inert(cell);
  if (text.find_first_of(",\"") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

void writeRow(std::ostream& output, const StandingsRow& row) {
  output << rankText(row) << ',' << field(shownContestant(row)) << ',' << field(shownSubmission(row)) << ','
         << field(shownVerdict(row)) << ',' << row.total;
  for (std::size_t t = 0; t < row.points.size(); ++t) {
    output << ',' << movesText(row.submission.fewestMoves[t]) << ',' << row.points[t];
  }
  output << "\r\n";
}

}  // namespace

void writeStandingsCsv(std::ostream& output, const Standings& standings) {
  output << "rank,contestant,submission,verdict,total";
  for (const TestCaseRecord& testCase : standings.testCases) {
    output << ",moves_" << testCase.number << ",points_" << testCase.number;
  }
  output << "\r\n";
  for (const StandingsRow& row : standings.ranked) writeRow(output, row);
  for (const StandingsRow& row : standings.references) writeRow(output, row);
}
