#include <array>

#include "common/escaped_bytes.h"
#include "contest/standings/embedded_page.h"
#include "contest/standings/output.h"

namespace {

// The policy allows the page's own style and script, by their hashes, and
// nothing else: even markup that slipped through could run or style nothing.
// Nothing is fetched.
std::string policy() {
  // Style attributes (the shading of points) stay allowed: they run nothing,
  // and with nothing to fetch they reach nothing.
  return "default-src 'none'; style-src-elem '" + std::string(standingsStyleHash()) +
         "'; style-src-attr 'unsafe-inline'; script-src '" + std::string(standingsScriptHash()) + "'";
}

// Text for the page: markup characters as entities (the text itself is
// already printable ASCII).
std::string html(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string cell(const std::string& key, const std::string& content, std::string_view attributes = {}) {
  // Appended piece by piece: GCC 12 misreads chained concatenation (-Wrestrict).
  std::string text = "<td data-key=\"";
  text += html(key);
  text += '"';
  if (!attributes.empty()) {
    text += ' ';
    text += attributes;
  }
  text += '>';
  text += content;
  text += "</td>";
  return text;
}

// From white (no points) to green (full points).
std::string shade(std::int64_t points, std::int64_t full) {
  static constexpr std::array<int, 3> WHITE = {255, 255, 255};
  static constexpr std::array<int, 3> GREEN = {99, 190, 123};
  std::string colour = "#";
  for (std::size_t i = 0; i < 3; ++i) {
    const auto value = static_cast<int>(WHITE[i] + (GREEN[i] - WHITE[i]) * points / full);
    appendHex(colour, static_cast<unsigned char>(value));
  }
  return colour;
}

// Moves scoring ranks equal counts of answers by the moves in all: shown too.
std::string totalText(const StandingsRow& row, Scoring scoring) {
  std::string text = std::to_string(row.total);
  if (scoring == Scoring::moves) {
    text += "<span class=\"points\">";
    text += std::to_string(row.movesInAll);
    text += " moves</span>";
  }
  return text;
}

void writeRow(std::ostream& output, const StandingsRow& row, std::size_t order, const Standings& standings) {
  const StandingsSubmission& submission = row.submission;
  const std::string submissionName = shownSubmission(row);
  output << "<tr data-order=\"" << order << "\">"
         << cell(row.rank ? std::to_string(*row.rank) : "0", rankText(row));
  if (submission.contestant) {
    output << cell(shownContestant(row), html(shownContestant(row)), "class=\"text\"");
  } else {
    output << cell(submissionName, html(submissionName) + " (unidentified)", "class=\"text unidentified\"");
  }
  output << cell(submissionName, html(submissionName), "class=\"text\"");
  std::string verdict = html(shownVerdict(row));
  if (submission.verdict != EvaluationOutcome::Verdict::Success)
    verdict += "<span class=\"message\">" + html(submission.message) + "</span>";
  output << cell(shownVerdict(row), verdict, "class=\"text\"")
         << cell(std::to_string(row.total), totalText(row, standings.scoring));
  const std::string percent = percentText(row.total, standings.mostPossible);
  output << cell(percent, percent);
  const std::int64_t full = standings.scoring == Scoring::relative ? FULL_POINTS : 1;
  for (std::size_t t = 0; t < row.points.size(); ++t) {
    const std::optional<std::int32_t> moves = submission.fewestMoves[t];
    const std::string content = "<span class=\"moves\">" + (moves ? std::to_string(*moves) : "&ndash;") +
                                "</span><span class=\"points\">" + std::to_string(row.points[t]) + "</span>";
    output << cell(moves ? std::to_string(row.points[t]) : "-1", content,
                   "style=\"background:" + shade(row.points[t], full) + "\"");
  }
  output << "</tr>\n";
}

void writeSummary(std::ostream& output, const Standings& standings) {
  output << "<p class=\"summary\">";
  if (standings.scoring == Scoring::relative) {
    output
        << "Relative scoring: on each test case, round(10<sup>9</sup> &times; best &divide; moves) points, "
           "best being the fewest moves of any passing answer known; 0 where unanswered. ";
  } else {
    output << "Moves scoring: the most test cases answered, then the fewest moves in all. ";
  }
  output << "Each contestant's " << (standings.counting == Counting::best ? "best" : "last")
         << " submission counts. Test set " << html(escapedBytes(standings.testSetHash)) << ", "
         << standings.testCases.size() << " test cases, most possible total " << standings.mostPossible
         << ". A submission whose header failed stands alone under its file name, unidentified; references "
            "are the organisers' answers, unranked.</p>\n";
}

void writeHeader(std::ostream& output, const Standings& standings) {
  output << "<thead><tr><th data-type=\"number\" aria-sort=\"ascending\">Rank</th>"
            "<th class=\"text\" data-type=\"text\">Contestant</th><th class=\"text\" "
            "data-type=\"text\">Submission</th>"
            "<th class=\"text\" data-type=\"text\">Verdict</th><th data-type=\"number\" "
            "data-first=\"descending\">Total</th>"
            "<th data-type=\"number\" data-first=\"descending\">%</th>";
  for (std::size_t t = 0; t < standings.testCases.size(); ++t) {
    const TestCaseRecord& testCase = standings.testCases[t];
    output << "<th data-type=\"number\" data-first=\"descending\" title=\"" << testCase.w << " &times; "
           << testCase.h << ", " << testCase.b << " colours\">" << testCase.number
           << "<span class=\"best\">best " << movesText(standings.best[t]) << "</span></th>";
  }
  output << "</tr></thead>\n";
}

}  // namespace

void writeStandingsPage(std::ostream& output, const Standings& standings) {
  output << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<meta http-equiv=\"Content-Security-Policy\" content=\""
         << policy() << "\">\n<title>Barvotok standings</title>\n<style>" << standingsStyle()
         << "</style>\n</head>\n<body>\n<h1>Barvotok standings</h1>\n";
  writeSummary(output, standings);
  output << "<table id=\"standings\">\n";
  writeHeader(output, standings);
  output << "<tbody class=\"ranked\">\n";
  for (std::size_t i = 0; i < standings.ranked.size(); ++i)
    writeRow(output, standings.ranked[i], i, standings);
  output << "</tbody>\n<tbody class=\"references\">\n";
  for (std::size_t i = 0; i < standings.references.size(); ++i) {
    writeRow(output, standings.references[i], i, standings);
  }
  // The elements hold the exact bytes that the policy's hashes are of.
  output << "</tbody>\n</table>\n<script>" << standingsScript() << "</script>\n</body>\n</html>\n";
}
