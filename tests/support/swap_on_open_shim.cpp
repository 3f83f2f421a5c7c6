// Loaded with LD_PRELOAD into a tool: the first time the tool opens the file
// SWAP_ON_OPEN (an input it reads after its outputs were checked), the name
// SWAP_LINK is made a symbolic link to SWAP_TARGET, as another hand could
// swap it at any moment of the run. So a test drives that race at a fixed
// point instead of by timing.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::atomic<bool> swapped{false};

void swapIfWatched(const char* path) {
  const char* watched = std::getenv("SWAP_ON_OPEN");
  const char* link = std::getenv("SWAP_LINK");
  const char* target = std::getenv("SWAP_TARGET");
  if (watched == nullptr || link == nullptr || target == nullptr || std::strcmp(path, watched) != 0) return;
  if (swapped.exchange(true)) return;
  unlink(link);
  if (symlink(target, link) != 0) std::abort();
}

template <typename Call>
Call real(const char* name) {
  return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// The C library's own `name`, called after the swap.
static int openAfterSwap(const char* name, const char* path, int flags, va_list arguments) {
  const auto mode = static_cast<mode_t>(va_arg(arguments, int));
  swapIfWatched(path);
  return real<int (*)(const char*, int, ...)>(name)(path, flags, mode);
}

extern "C" {

int open(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const int file = openAfterSwap("open", path, flags, arguments);
  va_end(arguments);
  return file;
}

int open64(const char* path, int flags, ...) {
  va_list arguments;
  va_start(arguments, flags);
  const int file = openAfterSwap("open64", path, flags, arguments);
  va_end(arguments);
  return file;
}

FILE* fopen(const char* path, const char* mode) {
  swapIfWatched(path);
  return real<FILE* (*)(const char*, const char*)>("fopen")(path, mode);
}

FILE* fopen64(const char* path, const char* mode) {
  swapIfWatched(path);
  return real<FILE* (*)(const char*, const char*)>("fopen64")(path, mode);
}

}  // extern "C"
