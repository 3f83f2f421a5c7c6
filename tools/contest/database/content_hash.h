#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "contest/database/records.h"

ContentHash hashBytes(std::string_view bytes);

struct FileDigest {
  ContentHash hash;
  std::int64_t size = 0;
};

// A file read once and hashed as it is read, so that what is judged from
// `stream()` and the hash that names it come from the very same bytes,
// however the file changes meanwhile. A read error fails the stream (its
// bad state) and is kept in `error()`.
// "-" is standard input.
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
  int error() const;

 private:
  struct HashingBuffer;  // reads the file and hashes each byte it gives
  std::unique_ptr<HashingBuffer> buffer_;
  std::istream stream_;
};

// The hash and size of the file's bytes; nullopt when it cannot be opened
// or read to its end.
std::optional<FileDigest> hashFile(const std::string& path);

// A well-spread number from any text: XXH3-64 of its bytes.
std::uint64_t hash64(std::string_view bytes);
