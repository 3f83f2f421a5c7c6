#include "common/input_file.h"

#include <cstring>
#include <iostream>

#include "common/escaped_bytes.h"
#include "common/file_error.h"

std::string shownFileName(const std::string& name) { return quotedText(name); }

ToolInput::ToolInput(std::string name) : name_(std::move(name)) {
  if (name_ == "-") return;
  file_ = openInputFile(name_);
  if (file_.openError != 0) {
    throw FileError{"cannot open " + shownFileName(name_) + ": " + std::strerror(file_.openError)};
  }
}

std::istream& ToolInput::stream() { return name_ == "-" ? std::cin : file_.stream; }

FileError readFailure(const std::string& name, const std::string& reason) {
  return FileError{"cannot read " + shownFileName(name) + ": " + reason};
}
