#include "line_buffer.h"

#include <algorithm>
#include <cstring>

#include "line_source.h"

namespace {

constexpr std::size_t BLOCK = std::size_t{1} << 20;

}  // namespace

bool LineBuffer::next(std::string_view& line) {
  std::size_t searched = begin_;  // no line end before this
  while (true) {
    const char* lineEnd = nullptr;
    if (searched < end_) {
      lineEnd = static_cast<const char*>(std::memchr(buffer_.get() + searched, '\n', end_ - searched));
    }
    if (lineEnd != nullptr) {
      const auto at = static_cast<std::size_t>(lineEnd - buffer_.get());
      std::size_t length = at - begin_;
      if (length > 0 && buffer_[at - 1] == '\r') --length;
      line = std::string_view(buffer_.get() + begin_, length);
      begin_ = at + 1;
      return true;
    }
    if (ended_) {
      // A last line without a line end, or none at all.
      if (begin_ == end_) return false;
      line = std::string_view(buffer_.get() + begin_, end_ - begin_);
      begin_ = end_;
      return true;
    }
    searched = end_ - begin_;  // where the unfinished line ends after fill() moves it
    fill();
  }
}

// Moves the unfinished line to the front and reads a block after it; the
// buffer grows only for a line longer than it.
void LineBuffer::fill() {
  const std::size_t kept = end_ - begin_;
  if (kept > 0 && begin_ > 0) std::memmove(buffer_.get(), buffer_.get() + begin_, kept);
  begin_ = 0;
  end_ = kept;
  if (room_ < kept + BLOCK) grow(std::max(kept + BLOCK, 2 * room_));
  const std::size_t got = readBytes(input_, buffer_.get() + end_, room_ - end_);
  end_ += got;
  if (got == 0) ended_ = true;
}

// Only the kept bytes are copied: the pages of the new room that no read
// reaches are never touched.
void LineBuffer::grow(std::size_t room) {
  // new[] without () leaves the bytes uninitialised, as the room wants.
  std::unique_ptr<char[]> grown(new char[room]);
  if (end_ > 0) std::memcpy(grown.get(), buffer_.get(), end_);
  buffer_ = std::move(grown);
  room_ = room;
}
