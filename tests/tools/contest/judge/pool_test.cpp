#include "contest/judge/pool.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "common/checked_test_set.h"
#include "tools/contest/standings/results_fixture.h"

namespace {

// Contents as xxh128sum prints their hash.
TEST(ContentHash, IsWhatXxh128sumPrints) {
  const struct {
    std::string bytes;
    const char* hash;
  } rows[] = {
      {"", "99aa06d3014798d86001c324468d497f"},
      {"Barvotok", "16f4c947cfafa4ded8f00afc9e113534"},
      {std::string(100000, '\0'), "e1f876364c6fec62315c72a64b7df4d2"},
  };
  ScratchFolder scratch;
  for (const auto& row : rows) {
    EXPECT_EQ(hashBytes(row.bytes), row.hash);
    std::ofstream(scratch.file("f"), std::ios::binary) << row.bytes;
    EXPECT_EQ(hashFile(scratch.file("f"))->hash, row.hash);
  }
}

// Twelve submissions of one test set, each its own content.
class JudgePool : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream(scratch_.file("input.txt")) << "Barvotok\n1\n\n1\n2 1 2\n1 2\n";
    ASSERT_TRUE(readCheckedTestSet(scratch_.file("input.txt"), shared_.testSet));
    shared_.prepareFirstFloods();
    for (int i = 0; i < 12; ++i) {
      const std::string path = scratch_.file(std::to_string(i) + ".txt");
      std::ofstream(path) << 100000 + i << "\nBarvotok\n1\n1\n2\n";
      files_.push_back({path, "", {}, 0, hashFile(path)->hash});
    }
    for (const SubmissionFile& file : files_) pending_.push_back({file.hash, {&file}});
  }

  ScratchFolder scratch_;
  SharedTestSet shared_;
  std::vector<SubmissionFile> files_;
  std::vector<PendingContent> pending_;
};

TEST_F(JudgePool, ASinkThatThrowsStopsTheWorkAndTheErrorIsRethrown) {
  for (const std::int64_t threads : {1, 4}) {
    int calls = 0;
    const auto sink = [&](const PendingContent&, const Judgement& judgement) {
      const ResultList* results = judgement.verdict->outcome.results();
      ASSERT_NE(results, nullptr);
      EXPECT_EQ(*results, (ResultList{{1, 1}}));
      if (++calls == 3) throw std::runtime_error("disk full");
    };
    try {
      judgeAll(shared_, pending_, threads, sink);
      ADD_FAILURE() << "the sink's error was swallowed";
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "disk full");
    }
    EXPECT_EQ(calls, 3) << threads << " threads: contents judged after the error reached the sink";
  }
}

TEST_F(JudgePool, AStopRequestFinishesTheContentsInHandAndTakesNoMore) {
  int calls = 0;
  judgeAll(
      shared_, pending_, 1, [&](const PendingContent&, const Judgement&) { ++calls; },
      [&] { return calls >= 5; });
  EXPECT_EQ(calls, 5);
}

TEST_F(JudgePool, BytesThatAreNotTheContentsGetNoVerdict) {
  std::ofstream(files_[0].path, std::ios::app) << "\n";
  const Judgement changed = judgeContent(shared_, pending_[0]);
  EXPECT_FALSE(changed.verdict);
  EXPECT_EQ(changed.problem, "'" + files_[0].path + "' changed while it was judged");
  std::filesystem::remove(files_[1].path);
  EXPECT_EQ(judgeContent(shared_, pending_[1]).problem,
            "cannot read '" + files_[1].path + "': No such file or directory");
}

}  // namespace
