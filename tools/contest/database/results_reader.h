#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "contest/standings/results.h"

// What stops the standings short of a bad command line (a file that cannot
// be read or is no results database, a failing reference, an output that
// is an input): the tool prints the message and ends with exit status 1.
class StandingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads, read-only, what the databases at `paths` hold about one test set:
// the one named by `testSetHash`, or else the only one they hold. Verdicts
// are joined to submissions by content across all the databases, so shards
// merge. Throws StandingsError for a file that is not a results database,
// several test sets and no choice, or databases that disagree.
StandingsResults readStandingsResults(const std::vector<std::string>& paths,
                                      const std::optional<std::string>& testSetHash);
