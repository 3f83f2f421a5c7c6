#include "contest/database/content_hash.h"

#include <fcntl.h>
#include <unistd.h>
#include <xxhash.h>

#include <array>
#include <cerrno>
#include <streambuf>
#include <system_error>

#include "common/escaped_bytes.h"

struct HashedFile::HashingBuffer : std::streambuf {
  struct StateRelease {
    void operator()(XXH3_state_t* state) const { XXH3_freeState(state); }
  };

  int_type underflow() override;

  int file = -1;
  int error = 0;
  std::int64_t size = 0;
  std::unique_ptr<XXH3_state_t, StateRelease> state;
  std::array<char, 1 << 16> bytes{};
};

namespace {

ContentHash hexOf(XXH128_hash_t hash) {
  XXH128_canonical_t canonical;
  XXH128_canonicalFromHash(&canonical, hash);
  ContentHash text;
  for (const unsigned char byte : canonical.digest) appendHex(text, byte);
  return text;
}

}  // namespace

ContentHash hashBytes(std::string_view bytes) { return hexOf(XXH3_128bits(bytes.data(), bytes.size())); }

std::uint64_t hash64(std::string_view bytes) { return XXH3_64bits(bytes.data(), bytes.size()); }

HashedFile::HashedFile(const std::string& path)
    : buffer_(std::make_unique<HashingBuffer>()), stream_(buffer_.get()) {
  buffer_->state.reset(XXH3_createState());
  if (!buffer_->state || XXH3_128bits_reset(buffer_->state.get()) != XXH_OK) {
    buffer_->error = ENOMEM;
  } else {
    buffer_->file = path == "-" ? ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0)
                                : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (buffer_->file < 0) buffer_->error = errno;
  }
  if (buffer_->error != 0) stream_.setstate(std::ios::failbit);
}

HashedFile::~HashedFile() {
  if (buffer_->file >= 0) ::close(buffer_->file);
}

int HashedFile::error() const { return buffer_->error; }

HashedFile::HashingBuffer::int_type HashedFile::HashingBuffer::underflow() {
  if (error != 0 || file < 0) return traits_type::eof();
  ssize_t count = 0;
  do {
    count = ::read(file, bytes.data(), bytes.size());
  } while (count < 0 && errno == EINTR);
  if (count < 0) {
    error = errno;
    // The stream takes an exception from its buffer as a read error: its bad state.
    throw std::system_error(error, std::generic_category());
  }
  if (count == 0) return traits_type::eof();
  XXH3_128bits_update(state.get(), bytes.data(), static_cast<std::size_t>(count));
  size += count;
  setg(bytes.data(), bytes.data(), bytes.data() + count);
  return traits_type::to_int_type(bytes.front());
}

std::optional<FileDigest> HashedFile::finish() {
  while (buffer_->error == 0 && buffer_->file >= 0) {
    try {
      if (buffer_->underflow() == std::streambuf::traits_type::eof()) break;
    } catch (const std::system_error&) {
      break;
    }
  }
  if (buffer_->error != 0) return std::nullopt;
  return FileDigest{hexOf(XXH3_128bits_digest(buffer_->state.get())), buffer_->size};
}

std::optional<FileDigest> hashFile(const std::string& path) { return HashedFile(path).finish(); }
