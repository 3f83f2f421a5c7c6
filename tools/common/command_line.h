#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/size_range.h"

// A command line that cannot be used; the tool prints the message and ends
// with exit status 2.
struct UsageError {
  std::string message;
};

// A command-line argument as its message shows it: between quotes, bytes
// outside printable ASCII as \xHH, cut after 80 bytes with a note of its
// length, so that no argument can drive the terminal or flood it.
std::string quotedArgument(std::string_view text);

// Walks the arguments as options ("--name value", "--name=value", "-x value")
// and operands; "--" ends the options.
class OptionCursor {
 public:
  explicit OptionCursor(std::vector<std::string> arguments) : arguments_(std::move(arguments)) {}

  // Moves to the next argument; false when there is none.
  bool next();
  // Whether the current argument is this option; a flag must carry no value.
  bool isFlag(std::string_view longName, std::string_view shortName = {});
  bool isOption(std::string_view longName, std::string_view shortName = {});
  // The value of the option just matched by isOption.
  std::string value();
  // The current argument as an operand; anything that looks like an unknown
  // option is an error.
  std::string operand();

 private:
  bool matches(std::string_view longName, std::string_view shortName);

  std::vector<std::string> arguments_;
  std::size_t next_ = 0;
  std::string current_;
  std::string name_;   // the option name matched, as written
  std::string value_;  // the text after "=", if any
  bool hasValue_ = false;
  bool operandsOnly_ = false;
};

// Strict readers of option values: the whole text must be the value.
std::int64_t parseWhole(std::string_view text, std::string_view option, std::int64_t low, std::int64_t high);
std::uint64_t parseSeed(std::string_view text, std::string_view option);
SizeRange parseRange(std::string_view text, std::string_view option, std::int32_t low, std::int32_t high);
double parseProbability(std::string_view text, std::string_view option);
