#include "same_file.h"

#include <filesystem>
#include <system_error>

bool sameFile(const std::string& first, const std::string& second) {
  std::error_code notComparable;  // a missing path, or two devices
  return std::filesystem::equivalent(first, second, notComparable);
}
