#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "contest/database/records.h"

// What stops the standings short of a bad command line (a file that cannot
// be read or is no results database, a failing reference, an output that
// is an input): the tool prints the message and ends with exit status 1.
class StandingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One judged submission (or one of the organisers' reference answers), as
// standings need it.
struct StandingsSubmission {
  std::string path;                                      // as named to the judge, or on the command line
  std::optional<std::string> contestant;                 // line 1 as written, when the header passed
  std::string verdict;                                   // "OK", the failed check line, or "unexpected"
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
// merge. Throws StandingsError for a file that is not a results database,
// several test sets and no choice, or databases that disagree.
StandingsResults readStandingsResults(const std::vector<std::string>& paths,
                                      const std::optional<std::string>& testSetHash);

// The fewest moves of the passed sections per test case, 1 ... `caseCount`:
// what a submission's answers score.
std::vector<std::optional<std::int32_t>> fewestMovesOf(const std::vector<SectionRecord>& sections,
                                                       std::size_t caseCount);

// The file name of a path: what follows its last '/'.
std::string submissionFileName(const std::string& path);

// The report's first line made safe to show, cut after `limit` bytes of
// the original. `lineLength` is the whole line's length, `head` at least its
// first min(lineLength, limit) bytes.
std::string shownReportLine(const std::string& head, std::size_t lineLength, std::size_t limit = 400);
