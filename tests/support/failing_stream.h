#pragma once

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <ios>
#include <istream>
#include <streambuf>
#include <string>
#include <utility>

// A stream over `bytes` whose reads fail after the first `goodBytes` of them,
// as a disk read fails: the buffer's refill raises, which the stream turns
// into its bad state, with errno telling why (EIO).
class FailingStream : public std::istream {
 public:
  FailingStream(std::string bytes, std::size_t goodBytes)
      : std::istream(nullptr), buffer_(std::move(bytes), goodBytes) {
    rdbuf(&buffer_);
  }

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer(std::string bytes, std::size_t goodBytes) : bytes_(std::move(bytes)), goodBytes_(goodBytes) {}

   protected:
    // Hands out at most three bytes per refill, so reads cross refills.
    int_type underflow() override {
      if (given_ < bytes_.size() && given_ >= goodBytes_) {
        errno = EIO;
        throw std::ios_base::failure("injected read error");
      }
      if (given_ >= bytes_.size()) return traits_type::eof();
      const std::size_t end = std::min({given_ + 3, bytes_.size(), goodBytes_});
      char* first = bytes_.data() + given_;
      setg(first, first, bytes_.data() + end);
      given_ = end;
      return traits_type::to_int_type(*first);
    }

   private:
    std::string bytes_;
    std::size_t goodBytes_;
    std::size_t given_ = 0;
  };

  Buffer buffer_;
};
