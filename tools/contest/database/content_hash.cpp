#include "contest/database/content_hash.h"

#include <xxhash.h>

#include <array>
#include <fstream>
#include <memory>

namespace {

ContentHash hexOf(XXH128_hash_t hash) {
  XXH128_canonical_t canonical;
  XXH128_canonicalFromHash(&canonical, hash);
  constexpr char DIGITS[] = "0123456789abcdef";
  ContentHash text;
  for (const unsigned char byte : canonical.digest) {
    text += DIGITS[byte >> 4];
    text += DIGITS[byte & 15];
  }
  return text;
}

struct StateRelease {
  void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
};

}  // namespace

ContentHash hashBytes(std::string_view bytes) { return hexOf(XXH3_128bits(bytes.data(), bytes.size())); }

std::uint64_t hash64(std::string_view bytes) { return XXH3_64bits(bytes.data(), bytes.size()); }

std::optional<FileDigest> hashFile(const std::string& path) {
  std::ifstream file(path, std::ios::in | std::ios::binary);
  if (!file) return std::nullopt;
  const std::unique_ptr<XXH3_state_t, StateRelease> state(XXH3_createState());
  if (!state || XXH3_128bits_reset(state.get()) != XXH_OK) return std::nullopt;
  std::array<char, 1 << 16> buffer;
  std::int64_t size = 0;
  while (file) {
    file.read(buffer.data(), buffer.size());
    XXH3_128bits_update(state.get(), buffer.data(), static_cast<std::size_t>(file.gcount()));
    size += file.gcount();
  }
  if (file.bad()) return std::nullopt;
  return FileDigest{hexOf(XXH3_128bits_digest(state.get())), size};
}
