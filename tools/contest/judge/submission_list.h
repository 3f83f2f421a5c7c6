#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/file_status.h"
#include "common/tool_error.h"
#include "contest/database/content_hash.h"
#include "contest/judge/options.h"

// One submission file of a judge run.
struct SubmissionFile {
  std::string path;  // as named, or folder/name for a folder's files
  std::string name;  // the file name alone
  FileIdentity identity;
  std::int64_t size = 0;  // these two are filled in by hashSubmissions
  ContentHash hash;
};

// The submissions that `operands` name, in their order, and the files of
// their folders that were skipped.
struct SubmissionListing {
  std::vector<SubmissionFile> files;
  std::vector<std::string> skipped;
};

// Each folder gives its regular files (not recursive) in byte order of their
// paths, but for hidden files (a name starting with ".", which the tools'
// own temporary files have) and editors' backups (a name ending in "~"),
// which are no contestant's; a file named twice, by any name, comes once.
// Throws ToolError.
SubmissionListing listSubmissions(const std::vector<std::string>& operands);

// The submissions of one shard: those whose path's hash modulo the count is
// the index. A path always falls in the same shard, however the list grows.
std::vector<SubmissionFile> shardOf(const std::vector<SubmissionFile>& submissions, ShardChoice shard);

// A file name that two submissions share, if any.
std::optional<std::string> repeatedName(const std::vector<SubmissionFile>& submissions);

// Hashes every submission's content. Throws ToolError.
void hashSubmissions(std::vector<SubmissionFile>& submissions);
