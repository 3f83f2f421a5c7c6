#pragma once

#include <cerrno>
#include <cstring>
#include <istream>
#include <stdexcept>
#include <string>

// A file that could not be read to its end: a read error is no end of file,
// so the evaluation ends with the unexpected-error form instead of a verdict
// on a file read only in part. Not an EAssertion: no contestant is at fault.
// `what()` is the reason; `fileName` is filled in by `readingFile`.
class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
  std::string fileName;
};

// Raises ReadError when the stream met a read error (its bad state). The
// reason is errno's text: the file streams keep the errno of the failed read.
inline void throwIfReadError(const std::istream& input) {
  if (!input.bad()) return;
  const int error = errno;
  throw ReadError(error != 0 ? std::strerror(error) : "read error");
}

// Runs `read`, which reads the file `fileName`; a ReadError leaving it is
// given that file's name, so the message can say which file failed.
template <typename Read>
decltype(auto) readingFile(const std::string& fileName, Read&& read) {
  try {
    return read();
  } catch (ReadError& error) {
    if (error.fileName.empty()) error.fileName = fileName;
    throw;
  }
}
