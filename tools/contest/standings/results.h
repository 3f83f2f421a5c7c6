#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contest/database/records.h"
#include "driver/outcome.h"

// One judged submission (or one of the organisers' reference answers), as
// standings need it.
struct StandingsSubmission {
  std::string path;                       // as named to the judge, or on the command line
  std::optional<std::string> contestant;  // line 1 as written, when the header passed
  EvaluationOutcome::Verdict verdict = EvaluationOutcome::Verdict::Success;
  std::int32_t checkLine = 0;                            // a failed check's line
  std::string message;                                   // the report's first line, already made safe to show
  std::vector<std::optional<std::int32_t>> fewestMoves;  // per test case, when a passing section answers it
};

// Everything judged against one test set, from one or more databases.
struct StandingsResults {
  std::string testSetHash;
  std::vector<TestCaseRecord> testCases;         // in number order, 1 ... T
  std::vector<StandingsSubmission> submissions;  // in byte order of their paths
  std::int64_t unjudged = 0;                     // named submissions that have no verdict yet
};

// Reads, read-only, what the databases at `paths` hold about one test set:
// the one named by `testSetHash`, or else the only one they hold. Verdicts
// are joined to submissions by content across all the databases, so shards
// merge. Throws ToolError for a file that is not a results database,
// several test sets and no choice, or databases that disagree.
StandingsResults readStandingsResults(const std::vector<std::string>& paths,
                                      const std::optional<std::string>& testSetHash);

// A submission's verdict as the standings show it, from its outcome: a
// failed check's message may be cut, `messageLength` being its whole length.
StandingsSubmission standingsSubmission(std::string path, std::optional<std::string> contestant,
                                        const EvaluationOutcome& outcome, std::size_t messageLength,
                                        std::size_t caseCount);
