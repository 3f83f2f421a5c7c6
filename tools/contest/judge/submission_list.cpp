#include "contest/judge/submission_list.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "common/escaped_bytes.h"

namespace {

bool isSkipped(const std::string& name) { return name.starts_with('.') || name.ends_with('~'); }

// A folder's regular files, in byte order of their paths, less the skipped ones.
std::vector<std::pair<std::string, FileStatus>> folderFiles(const std::string& folder,
                                                            std::vector<std::string>& skipped) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) throw fileFailure("cannot read", folder, error.message());
  const std::string prefix = folder.ends_with('/') ? folder : folder + "/";
  std::vector<std::pair<std::string, FileStatus>> files;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    const auto status = fileStatusOf(prefix + name);
    if (!status || !status->regular) continue;
    if (isSkipped(name)) {
      skipped.push_back(prefix + name);
    } else {
      files.emplace_back(prefix + name, *status);
    }
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return files;
}

}  // namespace

SubmissionListing listSubmissions(const std::vector<std::string>& operands) {
  SubmissionListing listing;
  std::vector<SubmissionFile>& submissions = listing.files;
  std::set<FileIdentity> seen;
  const auto add = [&](const std::string& path, const FileStatus& status) {
    if (!seen.insert(status.identity).second) return;
    submissions.push_back({path, fileNameOf(path), status.identity, 0, {}});
  };
  for (const std::string& operand : operands) {
    const auto status = fileStatusOf(operand);
    if (!status) throw fileFailure("cannot read", operand, "no such file or folder");
    if (status->folder) {
      for (const auto& [path, file] : folderFiles(operand, listing.skipped)) add(path, file);
    } else if (status->regular) {
      add(operand, *status);
    } else {
      throw fileFailure("cannot read", operand, "not a regular file or a folder");
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
    if (!digest) throw fileFailure("cannot read", submission.path, "read error");
    submission.hash = std::move(digest->hash);
    submission.size = digest->size;
  }
}
