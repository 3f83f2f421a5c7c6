#include "common/file_status.h"

namespace {

std::int64_t nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

}  // namespace

FileStatus fileStatusOf(const struct stat& info) {
  return {{info.st_dev, info.st_ino}, S_ISREG(info.st_mode),
          S_ISDIR(info.st_mode),      static_cast<std::int64_t>(info.st_size),
          nanoseconds(info.st_mtim),  nanoseconds(info.st_ctim)};
}

std::optional<FileStatus> fileStatusOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return fileStatusOf(info);
}

std::string fileNameOf(std::string_view path) {
  const auto slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}
