#pragma once

#include <string>
#include <string_view>

// The one failure of a tool short of a bad command line: a file that cannot
// be read or written, or will not be (an output that names an input), a
// results database that is not the judge's, answers that fail. Its message
// is safe to show (names and contestant bytes are escaped where it is made);
// the tool's frame alone prints it, as "tool: message", and ends the run
// with exit status 1.
struct ToolError {
  std::string message;
};

// "cannot DOING 'NAME': REASON", the one form of a file that failed.
ToolError fileFailure(std::string_view doing, const std::string& name, std::string_view reason);
// The same with errno's reason; 0 stands for EIO, a failure that set none.
ToolError fileFailure(std::string_view doing, const std::string& name, int error);
