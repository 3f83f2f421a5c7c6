#pragma once

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/command_line.h"
#include "common/tool_version.h"
#include "driver/same_file.h"

// The frame that every tool shares: --version prints the version line; the
// command line is read by `parse`; --help prints `help`; a bad command line
// prints its message and ends with exit status 2; otherwise `body` runs and
// its result is the exit status.
// The arguments come after the program's name (or a command's, for a tool
// with commands).
template <typename Options, typename Parse, typename Body>
int runTool(std::string_view tool, std::string_view help, const std::vector<std::string>& arguments,
            Parse parse, Body body) {
  std::ios::sync_with_stdio(false);
  if (asksForVersion(arguments)) {
    std::cout << versionLine(tool);
    return 0;
  }
  Options options;
  try {
    options = parse(arguments);
  } catch (const UsageError& error) {
    std::cerr << tool << ": " << error.message << "\nTry '" << tool << " --help' for more information.\n";
    return 2;
  }
  if (options.help) {
    std::cout << help;
    return 0;
  }
  return body(options);
}

template <typename Options, typename Parse, typename Body>
int runTool(std::string_view tool, std::string_view help, int argc, char** argv, Parse parse, Body body) {
  return runTool<Options>(tool, help, std::vector<std::string>(argv + 1, argv + argc), parse, body);
}

// Where a tool writes: standard output for "-", else the named file, which is
// created or emptied, never removed or replaced: it may be a link, a device
// or a pipe. A file that cannot be opened is reported and the tool ends with
// exit status 1; so is a file that is one of the tool's `inputs` (the same
// file, links included), which is then not even opened.
class OutputTarget {
 public:
  explicit OutputTarget(const std::string& name, const std::vector<std::string>& inputs = {}) : name_(name) {
    if (name == "-") return;
    for (const std::string& input : inputs) {
      if (input != "-" && sameFile(name, input)) {
        clashingInput_ = input;
        return;
      }
    }
    file_.open(name, std::ios::binary);
  }

  bool usable(std::string_view tool) const {
    if (name_ == "-" || file_.is_open()) return true;
    if (!clashingInput_.empty()) {
      std::cerr << tool << ": refusing to write '" << name_ << "': it is the input '" << clashingInput_
                << "'\n";
    } else {
      std::cerr << tool << ": cannot open '" << name_ << "' for writing\n";
    }
    return false;
  }

  std::ostream& stream() { return name_ == "-" ? std::cout : file_; }

  // Flushes and reports whether everything was written.
  bool finish(std::string_view tool) {
    stream().flush();
    if (stream()) return true;
    std::cerr << tool << ": error while writing '" << name_ << "'\n";
    return false;
  }

 private:
  std::string name_;
  std::string clashingInput_;
  std::ofstream file_;
};
