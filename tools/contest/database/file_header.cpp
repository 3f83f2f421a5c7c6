#include "contest/database/file_header.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "common/escaped_bytes.h"
#include "common/tool_error.h"
#include "contest/database/schema.h"
#include "contest/database/sqlite.h"

namespace {

// SQLite's database header (its file format): 100 bytes, the magic first,
// then big-endian numbers at fixed offsets.
constexpr std::size_t HEADER_SIZE = 100;
constexpr std::string_view MAGIC{"SQLite format 3\0", 16};
constexpr std::size_t USER_VERSION_AT = 60;
constexpr std::size_t APPLICATION_ID_AT = 68;

std::int64_t bigEndianAt(const std::array<unsigned char, HEADER_SIZE>& header, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | header[at + i];
  return static_cast<std::int32_t>(value);
}

// Reads up to the header's size; how many bytes there were.
std::size_t readHeader(const std::string& path, int file, std::array<unsigned char, HEADER_SIZE>& header) {
  std::size_t got = 0;
  while (got < header.size()) {
    const ssize_t count = ::read(file, header.data() + got, header.size() - got);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) {
      const int error = errno;
      ::close(file);
      throw ToolError{"cannot read " + shownFileName(path) + ": " + std::strerror(error)};
    }
    if (count == 0) break;
    got += static_cast<std::size_t>(count);
  }
  return got;
}

}  // namespace

ResultsFileKind inspectResultsFile(const std::string& path) {
  const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (file < 0) {
    if (errno == ENOENT) return ResultsFileKind::Absent;
    throw ToolError{"cannot open " + shownFileName(path) + ": " + std::strerror(errno)};
  }
  struct stat status {};
  if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)) {
    ::close(file);
    throw notAResultsDatabase(path);
  }
  std::array<unsigned char, HEADER_SIZE> header{};
  const std::size_t size = readHeader(path, file, header);
  ::close(file);
  if (size == 0) return ResultsFileKind::Empty;
  if (size < HEADER_SIZE || std::memcmp(header.data(), MAGIC.data(), MAGIC.size()) != 0 ||
      bigEndianAt(header, APPLICATION_ID_AT) != RESULTS_APPLICATION_ID) {
    throw notAResultsDatabase(path);
  }
  const std::int64_t version = bigEndianAt(header, USER_VERSION_AT);
  if (version == RESULTS_SCHEMA_VERSION) return ResultsFileKind::Ours;
  if (version == RESULTS_SCHEMA_VERSION_1) return ResultsFileKind::Version1;
  throw ToolError{shownFileName(path) + " has results of schema version " + std::to_string(version) +
                  "; this tool reads version " + std::to_string(RESULTS_SCHEMA_VERSION) +
                  " and converts version " + std::to_string(RESULTS_SCHEMA_VERSION_1)};
}

ToolError notAResultsDatabase(const std::string& path) {
  return ToolError{shownFileName(path) + " is not a results database of barvotok-contest"};
}
