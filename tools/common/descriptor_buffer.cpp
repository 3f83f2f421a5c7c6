#include "common/descriptor_buffer.h"

#include <unistd.h>

#include <cerrno>

bool DescriptorBuffer::drain() {
  const char* from = pbase();
  while (error_ == 0 && from < pptr()) {
    const ssize_t written = ::write(descriptor_, from, static_cast<std::size_t>(pptr() - from));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error_ = written < 0 ? errno : EIO;
    } else {
      from += written;
    }
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

int DescriptorBuffer::sync() { return drain() ? 0 : -1; }

bool DescriptorBuffer::close() {
  if (descriptor_ < 0) return error_ == 0;
  drain();
  if (::close(descriptor_) != 0 && error_ == 0) error_ = errno;
  descriptor_ = -1;
  return error_ == 0;
}
