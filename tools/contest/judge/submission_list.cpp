#include "contest/judge/submission_list.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

struct Status {
  FileIdentity identity;
  bool regular = false;
  bool folder = false;
};

std::optional<Status> statusOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return Status{{info.st_dev, info.st_ino}, S_ISREG(info.st_mode), S_ISDIR(info.st_mode)};
}

std::string fileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileError cannotRead(const std::string& path, const std::string& why) {
  return FileError{"cannot read " + shownFileName(path) + ": " + why};
}

bool isSkipped(const std::string& name) { return name.starts_with('.') || name.ends_with('~'); }

// A folder's regular files, in byte order of their paths, less the skipped ones.
std::vector<std::pair<std::string, Status>> folderFiles(const std::string& folder, std::int64_t& skipped) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) throw cannotRead(folder, error.message());
  const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
  std::vector<std::pair<std::string, Status>> files;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    const auto status = statusOf(prefix + name);
    if (!status || !status->regular) continue;
    if (isSkipped(name)) {
      ++skipped;
    } else {
      files.emplace_back(prefix + name, *status);
    }
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return files;
}

}  // namespace

std::optional<FileIdentity> identityOf(const std::string& path) {
  const auto status = statusOf(path);
  if (!status) return std::nullopt;
  return status->identity;
}

SubmissionListing listSubmissions(const std::vector<std::string>& operands) {
  SubmissionListing listing;
  std::vector<SubmissionFile>& submissions = listing.files;
  std::set<std::pair<dev_t, ino_t>> seen;
  const auto add = [&](const std::string& path, const Status& status) {
    if (!seen.insert({status.identity.device, status.identity.inode}).second) return;
    submissions.push_back({path, fileNameOf(path), status.identity, 0, {}});
  };
  for (const std::string& operand : operands) {
    const auto status = statusOf(operand);
    if (!status) throw cannotRead(operand, "no such file or folder");
    if (status->folder) {
      for (const auto& [path, fileStatus] : folderFiles(operand, listing.skipped)) add(path, fileStatus);
    } else if (status->regular) {
      add(operand, *status);
    } else {
      throw cannotRead(operand, "not a regular file or a folder");
    }
  }
  return listing;
}

std::vector<SubmissionFile> shardOf(const std::vector<SubmissionFile>& submissions, ShardChoice shard) {
  std::vector<SubmissionFile> part;
  for (const SubmissionFile& submission : submissions) {
    if (hash64(submission.path) % static_cast<std::uint64_t>(shard.count) ==
        static_cast<std::uint64_t>(shard.index)) {
      part.push_back(submission);
    }
  }
  return part;
}

std::optional<std::string> repeatedName(const std::vector<SubmissionFile>& submissions) {
  std::set<std::string> names;
  for (const SubmissionFile& submission : submissions) {
    if (!names.insert(submission.name).second) return submission.name;
  }
  return std::nullopt;
}

void hashSubmissions(std::vector<SubmissionFile>& submissions) {
  for (SubmissionFile& submission : submissions) {
    auto digest = hashFile(submission.path);
    if (!digest) throw cannotRead(submission.path, "read error");
    submission.hash = std::move(digest->hash);
    submission.size = digest->size;
  }
}
