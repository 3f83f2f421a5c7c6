#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "common/submission_writer.h"
#include "common/test_set_writer.h"
#include "gen/test_set_generator.h"
#include "support/evaluate_in_memory.h"

// One section of a submission: the test case it answers and its moves.
struct Section {
  std::int32_t number;
  std::vector<std::int32_t> moves;
};

// The evaluator's report, byte for byte, on a test set and sections that go
// through the tools' writers and then the evaluator, all in memory.
inline std::string evaluatorReport(const TestSet& testSet, const std::vector<Section>& sections) {
  std::ostringstream input;
  writeTestSet(input, testSet);
  std::ostringstream submission;
  writeSubmissionHeader(submission, "000042");
  for (const Section& section : sections) writeSection(submission, section.number, section.moves);
  return reportFor(input.str(), submission.str());
}

// The success form that the evaluator writes for these sections.
inline std::string okReport(const std::vector<Section>& sections) {
  std::vector<std::pair<std::int32_t, std::int32_t>> results;
  for (const Section& section : sections) {
    results.emplace_back(section.number, static_cast<std::int32_t>(section.moves.size()));
  }
  return successReport(results);
}

// Fourteen small test cases, every pattern twice, of 1 to 12 colours and at
// most maxWidth x maxHeight cells: what the solver's tests answer.
inline GeneratorSettings everyPatternSettings(std::uint64_t seed, std::int32_t maxWidth,
                                              std::int32_t maxHeight) {
  GeneratorSettings settings;
  settings.caseCount = 14;
  settings.width = {1, maxWidth};
  settings.height = {1, maxHeight};
  settings.colours = {1, 12};
  settings.patterns = {ALL_PATTERNS.begin(), ALL_PATTERNS.end()};
  settings.seed = seed;
  return settings;
}
