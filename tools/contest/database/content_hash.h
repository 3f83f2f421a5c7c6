#pragma once

#include <cstdint>
#include <optional>
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

// The hash and size of the file's bytes, read in pieces; nullopt when it
// cannot be opened or read to its end.
std::optional<FileDigest> hashFile(const std::string& path);

// A well-spread number from any text: XXH3-64 of its bytes.
std::uint64_t hash64(std::string_view bytes);
