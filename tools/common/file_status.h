#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A file as the file system knows it, whatever name it goes by.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
  // An order for sets and maps of files.
  bool operator<(const FileIdentity& other) const {
    return device != other.device ? device < other.device : inode < other.inode;
  }
};

// What stat tells of a file that the tools need: which file it is, its kind,
// and the marks that change when its content does.
struct FileStatus {
  FileIdentity identity;
  bool regular = false;
  bool folder = false;
  std::int64_t size = 0;
  std::int64_t modified = 0;  // nanoseconds, as the file system keeps them
  std::int64_t changed = 0;

  // The same file, not changed since (as far as stat can tell).
  bool sameState(const FileStatus& other) const {
    return identity == other.identity && size == other.size && modified == other.modified &&
           changed == other.changed;
  }
};

FileStatus fileStatusOf(const struct stat& info);
// The status of the file at `path`, its links followed; nullopt when there is none.
std::optional<FileStatus> fileStatusOf(const std::string& path);

// The file name of a path: what follows its last '/'.
std::string fileNameOf(std::string_view path);
