#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A test case's size as the results database records it.
struct StandingsTestCase {
  std::int32_t number = 0;
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  bool operator==(const StandingsTestCase&) const = default;
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
  std::vector<StandingsTestCase> testCases;      // in number order, 1 ... T
  std::vector<StandingsSubmission> submissions;  // in byte order of their paths
  std::int64_t unjudged = 0;                     // named submissions that have no verdict yet
};

// The file name of a path: what follows its last '/'.
std::string submissionFileName(const std::string& path);

// The report's first line made safe to show, cut after `limit` bytes of
// the original. `lineLength` is the whole line's length, `head` at least its
// first min(lineLength, limit) bytes.
std::string shownReportLine(const std::string& head, std::size_t lineLength, std::size_t limit = 400);
