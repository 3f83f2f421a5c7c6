#pragma once

#include <functional>
#include <optional>
#include <string>

#include "testset/test_case.h"

// Runs `read`, which reads a test set with the evaluator's own reader, inside
// the evaluator's failure scope: the report it would write when the test set
// fails its checks, nothing when it passes.
std::optional<std::string> testSetFailure(const std::function<void()>& read);

// Reads the named test set so; a bad one is reported on standard error with
// the very report that the evaluator would write. Whether it passed.
bool readCheckedTestSet(const std::string& path, TestSet& testSet);
