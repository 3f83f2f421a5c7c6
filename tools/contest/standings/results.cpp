#include "contest/standings/results.h"

#include "common/escaped_bytes.h"

std::string submissionFileName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string shownReportLine(const std::string& head, std::size_t lineLength, std::size_t limit) {
  return terminalText(head, lineLength, limit);
}
