#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/progress.h"
#include "solve/section_shaping.h"
#include "solve/solvers.h"

// What the solver's command line asks for.
struct SolverOptions {
  std::string input;         // "-" is standard input
  std::string output = "-";  // "-" is standard output
  std::string report;        // the evaluator's exact report goes here, if named
  Strategy strategy = Strategy::Beam;
  SearchLimits limits;
  std::string contestant = "000000";
  SectionShape shape;
  bool table = true;                                  // the table of moves on standard error
  ProgressStyle progress = ProgressStyle::automatic;  // --progress: lines
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name; a bad one throws UsageError.
SolverOptions parseSolverOptions(const std::vector<std::string>& arguments);

extern const std::string_view SOLVER_HELP;
