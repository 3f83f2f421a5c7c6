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

#include "driver/same_file.h"

namespace {

namespace fs = std::filesystem;

using Identity = std::pair<dev_t, ino_t>;

// Only regular files and folders: sameFile never counts devices and pipes,
// as opening one for writing destroys nothing.
std::optional<Identity> identityOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !(S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)))
    return std::nullopt;
  return Identity{info.st_dev, info.st_ino};
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
  throw FileError{"will not write " + shownFileName(output) + ": " + why + "; nothing written"};
}

FileError cannotWrite(const std::string& name, int error) {
  return FileError{"cannot write " + shownFileName(name) + ": " + std::strerror(error != 0 ? error : EIO)};
}

// A new, empty file in the folder of `target`, with `mode` (when the target
// exists) or the mode that a new file gets: its path, and its descriptor in `descriptor`.
std::string temporaryBeside(const fs::path& target, std::optional<mode_t> mode, const std::string& name,
                            int& descriptor) {
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = (folder / (".barvotok-" + std::to_string(random()) + ".tmp")).string();
    descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
      if (errno == EEXIST) continue;
      throw cannotWrite(name, errno);
    }
    if (mode) ::fchmod(descriptor, *mode & 07777);
    return path;
  }
  throw cannotWrite(name, EEXIST);
}

}  // namespace

void refuseOutputClashes(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs) {
  std::map<Identity, std::string> inputAt;
  for (const std::string& input : inputs) {
    if (const auto identity = input == "-" ? std::nullopt : identityOf(input))
      inputAt.emplace(*identity, input);
  }
  std::map<Identity, std::string> outputAt;
  std::map<fs::path, std::string> placed;
  for (const std::string& output : outputs) {
    if (output == "-") continue;
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
}

OutputFile::OutputFile(std::string name) : name_(std::move(name)) {
  if (name_ == "-") return;
  struct stat info {};
  const bool exists = ::stat(name_.c_str(), &info) == 0;
  int descriptor = -1;
  if (exists && !(S_ISREG(info.st_mode) && info.st_nlink == 1)) {
    descriptor = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (descriptor < 0) throw cannotWrite(name_, errno);
  } else {
    target_ = placeOf(name_).string();
    temporary_ = temporaryBeside(target_, exists ? std::optional<mode_t>(info.st_mode) : std::nullopt, name_,
                                 descriptor);
  }
  buffer_.attach(descriptor);
}

OutputFile::~OutputFile() {
  buffer_.close();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

std::ostream& OutputFile::stream() { return name_ == "-" ? std::cout : file_; }

void OutputFile::commit() {
  if (name_ == "-") {
    errno = 0;
    std::cout.flush();
    if (!std::cout)
      throw FileError{"cannot write standard output: " +
                      std::string(std::strerror(errno != 0 ? errno : EIO))};
    return;
  }
  if (!buffer_.close() || !file_) throw cannotWrite(name_, buffer_.error());
  if (!temporary_.empty() && ::rename(temporary_.c_str(), target_.c_str()) != 0)
    throw cannotWrite(name_, errno);
  temporary_.clear();
}

void writeOutputFile(const std::string& name, std::string_view bytes) {
  OutputFile output(name);
  output.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  output.commit();
}
