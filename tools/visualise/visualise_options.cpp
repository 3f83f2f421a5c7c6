#include "visualise/visualise_options.h"

#include <charconv>
#include <vector>

namespace {

std::int32_t countArgument(std::string_view option, std::string_view text, std::int32_t least) {
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < least) {
    throw UsageError(std::string(option) + " wants a whole number from " + std::to_string(least) +
                     ", not \"" + std::string(text) + "\"");
  }
  return value;
}

}  // namespace

VisualiseOptions parseVisualiseOptions(std::span<const std::string_view> arguments) {
  VisualiseOptions options;
  std::vector<std::string_view> positional;
  bool sectionChosen = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) {
      positional.push_back(argument);
      continue;
    }
    if (i + 1 == arguments.size()) throw UsageError(std::string(argument) + " wants a value");
    const std::string_view value = arguments[++i];
    if (argument == "--section" || argument == "--test-case") {
      if (sectionChosen) throw UsageError("give --section or --test-case once");
      sectionChosen = true;
      options.choice.by =
          argument == "--section" ? SectionChoice::By::position : SectionChoice::By::testCaseNumber;
      options.choice.value = countArgument(argument, value, 1);
    } else if (argument == "--png") {
      options.pngName = std::string(value);
    } else if (argument == "--move") {
      options.pngMove = countArgument(argument, value, 0);
    } else {
      throw UsageError("unknown option " + std::string(argument));
    }
  }
  if (positional.size() < 2 || positional.size() > 3) {
    throw UsageError("give the input file, the submission and the page to write");
  }
  options.inputName = positional[0];
  options.submissionName = positional[1];
  if (positional.size() == 3) options.pageName = std::string(positional[2]);
  if (!options.pageName && !options.pngName) throw UsageError("nothing to write: give a page or --png");
  if (options.pngMove && !options.pngName) throw UsageError("--move goes with --png");
  return options;
}
