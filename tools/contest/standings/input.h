#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contest/standings/results.h"
#include "testset/test_case.h"

// The test set file named with --input: its content hash, as the results
// database records it (XXH3-128, 32 hex digits). Throws ToolError when
// it cannot be read.
std::string testSetFileHash(const std::string& path);

// Judges the organisers' answers in `path` with the evaluator's own walk.
// Throws ToolError when the file cannot be read or the answers fail.
StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path);
