// Loaded with LD_PRELOAD: read() on one chosen file fails with EIO once the
// file's offset reaches a chosen byte, as a failing disk would, while the file
// still has bytes there. FAIL_READ_FILE names the file (matched by device and
// inode, so any name of it), FAIL_READ_AT the byte.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

using Read = ssize_t (*)(int, void*, size_t);

struct Target {
  bool chosen = false;
  struct stat file {};
  off_t failAt = 0;
};

Target chosenTarget() {
  Target target;
  const char* name = std::getenv("FAIL_READ_FILE");
  const char* at = std::getenv("FAIL_READ_AT");
  if (name == nullptr || at == nullptr || stat(name, &target.file) != 0) return target;
  target.chosen = true;
  target.failAt = std::strtoll(at, nullptr, 10);
  return target;
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
  static const Read realRead = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
  static const Target target = chosenTarget();
  struct stat file {};
  if (target.chosen && fstat(fd, &file) == 0 && file.st_dev == target.file.st_dev &&
      file.st_ino == target.file.st_ino) {
    const off_t offset = lseek(fd, 0, SEEK_CUR);
    if (offset >= target.failAt && offset < file.st_size) {
      errno = EIO;
      return -1;
    }
    if (offset >= 0 && offset < target.failAt) {
      count = std::min(count, static_cast<size_t>(target.failAt - offset));
    }
  }
  return realRead(fd, buffer, count);
}
