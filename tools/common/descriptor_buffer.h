#pragma once

#include <array>
#include <streambuf>

// A stream buffer that writes to a file descriptor and keeps why the first
// write failed (errno's value), which a file stream forgets.
class DescriptorBuffer : public std::streambuf {
 public:
  DescriptorBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

  void attach(int descriptor) { descriptor_ = descriptor; }
  // Writes what is buffered and closes the descriptor; false when anything failed.
  bool close();
  int error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool drain();

  int descriptor_ = -1;
  int error_ = 0;
  std::array<char, 1 << 16> buffer_{};
};
