#include "common/tool_version.h"

// BARVOTOK_VERSION is defined for this file alone (tools/common/CMakeLists.txt),
// so a new version rebuilds one file.
std::string versionLine(std::string_view tool) {
  const std::string_view program = tool.substr(0, tool.find(' '));
  return std::string(program) + " (barvotok) " + BARVOTOK_VERSION + "\n";
}
