#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "testset/test_case.h"

// What every judging thread shares and only reads: the checked test set.
struct SharedTestSet {
  TestSet testSet;
};

// A passed section of a submission whose verdict is OK.
struct SectionResult {
  std::int32_t position = 0;  // from 1
  std::int32_t testCase = 0;
  std::int32_t moves = 0;
};

// A submission judged: the evaluator's report and what it states.
struct Judgement {
  std::string report;                     // byte for byte what the evaluator writes
  std::string verdict;                    // see verdictOf
  std::optional<std::string> contestant;  // line 1 as written, when the header passed
  std::vector<SectionResult> sections;    // only for the verdict OK: the report's result lines
};

// Judges one submission against the shared test set through the evaluator's
// one walk. Safe to call from many threads at once.
Judgement judgeSubmission(const SharedTestSet& shared, std::istream& submission);
