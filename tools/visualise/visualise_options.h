#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "visualise/section_view.h"

// What one run of barvotok-visualise is asked to do.
struct VisualiseOptions {
  std::string inputName;
  std::string submissionName;
  std::optional<std::string> pageName;
  SectionChoice choice;
  std::optional<std::string> pngName;
  std::optional<std::int32_t> pngMove;  // default: the last move played
};

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::string_view VISUALISE_USAGE =
    "Usage: barvotok-visualise INPUT SUBMISSION [PAGE.html] [options]\n"
    "Writes one self-contained HTML page that replays a section of SUBMISSION\n"
    "on its test case from INPUT, with the evaluator's verdict on it.\n"
    "  --section K     show the K-th section of the submission (default: 1)\n"
    "  --test-case N   show the first section that answers test case N\n"
    "  --png FILE      also write a PNG picture of the grid (needs libpng)\n"
    "  --move M        the move that the PNG shows (default: the last one played)\n";

// The arguments after the program's name; throws UsageError.
VisualiseOptions parseVisualiseOptions(std::span<const std::string_view> arguments);
