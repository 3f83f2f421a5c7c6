#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contest/standings/output.h"
#include "contest/standings/ranking.h"

// What one run of barvotok-contest standings is asked to do.
struct StandingsOptions {
  bool help = false;
  bool version = false;
  std::vector<std::string> results;
  Scoring scoring = Scoring::relative;
  Counting counting = Counting::best;
  std::vector<std::string> references;
  std::optional<std::string> input;  // the test set file: chooses the test set, judges references
  std::string output;
  OutputFormat format = OutputFormat::csv;
};

extern const std::string_view STANDINGS_HELP;

// The arguments after "standings"; throws UsageError.
StandingsOptions parseStandingsOptions(const std::vector<std::string>& arguments);
