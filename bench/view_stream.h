#pragma once

#include <istream>
#include <streambuf>
#include <string_view>

// An input stream over text held in memory, without copying it, so that a
// benchmark can read the same lines again in every iteration.
class ViewStream : public std::istream {
 public:
  explicit ViewStream(std::string_view text) : std::istream(&buffer_), buffer_(text) {}

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(std::string_view text) {
      // The get area is only read: a failed putback never writes into it.
      char* begin = const_cast<char*>(text.data());
      setg(begin, begin, begin + text.size());
    }
  };
  Buffer buffer_;
};
