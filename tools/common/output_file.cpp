#include "common/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <tuple>

#include "common/escaped_bytes.h"
#include "driver/same_file.h"

namespace {

namespace fs = std::filesystem;

using Identity = OutputGuard::Identity;

// Only regular files and folders: sameFile never counts devices and pipes,
// as opening one for writing destroys nothing.
std::optional<Identity> identityOf(const std::string& path) {
  const std::optional<FileStatus> status = fileStatusOf(path);
  if (!status || !(status->regular || status->folder)) return std::nullopt;
  return status->identity;
}

// Where a file written at `path` ends up: its symbolic links followed (also
// one that points nowhere yet), its folder made canonical.
fs::path placeOf(const std::string& path) {
  fs::path at(path);
  std::error_code error;
  for (int hop = 0; hop < 40 && fs::is_symlink(at, error); ++hop) {
    const fs::path target = fs::read_symlink(at, error);
    if (error) break;
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  // Absolute first: a path of which no part exists would stay as written.
  const fs::path absolute = fs::absolute(at, error).lexically_normal();
  const fs::path canonical = fs::weakly_canonical(absolute, error);
  return error ? absolute : canonical;
}

// The longest file name that the folder of `place` (or the nearest folder
// above it that exists) takes.
std::size_t longestName(const fs::path& place) {
  fs::path folder = place.parent_path();
  std::error_code error;
  while (!folder.empty() && !fs::is_directory(folder, error) && folder != folder.parent_path()) {
    folder = folder.parent_path();
  }
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

[[noreturn]] void refuse(const std::string& output, const std::string& why) {
  throw ToolError{"will not write " + shownFileName(output) + ": " + why + "; nothing written"};
}

ToolError cannotWrite(const std::string& name, int error) { return fileFailure("cannot write", name, error); }

// The descriptor that a name for this process's own open files stands for:
// /dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N; -1 for any other name.
int ownDescriptor(const std::string& name) {
  if (name == "/dev/stdout") return 1;
  if (name == "/dev/stderr") return 2;
  for (const std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    if (!name.starts_with(prefix) || name.size() == prefix.size() || name.size() > prefix.size() + 9)
      continue;
    const std::string digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(digits);
  }
  return -1;
}

// The folder and the last name that the kernel gives `path`: the folder
// opened as it resolves it (so LINK/.. is the parent of LINK's target), the
// last name followed through symbolic links relative to their folders.
std::pair<int, std::string> resolvedPlace(const std::string& path, const std::string& shown) {
  std::string name = path;
  int folder = AT_FDCWD;
  for (int hop = 0; hop < 40; ++hop) {
    const auto slash = name.find_last_of('/');
    if (slash != std::string::npos) {
      const std::string folderName = slash == 0 ? "/" : name.substr(0, slash);
      name = name.substr(slash + 1);
      const int opened = ::openat(folder, folderName.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
      if (folder != AT_FDCWD) ::close(folder);
      if (opened < 0) throw cannotWrite(shown, errno);
      folder = opened;
    }
    if (name.empty() || name == "." || name == "..") {
      if (folder != AT_FDCWD) ::close(folder);
      throw cannotWrite(shown, EISDIR);
    }
    struct stat info {};
    if (::fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(info.st_mode)) break;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
    if (length <= 0) break;
    name = target.substr(0, static_cast<std::size_t>(length));
  }
  if (folder == AT_FDCWD) folder = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) throw cannotWrite(shown, errno);
  return {folder, name};
}

// A new, empty file in `folder`: its name, and its descriptor in `descriptor`.
std::string temporaryIn(int folder, const std::string& shown, int& descriptor) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = ".barvotok-" + std::to_string(random()) + ".tmp";
    descriptor = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0) return name;
    if (errno != EEXIST) throw cannotWrite(shown, errno);
  }
  throw cannotWrite(shown, EEXIST);
}

}  // namespace

OutputGuard::OutputGuard(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs) {
  for (const std::string& input : inputs) {
    if (const auto identity = input == "-" ? std::nullopt : identityOf(input))
      inputs_.emplace(*identity, input);
  }
  for (const std::string& output : outputs) {
    if (const auto identity = output == "-" ? std::nullopt : identityOf(output))
      outputs_.emplace(*identity, output);
  }
}

void OutputGuard::refuseToReplace(const std::string& output, Identity replaced) const {
  if (const auto input = inputs_.find(replaced); input != inputs_.end())
    refuse(output, "it is the input " + shownFileName(input->second));
  if (const auto other = outputs_.find(replaced); other != outputs_.end() && other->second != output)
    refuse(output, "it is also the output " + shownFileName(other->second));
  for (const std::string& other : watched_) {
    if (other != output && identityOf(other) == replaced)
      refuse(output, "it is also the output " + shownFileName(other));
  }
}

OutputGuard refuseOutputClashes(const std::vector<std::string>& inputs,
                                const std::vector<std::string>& outputs) {
  std::map<Identity, std::string> inputAt;
  for (const std::string& input : inputs) {
    if (const auto identity = input == "-" ? std::nullopt : identityOf(input))
      inputAt.emplace(*identity, input);
  }
  std::map<Identity, std::string> outputAt;
  std::map<fs::path, std::string> placed;
  for (const std::string& output : outputs) {
    if (output == "-" || ownDescriptor(output) >= 0) continue;
    const fs::path place = placeOf(output);
    if (const auto identity = identityOf(output)) {
      const auto input = inputAt.find(*identity);
      if (input != inputAt.end() && sameFile(output, input->second)) {
        refuse(output, "it is the input " + shownFileName(input->second));
      }
      const auto [other, added] = outputAt.emplace(*identity, output);
      if (!added && sameFile(output, other->second))
        refuse(output, "it is also the output " + shownFileName(other->second));
    } else if (const std::size_t most = longestName(place); place.filename().string().size() > most) {
      refuse(output,
             "its file name is longer than the file system allows (" + std::to_string(most) + " bytes)");
    }
    const auto [other, added] = placed.emplace(place, output);
    if (!added) refuse(output, "it is also the output " + shownFileName(other->second));
  }
  return OutputGuard(inputs, outputs);
}

OutputFile::OutputFile(std::string name, OutputGuard& guard) : name_(std::move(name)), guard_(guard) {
  try {
    open();
  } catch (...) {
    buffer_.close();
    if (folder_ >= 0) ::close(folder_);
    throw;
  }
}

void OutputFile::open() {
  if (name_ == "-") return;
  if (const int own = ownDescriptor(name_); own >= 0) {
    if (own == 1) std::cout.flush();
    descriptor_ = ::dup(own);
    if (descriptor_ < 0) throw cannotWrite(name_, errno);
    buffer_.attach(descriptor_);
    return;
  }
  std::tie(folder_, placed_) = resolvedPlace(name_, name_);
  struct stat info {};
  const bool exists = ::fstatat(folder_, placed_.c_str(), &info, 0) == 0;
  if (exists && (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)))
    guard_.refuseToReplace(name_, fileStatusOf(info).identity);
  if (exists && !(S_ISREG(info.st_mode) && info.st_nlink == 1)) {
    // In place: the file opened is checked again, and only then emptied.
    descriptor_ = ::openat(folder_, placed_.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor_ < 0) throw cannotWrite(name_, errno);
    buffer_.attach(descriptor_);
    struct stat opened {};
    if (::fstat(descriptor_, &opened) == 0 && S_ISREG(opened.st_mode)) {
      guard_.refuseToReplace(name_, fileStatusOf(opened).identity);
      if (::ftruncate(descriptor_, 0) != 0) throw cannotWrite(name_, errno);
      emptyOnFailure_ = true;
    }
    return;
  }
  temporary_ = temporaryIn(folder_, name_, descriptor_);
  buffer_.attach(descriptor_);
  if (exists) {
    // The owner and group where the process may set them (root may; others
    // keep their own, or at least the group), then the mode, which a change
    // of owner may have cut. A file that keeps the process's owner is still
    // a sound output.
    [[maybe_unused]] const bool ownerKept = ::fchown(descriptor_, info.st_uid, info.st_gid) == 0 ||
                                            ::fchown(descriptor_, static_cast<uid_t>(-1), info.st_gid) == 0;
    ::fchmod(descriptor_, info.st_mode & 07777);
  }
}

OutputFile::~OutputFile() {
  buffer_.close();
  if (!temporary_.empty()) ::unlinkat(folder_, temporary_.c_str(), 0);
  if (folder_ >= 0) ::close(folder_);
}

std::ostream& OutputFile::stream() { return name_ == "-" ? std::cout : file_; }

void OutputFile::commit() {
  if (name_ == "-") {
    errno = 0;
    std::cout.flush();
    if (!std::cout)
      throw ToolError{"cannot write standard output: " +
                      std::string(std::strerror(errno != 0 ? errno : EIO))};
    return;
  }
  const bool flushed = file_.flush() && buffer_.error() == 0;
  if (!flushed && emptyOnFailure_) {
    // A part of a file could pass for the whole: a file written in place is
    // left empty, as the evaluator leaves its report.
    const int error = buffer_.error();
    const bool emptied = ::ftruncate(descriptor_, 0) == 0;
    buffer_.close();
    ToolError failure = cannotWrite(name_, error);
    failure.message += emptied ? "; it is left empty" : "; it could not be emptied either";
    throw failure;
  }
  struct stat written {};
  const bool known = temporary_.empty() || ::fstat(descriptor_, &written) == 0;
  if (!buffer_.close() || !file_) throw cannotWrite(name_, buffer_.error());
  if (temporary_.empty()) return;
  // What the name gives now is checked again, just before it is replaced.
  struct stat now {};
  if (::fstatat(folder_, placed_.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(now.st_mode))
    guard_.refuseToReplace(name_, fileStatusOf(now).identity);
  if (::renameat(folder_, temporary_.c_str(), folder_, placed_.c_str()) != 0) throw cannotWrite(name_, errno);
  temporary_.clear();
  if (known) guard_.written(name_, fileStatusOf(written).identity);
}

void writeOutputFile(const std::string& name, std::string_view bytes, OutputGuard& guard) {
  OutputFile output(name, guard);
  output.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  output.commit();
}
