#pragma once

#include <string>
#include <vector>

#include "common/command_line.h"

// The message of the UsageError that `parse` raises on `arguments`, or
// "(accepted)".
template <typename Parse>
std::string usageErrorOf(Parse parse, const std::vector<std::string>& arguments) {
  try {
    parse(arguments);
  } catch (const UsageError& error) {
    return error.message;
  }
  return "(accepted)";
}
