#pragma once

#include <string>
#include <string_view>
#include <vector>

// GNU's --version: "PROGRAM (barvotok) VERSION", the version being the one
// that CMake's project() names. A command's frame ("barvotok-contest judge")
// answers with its program's name.
std::string versionLine(std::string_view tool);
