#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/section_view.h"

// What one run of barvotok-visualise is asked to do.
struct VisualiseOptions {
  std::string inputName;
  std::string submissionName;
  std::optional<std::string> pageName;
  SectionChoice choice;
  std::optional<std::string> pngName;
  std::optional<std::int32_t> pngMove;  // default: the last move played
  bool help = false;
  bool version = false;
};

extern const std::string_view VISUALISE_HELP;

// Reads the arguments after the program's name; a bad one throws UsageError.
VisualiseOptions parseVisualiseOptions(const std::vector<std::string>& arguments);
