#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/progress.h"
#include "gen/test_set_generator.h"

// What the generator's command line asks for.
struct GeneratorOptions {
  GeneratorSettings settings;
  std::string output = "-";                           // "-" is standard output
  ProgressStyle progress = ProgressStyle::automatic;  // --progress: lines
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name; a bad one throws UsageError.
GeneratorOptions parseGeneratorOptions(const std::vector<std::string>& arguments);

extern const std::string_view GENERATOR_HELP;
