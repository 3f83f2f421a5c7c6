#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "submission/first_floods.h"
#include "testset/test_case.h"

// What every judging thread shares: the checked test set, which they only
// read, and its test cases' first floods, each computed once for them all.
struct SharedTestSet {
  TestSet testSet;
  // Synchronised within; kept to about two bytes per test-set cell, so that
  // the states never outweigh the test set itself.
  mutable std::optional<FirstFloods> firstFloods;

  // Makes the first floods' store, sized to the test set just read.
  void prepareFirstFloods();
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
