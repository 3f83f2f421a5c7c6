#pragma once

#include <xxhash.h>

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

// A file's content as XXH3-128, written as 32 lowercase hex digits in the
// canonical (big-endian) order, the same text that xxh128sum prints.
using ContentHash = std::string;

ContentHash hashBytes(std::string_view bytes);

struct FileDigest {
  ContentHash hash;
  std::int64_t size = 0;
};

// A file read once and hashed as it is read, so that what is judged from
// `stream()` and the hash that names it come from the very same bytes,
// however the file changes meanwhile. A read error fails the stream (its
// bad state) and is kept in `error()`.
class HashedFile {
 public:
  explicit HashedFile(const std::string& path);
  ~HashedFile();
  HashedFile(const HashedFile&) = delete;
  HashedFile& operator=(const HashedFile&) = delete;

  std::istream& stream() { return stream_; }
  // Reads what is left into the hash: the digest of every byte of the file
  // as read; nullopt when it could not be opened or read to its end.
  std::optional<FileDigest> finish();
  // errno of the open or read that failed; 0 while none has.
  int error() const { return buffer_.error; }

 private:
  struct StateRelease {
    void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
  };
  struct HashingBuffer : std::streambuf {
    int_type underflow() override;
    int file = -1;
    int error = 0;
    std::int64_t size = 0;
    std::unique_ptr<XXH3_state_t, StateRelease> state;
    std::array<char, 1 << 16> bytes{};
  };

  HashingBuffer buffer_;
  std::istream stream_;
};

// The hash and size of the file's bytes; nullopt when it cannot be opened
// or read to its end.
std::optional<FileDigest> hashFile(const std::string& path);

// A well-spread number from any text: XXH3-64 of its bytes.
std::uint64_t hash64(std::string_view bytes);
