#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A set of blobs as bits, one word per 64 blobs: the flooded region of a
// search state. Searches keep many of them side by side in one vector.
using BlobWord = std::uint64_t;

inline std::size_t blobWords(std::int32_t blobCount) {
  return (static_cast<std::size_t>(blobCount) + 63) / 64;
}

inline bool hasBlob(std::span<const BlobWord> set, std::int32_t blob) {
  const auto at = static_cast<std::size_t>(blob);
  return ((set[at / 64] >> (at % 64)) & 1U) != 0;
}

inline void addBlob(std::span<BlobWord> set, std::int32_t blob) {
  const auto at = static_cast<std::size_t>(blob);
  set[at / 64] |= BlobWord{1} << (at % 64);
}

// Calls `visit` with every blob of the set, in increasing order.
template <typename Visit>
void forEachBlob(std::span<const BlobWord> set, Visit visit) {
  for (std::size_t word = 0; word < set.size(); ++word) {
    for (BlobWord bits = set[word]; bits != 0; bits &= bits - 1) {
      visit(static_cast<std::int32_t>(word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits))));
    }
  }
}

// A hash of the set's bits, for telling states apart.
inline std::uint64_t hashBlobs(std::span<const BlobWord> set) {
  std::uint64_t hash = 0x9E3779B97F4A7C15ULL;
  for (const BlobWord word : set) {
    hash ^= word + 0x9E3779B97F4A7C15ULL + (hash << 6) + (hash >> 2);
    hash *= 0xBF58476D1CE4E5B9ULL;
  }
  return hash ^ (hash >> 31);
}
