// The line source on arbitrary bytes, against a plain model of line
// splitting: an LF ends a line, a CR just before that LF is dropped, and a
// last line without an LF counts only when it holds a byte.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text/line_source.h"

namespace {

std::vector<std::string> modelLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t position = 0;
  while (position < bytes.size()) {
    const std::size_t lineFeed = bytes.find('\n', position);
    if (lineFeed == std::string::npos) {
      lines.push_back(bytes.substr(position));
      break;
    }
    std::string line = bytes.substr(position, lineFeed - position);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    position = lineFeed + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> expected = modelLines(bytes);

  std::istringstream input(bytes);
  std::string line = "left over";
  for (std::size_t i = 0; i < expected.size(); ++i) {
    fuzzCheck(readLine(input, line), "line " + std::to_string(i + 1) + " reported missing");
    fuzzCheck(line == expected[i], "line " + std::to_string(i + 1) + " differs from the model");
  }
  // Past the end the line is missing, and stays missing.
  fuzzCheck(!readLine(input, line), "a line after the last one");
  fuzzCheck(!readLine(input, line), "a line after a missing one");
  return 0;
}
