#pragma once

#include <istream>
#include <stdexcept>
#include <string>

// A file that could not be read to its end: a read error is no end of file,
// so the evaluation ends with the unexpected-error form instead of a verdict
// on a file read only in part. Not an EAssertion: no contestant is at fault.
class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raises ReadError when the stream met a read error (its bad state).
inline void throwIfReadError(const std::istream& input) {
  if (input.bad()) throw ReadError("read error");
}
