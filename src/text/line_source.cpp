#include "line_source.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

InputFile openInputFile(const std::string& fileName) {
  InputFile file;
  // A directory opens on some systems, and its first read fails; it is no
  // file to read, so it is not opened at all.
  std::error_code ignored;
  if (std::filesystem::is_directory(fileName, ignored)) {
    file.stream.setstate(std::ios::failbit);
    file.openError = EISDIR;
    return file;
  }
  errno = 0;
  // Binary mode: the bytes reach us unchanged and the CR LF folding is ours.
  file.stream.open(fileName, std::ios::in | std::ios::binary);
  // An open that failed without giving a reason counts as an I/O error.
  if (!file.stream.is_open()) file.openError = errno != 0 ? errno : EIO;
  return file;
}

std::ifstream openInput(const std::string& fileName) { return std::move(openInputFile(fileName).stream); }

bool readLine(std::istream& input, std::string& line) {
  // After a last line without a line end the stream is at its end, so the
  // next read fails at once, as a stream that has failed stays failed.
  if (!input.good()) return false;
  errno = 0;  // so that a read error's reason is the failed read's own
  std::getline(input, line);
  throwIfReadError(input);
  if (input.fail()) return false;
  const bool endedByLineFeed = !input.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

std::size_t readBytes(std::istream& input, char* bytes, std::size_t size) {
  if (!input.good()) return 0;
  errno = 0;
  input.read(bytes, static_cast<std::streamsize>(size));
  throwIfReadError(input);
  return static_cast<std::size_t>(input.gcount());
}
