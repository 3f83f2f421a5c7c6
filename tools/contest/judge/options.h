#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/progress.h"

// Part `index` of `count` parts of the submission list, as job arrays number
// their tasks: from 0 to count - 1.
struct ShardChoice {
  std::int64_t index = 0;
  std::int64_t count = 1;
};

// What the judge's command line asks for.
struct JudgeOptions {
  std::string input;
  std::vector<std::string> submissions;  // files and folders, as named
  std::string results;
  std::int64_t threads = 0;  // 0: one per core
  ShardChoice shard;
  std::string reportsFolder;                          // empty: no report files
  bool recheck = false;                               // judge the contents with a stored verdict again
  bool json = false;                                  // the summary as one JSON object
  ProgressStyle progress = ProgressStyle::automatic;  // --progress: lines
  bool help = false;
  bool version = false;
};

// Reads the arguments after "judge"; a bad one throws UsageError.
JudgeOptions parseJudgeOptions(const std::vector<std::string>& arguments);

// "K/N" with 0 <= K < N; anything else throws UsageError.
ShardChoice parseShard(std::string_view text);

extern const std::string_view JUDGE_HELP;
