// barvotok-contest: judges every submission of a contest into a results
// database (judge) and ranks the contestants from such databases (standings).
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/command_line.h"
#include "common/tool_frame.h"
#include "common/tool_version.h"
#include "contest/judge/command.h"
#include "contest/standings/command.h"

namespace {

constexpr std::string_view TOOL = "barvotok-contest";

// The commands, in the order the usage names them.
struct Command {
  std::string_view name;
  std::string_view synopsis;
  int (*run)(const std::vector<std::string>& arguments);
};
constexpr Command COMMANDS[] = {
    {"judge", "INPUT SUBMISSION... -d RESULTS [OPTION]...", runJudgeCommand},
    {"standings", "RESULTS... [OPTION]... -o OUT.{html,csv,json}", runStandingsCommand},
};

std::string usage() {
  std::string text;
  std::string help;
  for (const Command& command : COMMANDS) {
    text += text.empty() ? "Usage: " : "  or:  ";
    text += std::string(TOOL) + " " + std::string(command.name) + " " + std::string(command.synopsis) + "\n";
    help += help.empty() ? "Run '" : " or '";
    help += std::string(TOOL) + " " + std::string(command.name) + " --help'";
  }
  return text + "  or:  " + std::string(TOOL) +
         " --version\n"
         "Judges every submission of a contest into a results database (judge), then\n"
         "ranks the contestants from one or more such databases (standings).\n" +
         help + " for the options.\n";
}

// The options before the command.
constexpr KnownOption OPTIONS[] = {{"--help", 'h'}, {"--version"}};

int run(const std::vector<std::string>& arguments) {
  OptionCursor cursor(arguments, OPTIONS, true);
  while (cursor.next()) {
    if (cursor.is("--version")) {
      std::cout << versionLine(TOOL);
      return checkedStandardOutput(TOOL, 0);
    }
    if (cursor.is("--help")) {
      std::cout << usage();
      return checkedStandardOutput(TOOL, 0);
    }
    const std::string& name = cursor.operand();
    for (const Command& command : COMMANDS) {
      if (name == command.name) return command.run(cursor.rest());
    }
    throw UsageError{"unknown command " + quotedArgument(name)};
  }
  throw UsageError{"a command is needed"};
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    return badCommandLine(TOOL, error);
  }
}
