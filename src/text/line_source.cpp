#include "line_source.h"

std::ifstream openInput(const std::string& fileName) {
  // Binary mode: the bytes reach us unchanged and the CR LF folding is ours.
  return std::ifstream(fileName, std::ios::in | std::ios::binary);
}

bool readLine(std::istream& input, std::string& line) {
  // After a last line without a line end the stream is at its end, so the
  // next read fails at once, as a stream that has failed stays failed.
  if (!input.good()) return false;
  std::getline(input, line);
  // A read error ends the line like the end of the file: the bytes taken so
  // far are the line, and with none taken the line is missing.
  if (input.bad()) return !line.empty();
  if (input.fail()) return false;
  const bool endedByLineFeed = !input.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::size_t readBytes(std::istream& input, char* bytes, std::size_t size) {
  if (!input.good()) return 0;
  input.read(bytes, static_cast<std::streamsize>(size));
  return static_cast<std::size_t>(input.gcount());
}
