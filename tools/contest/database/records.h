#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "driver/outcome.h"

// The rows of the results database (schema.sql) as the judge writes them
// and the standings read them.

// A file's content as XXH3-128, written as 32 lowercase hex digits in the
// canonical (big-endian) order, the same text that xxh128sum prints.
using ContentHash = std::string;

struct TestCaseRecord {
  std::int32_t number = 0;
  std::int32_t w = 0;
  std::int32_t h = 0;
  std::int32_t b = 0;
  bool operator==(const TestCaseRecord&) const = default;
};

// A file named in a judge run: its path as named, and its content.
struct SubmissionRecord {
  std::string path;
  ContentHash hash;
  std::int64_t size = 0;
};

// A content judged against a test set: the outcome of its evaluation, from
// which its report is rendered, and its contestant line.
struct VerdictRecord {
  std::optional<std::string> contestant;  // line 1 as written, when the header passed
  EvaluationOutcome outcome;
};
