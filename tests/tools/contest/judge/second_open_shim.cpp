// Loaded with LD_PRELOAD into the judge: the second opening of one chosen
// file (SECOND_OPEN_FILE, matched by device and inode) is the judge's second
// look at it, after it was hashed. There the file first takes the bytes of
// SECOND_OPEN_CONTENT, as a late upload would, or, with
// SECOND_OPEN_FAIL_READ set, every read through that opening fails with EIO,
// as a failing disk would.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<int> openings{0};
std::atomic<int> failingFile{-1};

// Called before a file is opened: true when it is the second opening.
bool secondOpening(const char* path) {
  const char* chosen = std::getenv("SECOND_OPEN_FILE");
  struct stat target {};
  struct stat file {};
  if (chosen == nullptr || stat(chosen, &target) != 0 || stat(path, &file) != 0 ||
      target.st_dev != file.st_dev || target.st_ino != file.st_ino || ++openings != 2) {
    return false;
  }
  if (const char* content = std::getenv("SECOND_OPEN_CONTENT")) {
    char command[4096];
    std::snprintf(command, sizeof command, "cat '%s' > '%s'", content, chosen);
    if (std::system(command) != 0) std::abort();
  }
  return std::getenv("SECOND_OPEN_FAIL_READ") != nullptr;
}

int opened(int file, bool failing) {
  if (failing) failingFile = file;
  return file;
}

using OpenCall = int (*)(const char*, int, ...);

// Opens through the C library's own `real` call, the second opening of the chosen file watched.
int openWatched(OpenCall real, const char* path, int flags, mode_t mode) {
  const bool failing = secondOpening(path);
  return opened(real(path, flags, mode), failing);
}

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
  static const auto real = reinterpret_cast<OpenCall>(dlsym(RTLD_NEXT, "open"));
  va_list arguments;
  va_start(arguments, flags);
  const auto mode = static_cast<mode_t>(va_arg(arguments, int));
  va_end(arguments);
  return openWatched(real, path, flags, mode);
}

int open64(const char* path, int flags, ...) {
  static const auto real = reinterpret_cast<OpenCall>(dlsym(RTLD_NEXT, "open64"));
  va_list arguments;
  va_start(arguments, flags);
  const auto mode = static_cast<mode_t>(va_arg(arguments, int));
  va_end(arguments);
  return openWatched(real, path, flags, mode);
}

FILE* fopen(const char* path, const char* mode) {
  static const auto real = reinterpret_cast<FILE* (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "fopen"));
  const bool failing = secondOpening(path);
  FILE* file = real(path, mode);
  if (file != nullptr) opened(fileno(file), failing);
  return file;
}

FILE* fopen64(const char* path, const char* mode) {
  static const auto real = reinterpret_cast<FILE* (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "fopen64"));
  const bool failing = secondOpening(path);
  FILE* file = real(path, mode);
  if (file != nullptr) opened(fileno(file), failing);
  return file;
}

ssize_t read(int file, void* buffer, size_t count) {
  static const auto real = reinterpret_cast<ssize_t (*)(int, void*, size_t)>(dlsym(RTLD_NEXT, "read"));
  if (file == failingFile) {
    errno = EIO;
    return -1;
  }
  return real(file, buffer, count);
}

int close(int file) {
  static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "close"));
  if (file == failingFile) failingFile = -1;
  return real(file);
}

}  // extern "C"
