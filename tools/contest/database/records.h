#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "contest/database/content_hash.h"

// The rows of the results database (schema.sql) as the judge writes them
// and the standings read them.

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

// A passed section of a verdict OK: one result line of its report.
struct SectionRecord {
  std::int32_t position = 0;  // from 1
  std::int32_t testCase = 0;
  std::int32_t moves = 0;
};

// A content judged against a test set.
struct VerdictRecord {
  std::optional<std::string> contestant;  // line 1 as written, when the header passed
  std::string verdict;                    // see verdict_text.h
  std::string report;                     // byte for byte what the evaluator writes
  std::vector<SectionRecord> sections;    // for the verdict OK only, in position order
};
