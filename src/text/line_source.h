#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

#include "../check/assertion.h"
#include "read_error.h"

// A file opened for reading. A file that cannot be opened, and a directory,
// give a stream that is failed from the start, so they read exactly like an
// empty file; `openError` says why (errno's value, EISDIR for a directory),
// and is 0 for a file that opened.
struct InputFile {
  std::ifstream stream;
  int openError = 0;
};
InputFile openInputFile(const std::string& fileName);

// The stream alone, for readers that need not say why a file reads as empty.
std::ifstream openInput(const std::string& fileName);

// Reads the next line without its line end into `line`. An LF ends a line and
// a CR directly before that LF is dropped; any other CR stays in the line.
// Returns false when the line is missing (end of file, or an earlier read that
// failed or ended at the end of the file). A read error is no end of file: it
// raises ReadError.
bool readLine(std::istream& input, std::string& line);

// Reads up to `size` bytes into `bytes`, taking them as readLine does: a read
// error ends them like the end of the file. Returns how many it read; fewer
// than `size` only at that end.
std::size_t readBytes(std::istream& input, char* bytes, std::size_t size);

// The 1-based number of the last line read from one file. 64 bits, so that a
// file of more than 2^31 lines is still numbered truly.
using LineCounter = std::int64_t;

// Runs `read`; a failure raised inside it that names no file line yet is
// given the line counter's value at that moment: the line concerned.
template <typename Read>
decltype(auto) withFileLine(const LineCounter& lineCounter, Read&& read) {
  try {
    return read();
  } catch (EAssertion& failure) {
    if (failure.facts.fileLine == 0) failure.facts.fileLine = lineCounter;
    throw;
  }
}
