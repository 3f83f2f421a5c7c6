#pragma once

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "common/command_line.h"
#include "common/tool_error.h"
#include "common/tool_version.h"

// The frame that every tool shares: the command line is read by `parse`;
// --version prints the version line; --help prints `help`; a bad command line
// prints its message and ends with exit status 2; otherwise `body` runs and
// its result is the exit status. A ToolError is printed as "tool: message"
// and ends the run with exit status 1, and so does memory that runs out: this
// frame is the one place that prints them. A file-size limit
// makes a write fail, as a full disk does, instead of killing the tool half
// way (SIGXFSZ is ignored).
// The arguments come after the program's name (or a command's, for a tool
// with commands).
// Standard output must take everything it was given: a full disk or a
// closed pipe fails the run, as it does for the GNU tools.
// The failed write's errno stays: nothing between it and here sets another.
inline int checkedStandardOutput(std::string_view tool, int status) {
  std::cout.flush();
  if (std::cout) return status;
  std::cerr << tool << ": write error: " << std::strerror(errno != 0 ? errno : EIO) << "\n";
  return 1;
}

// A bad command line: its message and one line that points to --help.
inline int badCommandLine(std::string_view tool, const UsageError& error) {
  std::cerr << tool << ": " << error.message << "\nTry '" << tool << " --help' for more information.\n";
  return 2;
}

template <typename Options, typename Parse, typename Body>
int runTool(std::string_view tool, std::string_view help, const std::vector<std::string>& arguments,
            Parse parse, Body body) {
  std::ios::sync_with_stdio(false);
  Options options;
  try {
    options = parse(arguments);
  } catch (const UsageError& error) {
    return badCommandLine(tool, error);
  }
  if (options.version) {
    std::cout << versionLine(tool);
    return checkedStandardOutput(tool, 0);
  }
  if (options.help) {
    std::cout << help;
    return checkedStandardOutput(tool, 0);
  }
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return checkedStandardOutput(tool, body(options));
  } catch (const ToolError& error) {
    std::cerr << tool << ": " << error.message << "\n";
    return 1;
  } catch (const std::bad_alloc&) {
    std::cerr << tool << ": out of memory\n";
    return 1;
  }
}

template <typename Options, typename Parse, typename Body>
int runTool(std::string_view tool, std::string_view help, int argc, char** argv, Parse parse, Body body) {
  return runTool<Options>(tool, help, std::vector<std::string>(argv + 1, argv + argc), parse, body);
}
