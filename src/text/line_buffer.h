#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string_view>

// Reads a stream's lines exactly as readLine does (line ends, CR LF pairs, a
// last line without its end, the missing line), but a large block at a time,
// handing each line out in place instead of copying it. For a file read from
// its start to its last needed line; it may read further ahead than that.
class LineBuffer {
 public:
  explicit LineBuffer(std::istream& input) : input_(input) {}

  // The next line without its line end, valid until the next call. Returns
  // false when the line is missing, and so does every later call.
  bool next(std::string_view& line);

 private:
  void fill();
  void grow(std::size_t room);

  std::istream& input_;
  // Not a vector: growing one clears its new room, which faults in every
  // page of it even where no byte will be read (a huge line's last doubling).
  std::unique_ptr<char[]> buffer_;
  std::size_t room_ = 0;
  std::size_t begin_ = 0;  // the next line's first byte
  std::size_t end_ = 0;    // the end of the bytes read
  bool ended_ = false;     // the stream gives no more bytes
};
