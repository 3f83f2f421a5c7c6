// barvotok-contest: judges every submission of a contest into a results
// database (judge) and ranks the contestants from such databases (standings).
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "common/command_line.h"
#include "common/tool_version.h"
#include "contest/judge/command.h"
#include "contest/standings/command.h"

namespace {

constexpr std::string_view USAGE =
    "Usage: barvotok-contest judge INPUT SUBMISSION... -d RESULTS [OPTION]...\n"
    "  or:  barvotok-contest standings RESULTS... [OPTION]... -o OUT.{html,csv,json}\n"
    "  or:  barvotok-contest --version\n"
    "Judges every submission of a contest into a results database (judge), then\n"
    "ranks the contestants from one or more such databases (standings).\n"
    "Run 'barvotok-contest judge --help' or 'barvotok-contest standings --help' for the options.\n";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.empty()) {
    std::cerr << "barvotok-contest: a command is needed\n" << USAGE;
    return 2;
  }
  const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
  if (arguments[0] == "judge") return runJudgeCommand(rest);
  if (arguments[0] == "standings") return runStandingsCommand(rest);
  if (arguments[0] == "--version") {
    std::cout << versionLine("barvotok-contest");
    return 0;
  }
  if (arguments[0] == "-h" || arguments[0] == "--help") {
    std::cout << USAGE;
    return 0;
  }
  std::cerr << "barvotok-contest: unknown command " << quotedArgument(arguments[0]) << "\n" << USAGE;
  return 2;
}
