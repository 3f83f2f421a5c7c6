#include "contest/standings/output.h"

#include <gtest/gtest.h>

#include <sstream>

#include "contest/standings/ranking.h"

namespace {

using Verdict = EvaluationOutcome::Verdict;

// A contest with every kind of row: a hostile contestant line (quote, comma,
// markup, backslash, NUL, a byte above 127), a hostile file name, an
// unidentified failure, and a reference.
Standings hostileStandings() {
  StandingsResults results;
  results.testSetHash = "0123abcd";
  results.testCases = {{1, 3, 2, 4}, {2, 1, 1, 1}};
  using Moves = std::vector<std::optional<std::int32_t>>;
  results.submissions = {
      {"subs/<b>&\"x\",y.txt", std::string("1\",<\0\xe9", 6), Verdict::Success, 0, "OK",
       Moves{3, std::nullopt}},
      {"subs/plain", "2\\2222", Verdict::Success, 0, "OK", Moves{4, 0}},
      {"subs/\x01weird\xff", std::nullopt, Verdict::FailedCheck, 221,
       "Napaka [Zvn22Barvotok:221]: ... '\\x00<'", Moves(2)},
  };
  const std::vector<StandingsSubmission> references = {
      {"ref/solver", "000000", Verdict::Success, 0, "OK", Moves{2, 0}}};
  return rankContest(results, references, Scoring::relative, Counting::best);
}

TEST(StandingsOutput, CsvShowsEveryByteSafelyAndQuotesAsRfc4180) {
  std::ostringstream csv;
  writeStandingsCsv(csv, hostileStandings());
  EXPECT_EQ(csv.str(),
            "rank,contestant,submission,verdict,total,moves_1,points_1,moves_2,points_2\r\n"
            "1,2\\x5c2222,plain,OK,1500000000,4,500000000,0,1000000000\r\n"
            "2,\"1\"\",<\\x00\\xe9\",\"<b>&\"\"x\"\",y.txt\",OK,666666667,3,666666667,,0\r\n"
            "3,,\\x01weird\\xff,221,0,,0,,0\r\n"
            "ref,000000,solver,OK,2000000000,2,1000000000,0,1000000000\r\n");
}

// Cells that a spreadsheet would run as formulas: the CSV makes them text
// with a leading quote; the JSON keeps the exact text.
TEST(StandingsOutput, CsvDefusesFormulaCellsAndJsonKeepsThem) {
  const std::pair<std::string, std::string> cells[] = {
      {"+1+A1!", "'+1+A1!"}, {"=1+2", "'=1+2"},
      {"-12345", "'-12345"}, {"@SUM(A1)", "'@SUM(A1)"},
      {"1=2+3", "1=2+3"},    {"=HYPERLINK(\"u\",\"v\")", "\"'=HYPERLINK(\"\"u\"\",\"\"v\"\")\""},
  };
  for (const auto& [contestant, shown] : cells) {
    StandingsResults results;
    results.testSetHash = "0123abcd";
    results.testCases = {{1, 1, 1, 1}};
    using Moves = std::vector<std::optional<std::int32_t>>;
    results.submissions = {{"subs/" + contestant + ".txt", contestant, Verdict::Success, 0, "OK", Moves{0}}};
    const Standings standings = rankContest(results, {}, Scoring::relative, Counting::best);
    std::ostringstream csv;
    writeStandingsCsv(csv, standings);
    const std::string row = csv.str().substr(csv.str().find("\r\n") + 2);
    EXPECT_TRUE(row.starts_with("1," + shown + ",")) << row;
    std::ostringstream json;
    writeStandingsJson(json, standings);
    EXPECT_EQ(json.str().find("'"), std::string::npos) << json.str();
  }
}

TEST(StandingsOutput, JsonTellsTheSameFactsInAsciiThatAPageCanEmbed) {
  std::ostringstream json;
  writeStandingsJson(json, hostileStandings());
  EXPECT_EQ(
      json.str(),
      "{\"scoring\":\"relative\",\"count\":\"best\",\"test_set\":\"0123abcd\",\"most_possible\":2000000000,\n"
      "\"test_cases\":[{\"number\":1,\"w\":3,\"h\":2,\"b\":4,\"best\":2},"
      "{\"number\":2,\"w\":1,\"h\":1,\"b\":1,\"best\":0}],\n"
      "\"ranked\":[\n"
      "  {\"rank\":1,\"contestant\":\"2\\\\x5c2222\",\"submission\":\"plain\",\"verdict\":\"OK\","
      "\"message\":\"OK\",\"total\":1500000000,\"percent\":75.000,\"answered\":2,\"moves\":4,"
      "\"cases\":[{\"moves\":4,\"points\":500000000},{\"moves\":0,\"points\":1000000000}]},\n"
      "  {\"rank\":2,\"contestant\":\"1\\\",\\u003c\\\\x00\\\\xe9\","
      "\"submission\":\"\\u003cb\\u003e\\u0026\\\"x\\\",y.txt\",\"verdict\":\"OK\",\"message\":\"OK\","
      "\"total\":666666667,\"percent\":33.333,\"answered\":1,\"moves\":3,"
      "\"cases\":[{\"moves\":3,\"points\":666666667},{\"moves\":null,\"points\":0}]},\n"
      "  {\"rank\":3,\"contestant\":null,\"submission\":\"\\\\x01weird\\\\xff\",\"verdict\":\"221\","
      "\"message\":\"Napaka [Zvn22Barvotok:221]: ... '\\\\x00\\u003c'\",\"total\":0,\"percent\":0.000,"
      "\"answered\":0,\"moves\":0,\"cases\":[{\"moves\":null,\"points\":0},{\"moves\":null,\"points\":0}]}\n"
      "],\n"
      "\"references\":[\n"
      "  {\"rank\":null,\"contestant\":\"000000\",\"submission\":\"solver\",\"verdict\":\"OK\","
      "\"message\":\"OK\",\"total\":2000000000,\"percent\":100.000,\"answered\":2,\"moves\":2,"
      "\"cases\":[{\"moves\":2,\"points\":1000000000},{\"moves\":0,\"points\":1000000000}]}\n"
      "]}\n");
}

TEST(StandingsOutput, FormatFollowsTheExtension) {
  EXPECT_EQ(outputFormatOf("out.csv"), OutputFormat::csv);
  EXPECT_EQ(outputFormatOf("a.b/out.json"), OutputFormat::json);
  EXPECT_EQ(outputFormatOf("out.html"), OutputFormat::html);
  EXPECT_EQ(outputFormatOf("out.htm"), std::nullopt);
  EXPECT_EQ(outputFormatOf("csv"), std::nullopt);
}

}  // namespace
