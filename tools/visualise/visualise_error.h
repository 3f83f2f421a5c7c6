#pragma once

#include <string>

// A failure that ends the run with exit status 1 and one line on standard
// error. Its message is kept whole (it may quote bytes of any kind) and
// escaped only when printed.
struct VisualiseError {
  std::string message;
};
