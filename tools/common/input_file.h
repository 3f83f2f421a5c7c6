#pragma once

#include <istream>
#include <string>

#include "common/tool_error.h"
#include "text/line_source.h"

// An input of a tool, opened by the evaluator's own opener (bytes unchanged,
// a folder refused); "-" is standard input. Throws ToolError
// "cannot open 'NAME': reason" when it cannot be opened.
class ToolInput {
 public:
  explicit ToolInput(std::string name);

  std::istream& stream();
  const std::string& name() const { return name_; }

 private:
  std::string name_;
  InputFile file_;
};
