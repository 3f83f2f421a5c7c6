#include "contest/standings_results.h"

#include "common/escaped_bytes.h"

std::string submissionFileName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string shownReportLine(const std::string& head, std::size_t lineLength, std::size_t limit) {
  if (lineLength <= limit) return escapedBytes(std::string_view(head).substr(0, lineLength));
  return escapedBytes(std::string_view(head).substr(0, limit)) + "... (" + std::to_string(lineLength) +
         " bytes in all)";
}
