#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gen/test_set_generator.h"

// What the generator's command line asks for.
struct GeneratorOptions {
  GeneratorSettings settings;
  std::string output = "-";  // "-" is standard output
  bool help = false;
  bool version = false;
};

// Reads the arguments after the program name; a bad one throws UsageError.
GeneratorOptions parseGeneratorOptions(const std::vector<std::string>& arguments);

extern const std::string_view GENERATOR_HELP;
