#include "common/tool_error.h"

#include <cerrno>
#include <cstring>

#include "common/escaped_bytes.h"

ToolError fileFailure(std::string_view doing, const std::string& name, std::string_view reason) {
  std::string message(doing);
  message += ' ';
  message += shownFileName(name);
  message += ": ";
  message += reason;
  return {std::move(message)};
}

ToolError fileFailure(std::string_view doing, const std::string& name, int error) {
  return fileFailure(doing, name, std::strerror(error != 0 ? error : EIO));
}
