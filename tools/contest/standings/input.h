#pragma once

#include <optional>
#include <string>
#include <vector>

#include "contest/standings/results.h"
#include "testset/test_case.h"

// The test set file named with --input, read once: its content hash, as the
// results database records it (XXH3-128, 32 hex digits), and, when
// `testSet` is given, its test cases through the evaluator's checks (a bad
// one is shown on standard error). nullopt when it fails them. Throws
// ToolError when it cannot be read.
std::optional<std::string> readTestSetFile(const std::string& path, TestSet* testSet = nullptr);

// Judges the organisers' answers in `path` with the evaluator's own walk.
// Throws ToolError when the file cannot be read or the answers fail.
StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path);
