#include "common/input_file.h"

#include <cstring>
#include <iostream>

#include "common/escaped_bytes.h"
#include "common/tool_error.h"

ToolInput::ToolInput(std::string name) : name_(std::move(name)) {
  if (name_ == "-") return;
  file_ = openInputFile(name_);
  if (file_.openError != 0) {
    throw fileFailure("cannot open", name_, file_.openError);
  }
}

std::istream& ToolInput::stream() { return name_ == "-" ? std::cin : file_.stream; }
