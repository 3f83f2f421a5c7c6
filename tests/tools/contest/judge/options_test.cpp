#include "contest/judge/options.h"

#include <gtest/gtest.h>

#include "common/command_line.h"
#include "contest/judge/submission_list.h"
#include "support/usage_error_of.h"

namespace {

TEST(JudgeOptions, ReadsEveryOption) {
  const JudgeOptions options = parseJudgeOptions(
      {"in.txt", "a", "-d", "r.db", "b/", "-j", "3", "--shard=2/5", "--reports", "out", "--", "-c"});
  EXPECT_EQ(options.input, "in.txt");
  EXPECT_EQ(options.submissions, (std::vector<std::string>{"a", "b/", "-c"}));
  EXPECT_EQ(options.results, "r.db");
  EXPECT_EQ(options.threads, 3);
  EXPECT_EQ(options.shard.index, 2);
  EXPECT_EQ(options.shard.count, 5);
  EXPECT_EQ(options.reportsFolder, "out");
  EXPECT_EQ(parseJudgeOptions({"in", "s", "-d", "r"}).shard.count, 1);
  EXPECT_TRUE(parseJudgeOptions({"--help"}).help);
}

TEST(JudgeOptions, RefusesBadCommandLines) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, "missing INPUT"},
      {{"in", "-d", "r"}, "missing SUBMISSION"},
      {{"in", "s"}, "missing -d RESULTS"},
      {{"in", "s", "-d", "r", "-j", "0"}, "invalid value '0' for --jobs: a whole number from 1 to 1024"},
      {{"in", "s", "-d", "r", "--shard", "3/3"}, "invalid value '3/3' for --shard: K/N with 0 <= K < N"},
      {{"in", "s", "-d", "r", "--shard", "0/0"}, "invalid value '0/0' for --shard: K/N with 0 <= K < N"},
      {{"in", "s", "-d", "r", "--shard", "-1/2"}, "invalid value '-1/2' for --shard: K/N with 0 <= K < N"},
      {{"in", "s", "-d", "r", "--shard", "1"}, "invalid value '1' for --shard: K/N with 0 <= K < N"},
      {{"in", "s", "-d", "r", "--shard", "1/2/3"}, "invalid value '1/2/3' for --shard: K/N with 0 <= K < N"},
      {{"in", "s", "-d", "r", "--reports="}, "--reports needs a folder"},
  };
  for (const auto& [arguments, message] : cases)
    EXPECT_EQ(usageErrorOf(parseJudgeOptions, arguments), message);
}

TEST(ShardOf, PutsEveryPathInExactlyOnePartWhateverTheList) {
  std::vector<SubmissionFile> all;
  all.reserve(300);
  for (int i = 0; i < 300; ++i) all.push_back({"subs/" + std::to_string(i) + ".txt", "", {}, 0, {}});
  std::map<std::string, int> partOf;
  for (std::int64_t k = 0; k < 3; ++k) {
    const std::vector<SubmissionFile> part = shardOf(all, {k, 3});
    EXPECT_GT(part.size(), 60U) << "part " << k << " is far from a third";
    for (const SubmissionFile& file : part) EXPECT_TRUE(partOf.emplace(file.path, k).second) << file.path;
  }
  EXPECT_EQ(partOf.size(), all.size());
  // A late submission moves no earlier one to another part.
  const std::vector<SubmissionFile> fewer(all.begin() + 100, all.end());
  for (std::int64_t k = 0; k < 3; ++k) {
    for (const SubmissionFile& file : shardOf(fewer, {k, 3})) EXPECT_EQ(partOf[file.path], k);
  }
}

}  // namespace
