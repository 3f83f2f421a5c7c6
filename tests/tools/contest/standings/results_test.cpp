#include "contest/standings/results.h"

#include <gtest/gtest.h>

#include <fstream>
#include <new>
#include <sstream>
#include <tuple>

#include "common/checked_test_set.h"
#include "contest/standings/input.h"
#include "contest/standings/output.h"
#include "contest/standings/ranking.h"
#include "driver/report.h"
#include "tools/contest/standings/results_fixture.h"

namespace {

constexpr const char* FAILED_REPORT = "Napaka [Zvn22Barvotok:190]: na koncu barvanj je ...\n-1\n";
const std::int64_t VERSIONS[] = {RESULTS_SCHEMA_VERSION_1, RESULTS_SCHEMA_VERSION};
using Verdict = EvaluationOutcome::Verdict;

std::string csvOf(const std::vector<std::string>& paths, Counting counting = Counting::best) {
  std::ostringstream csv;
  writeStandingsCsv(csv,
                    rankContest(readStandingsResults(paths, std::nullopt), {}, Scoring::relative, counting));
  return csv.str();
}

std::string errorOf(const std::vector<std::string>& paths, const std::optional<std::string>& testSet = {}) {
  try {
    readStandingsResults(paths, testSet);
  } catch (const ToolError& error) {
    return error.message;
  }
  return "no error";
}

std::string fileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Also across schema versions: a shard of the first version merges with
// one of this version.
TEST(StandingsResults, ShardsMergeInAnyOrderAsOneDatabase) {
  for (const auto& [wholeVersion, firstVersion, secondVersion] :
       {std::tuple{VERSIONS[0], VERSIONS[0], VERSIONS[0]},
        {VERSIONS[1], VERSIONS[1], VERSIONS[1]},
        {VERSIONS[1], VERSIONS[0], VERSIONS[1]}}) {
    ScratchFolder scratch;
    const std::string whole = scratch.file("whole.db");
    const std::string first = scratch.file("first.db");
    const std::string second = scratch.file("second.db");
    {
      ResultsFile all(whole, wholeVersion);
      ResultsFile one(first, firstVersion);
      ResultsFile two(second, secondVersion);
      for (ResultsFile* file : {&all, &one, &two}) file->addTestSet("t1", 2);
      // Repeated sections: the fewest moves count.
      const std::vector<std::pair<std::int32_t, std::int32_t>> sections = {{1, 6}, {2, 3}, {1, 4}};
      for (ResultsFile* file : {&all, &one}) {
        file->addSubmission("subs/a", "ha", "t1");
        file->addPassed("ha", "t1", "111111", sections);
      }
      for (ResultsFile* file : {&all, &two}) {
        file->addSubmission("subs/b", "hb", "t1");
        file->addFailed("hb", "t1", "222222", 190, "na koncu barvanj je ...");
        // The same content under another path: judged once, in the other shard.
        file->addSubmission("subs/c", "ha", "t1");
      }
    }
    const std::string expected =
        "rank,contestant,submission,verdict,total,moves_1,points_1,moves_2,points_2\r\n"
        "1,111111,a,OK,2000000000,4,1000000000,3,1000000000\r\n"
        "2,222222,b,190,0,,0,,0\r\n";
    EXPECT_EQ(csvOf({whole}), expected);
    EXPECT_EQ(csvOf({first, second}), expected);
    EXPECT_EQ(csvOf({second, first}), expected);
    // subs/c, the same content as subs/a, is 111111's last submission.
    std::string last = expected;
    last.replace(last.find(",a,"), 3, ",c,");
    EXPECT_EQ(csvOf({second, first}, Counting::last), last);
  }
}

TEST(StandingsResults, FilesThatAreNoResultsDatabaseAreRefusedUntouched) {
  ScratchFolder scratch;
  const std::string text = scratch.file("notes.txt");
  std::ofstream(text) << "Barvotok\n1\n";
  EXPECT_EQ(errorOf({text}), "'" + text + "' is not a results database of barvotok-contest");
  EXPECT_EQ(fileBytes(text), "Barvotok\n1\n");

  const std::string empty = scratch.file("empty.db");
  std::ofstream(empty).close();
  EXPECT_EQ(errorOf({empty}), "'" + empty + "' is not a results database of barvotok-contest");
  EXPECT_EQ(fileBytes(empty), "");

  const std::string newer = scratch.file("newer.db");
  ResultsFile(newer).execute("PRAGMA user_version = 3");
  EXPECT_EQ(
      errorOf({newer}),
      "'" + newer + "' has results of schema version 3; this tool reads version 2 and converts version 1");

  const std::string missing = scratch.file("missing.db");
  EXPECT_EQ(errorOf({missing}).rfind("cannot open results database '" + missing + "'", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(StandingsResults, OneTestSetIsRankedAndNeverMixedWithAnother) {
  ScratchFolder scratch;
  const std::string path = scratch.file("results.db");
  {
    ResultsFile file(path);
    file.addTestSet("old", 1);
    file.addTestSet("new", 1);
    file.addSubmission("subs/a", "ha", "old");
    file.addPassed("ha", "old", "111111", {{1, 4}});
    file.addSubmission("subs/a", "ha2", "new");
    file.addPassed("ha2", "new", "111111", {{1, 9}});
    file.addSubmission("subs/b", "hb", "new");
  }
  EXPECT_EQ(errorOf({path}),
            "the results hold verdicts for several test sets; name the one to rank with --input:\n"
            "  new (input.txt)\n  old (input.txt)");
  EXPECT_EQ(errorOf({path}, "other"), "the results hold no verdicts for test set other");
  const StandingsResults results = readStandingsResults({path}, "new");
  ASSERT_EQ(results.submissions.size(), 1u);
  EXPECT_EQ(results.submissions[0].fewestMoves[0], 9);
  EXPECT_EQ(results.unjudged, 1);  // subs/b has no verdict yet
  EXPECT_EQ(results.testCases, (std::vector<TestCaseRecord>{{1, 10, 2, 5}}));
}

TEST(StandingsResults, DisagreementsBetweenDatabasesAreRefused) {
  ScratchFolder scratch;
  const std::string first = scratch.file("first.db");
  const std::string second = scratch.file("second.db");
  {
    ResultsFile one(first);
    ResultsFile two(second);
    one.addTestSet("t1", 1);
    two.addTestSet("t1", 1);
    one.addSubmission("subs/a", "h1", "t1");
    two.addSubmission("subs/a", "h2", "t1");
  }
  EXPECT_EQ(errorOf({first, second}),
            "submission 'subs/a' was judged with different contents in two results databases");
}

// What the judge never writes is an error naming the row, never a standing:
// in a file of the first version, a verdict whose report is not its own.
TEST(StandingsResults, VerdictsThatTheJudgeNeverWroteInTheFirstVersionAreRefused) {
  const std::string unexpected = reportOf(outcomeOf([]() -> ResultList { throw std::bad_alloc(); }));
  const struct {
    std::string verdict;
    std::string report;
    ResultsFile::Sections sections;
    std::string fault;
  } rows[] = {
      {"banana", FAILED_REPORT, {}, "its verdict 'banana' is none that the judge gives"},
      {"999", FAILED_REPORT, {}, "its verdict '999' is none that the judge gives"},
      {"0190", FAILED_REPORT, {}, "its verdict '0190' is none that the judge gives"},
      {"O\x1bK", "OK\n0\n", {}, "its verdict 'O\\x1bK' is none that the judge gives"},
      {"OK", FAILED_REPORT, {}, "its report is not of the verdict OK"},
      {"OK", "OK\n1\n1 5\n", {{1, 4}}, "its report is not of the verdict OK"},
      {"OK", "OK\n1\n1 4\n", {{1, 4}, {1, 3}}, "its report is not of the verdict OK"},
      {"190", "OK\n0\n", {}, "its report is not of the verdict 190"},
      {"221", FAILED_REPORT, {}, "its report is not of the verdict 221"},
      {"190", FAILED_REPORT, {{1, 4}}, "it has sections beside the verdict 190"},
      {"unexpected", FAILED_REPORT, {}, "its report is not of the verdict unexpected"},
      {"unexpected", unexpected + "x", {}, "its report is not of the verdict unexpected"},
  };
  for (const auto& row : rows) {
    ScratchFolder scratch;
    const std::string path = scratch.file("results.db");
    {
      ResultsFile file(path, RESULTS_SCHEMA_VERSION_1);
      file.addTestSet("t1", 1);
      file.addSubmission("a", "ha", "t1");
      file.addVersion1Verdict("ha", "t1", "123456", row.verdict, row.report, row.sections);
    }
    EXPECT_EQ(errorOf({path}),
              "'" + path + "' holds a verdict that the judge never writes, for content ha: " + row.fault)
        << row.verdict << " " << row.report;
  }
}

// In a file of this version, rows that break the outcome's form (which the
// schema's constraints keep out, unless a program turns them off).
TEST(StandingsResults, VerdictsThatTheJudgeNeverWritesAreRefused) {
  const struct {
    std::int64_t version;
    std::string outcome;
    std::optional<std::int64_t> checkLine;
    std::optional<std::string> message;
    ResultsFile::Sections sections;
    std::string fault;
  } rows[] = {
      {2,
       "banana",
       std::nullopt,
       std::nullopt,
       {},
       "the verdict of content ha is none that the judge writes"},
      {2, "failed", 999, "m", {}, "the verdict of content ha is none that the judge writes"},
      {2, "failed", std::nullopt, "m", {}, "the verdict of content ha is none that the judge writes"},
      {2, "failed", 190, std::nullopt, {}, "the verdict of content ha is none that the judge writes"},
      {2, "passed", 190, std::nullopt, {}, "the verdict of content ha is none that the judge writes"},
      {2, "unexpected", std::nullopt, "m", {}, "the verdict of content ha is none that the judge writes"},
      {2, "failed", 190, "m", {{1, 4}}, "the verdict of content ha has sections beside the outcome failed"},
      {2,
       "passed",
       std::nullopt,
       std::nullopt,
       {{2, 4}},
       "the verdict of content ha has a section for test case 2, which its test set lacks"},
      {2,
       "passed",
       std::nullopt,
       std::nullopt,
       {{1, 21}},
       "the verdict of content ha gives 21 moves on test case 1, whose grid has 20 cells"},
      // The first version's sections are held to the same rules once converted.
      {1,
       "OK",
       std::nullopt,
       "OK\n1\n2 4\n",
       {{2, 4}},
       "the verdict of content ha has a section for test case 2, which its test set lacks"},
  };
  for (const auto& row : rows) {
    ScratchFolder scratch;
    const std::string path = scratch.file("results.db");
    {
      ResultsFile file(path, row.version);
      file.addTestSet("t1", 1);
      file.addSubmission("a", "ha", "t1");
      if (row.version == RESULTS_SCHEMA_VERSION_1) {
        file.addVersion1Verdict("ha", "t1", "123456", row.outcome, *row.message, row.sections);
      } else {
        file.addVerdictRow("ha", "t1", row.outcome, row.checkLine, row.message, row.sections);
      }
    }
    EXPECT_EQ(errorOf({path}), "will not use results database '" + path + "': " + row.fault) << row.outcome;
  }
}

TEST(StandingsResults, AFailureShowsItsFirstLineSafelyAndCut) {
  for (const std::int64_t version : VERSIONS) {
    ScratchFolder scratch;
    const std::string path = scratch.file("results.db");
    const std::string quoted = std::string("v prvi vrstici ... 'a\0\xff\\'", 25);
    const std::string huge(1000, 'x');
    {
      ResultsFile file(path, version);
      file.addTestSet("t1", 1);
      file.addSubmission("a", "ha", "t1");
      file.addFailed("ha", "t1", std::nullopt, 221, quoted);
      file.addSubmission("b", "hb", "t1");
      file.addFailed("hb", "t1", std::nullopt, 190, huge);
    }
    const StandingsResults results = readStandingsResults({path}, std::nullopt);
    ASSERT_EQ(results.submissions.size(), 2u);
    EXPECT_EQ(results.submissions[0].message,
              "Napaka [Zvn22Barvotok:221]: v prvi vrstici ... 'a\\x00\\xff\\x5c'");
    EXPECT_EQ(results.submissions[1].message,
              ("Napaka [Zvn22Barvotok:190]: " + huge).substr(0, 400) + "... (1028 bytes in all)");
  }
}

TEST(StandingsInput, TestSetHashIsTheCanonicalXxh3Of128Bits) {
  ScratchFolder scratch;
  const std::string empty = scratch.file("empty.txt");
  std::ofstream(empty).close();
  EXPECT_EQ(readTestSetFile(empty), "99aa06d3014798d86001c324468d497f");
}

TEST(StandingsInput, ReferencesAreJudgedByTheEvaluator) {
  ScratchFolder scratch;
  const std::string input = scratch.file("input.txt");
  std::ofstream(input) << "Barvotok\n2\n\n1\n3 2 4\n1 1 2\n3 4 1\n\n2\n1 1 1\n1\n";
  TestSet testSet;
  ASSERT_TRUE(readCheckedTestSet(input, testSet));

  const std::string good = scratch.file("solver.txt");
  std::ofstream(good) << "1a\xff"
                         "456\nBarvotok\n\n1\n5\n1 2 3 1 4\n1\n4\n2 3 4 1\n";
  const StandingsSubmission reference = judgeReference(testSet, good);
  EXPECT_EQ(reference.contestant,
            "1a\xff"
            "456");
  EXPECT_EQ(reference.verdict, Verdict::Success);
  EXPECT_EQ(reference.fewestMoves, (std::vector<std::optional<std::int32_t>>{4, std::nullopt}));

  const std::string bad = scratch.file("bad.txt");
  std::ofstream(bad) << "123456\nBarvotok\n1\n1\n2\n";
  try {
    judgeReference(testSet, bad);
    ADD_FAILURE() << "a failing reference was accepted";
  } catch (const ToolError& error) {
    EXPECT_EQ(error.message.rfind("reference '" + bad + "' fails the evaluator's checks: Napaka [", 0), 0u)
        << error.message;
  }
}

}  // namespace
