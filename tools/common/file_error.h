#pragma once

#include <string>

// A file that a tool cannot read or write, or will not write (an output that
// names an input). The message names the file, shown safely, and says why;
// the tool's frame prints it and ends with exit status 1.
struct FileError {
  std::string message;
};

// 'NAME' as messages show a file name: a contestant may have chosen its bytes.
std::string shownFileName(const std::string& name);
