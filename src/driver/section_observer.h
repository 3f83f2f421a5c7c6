#pragma once

#include <cstdint>
#include <string_view>

#include "../check/assertion.h"
#include "../submission/flood_recorder.h"
#include "../submission/solution.h"
#include "../testset/test_case.h"
#include "../text/line_source.h"

// A section as the walk over the submission meets it.
struct SectionStart {
  std::int32_t position = 0;  // its place among the submission's sections, from 1
  LineCounter firstLine = 0;  // the submission line of its test case number
  std::int32_t number = 0;    // the test case number read there
  const TestCase* testCase = nullptr;
};

// Watches the evaluation's one walk over a submission. Tools observe it
// instead of walking a submission themselves; every call comes in reading
// order, and a failure that the observer sees then ends the evaluation.
class SectionObserver {
 public:
  virtual ~SectionObserver() = default;

  // Both header lines passed; `contestantNumber` is line 1 as written.
  virtual void headerPassed(std::string_view contestantNumber) { (void)contestantNumber; }

  // A section's first line named a test case of the test set.
  virtual void sectionStarted(const SectionStart& start) { (void)start; }

  // A recorder to watch this section's replay, or nullptr. A watched
  // section is always replayed, even when it repeats a passed one.
  virtual FloodRecorder* recorderFor(const SectionStart& start) {
    (void)start;
    return nullptr;
  }

  // The section passed: `solution.moveCount` is its result.
  virtual void sectionPassed(const SectionStart& start, const Solution& solution) {
    (void)start;
    (void)solution;
  }

  // A check of the section's lines, replay or final check failed.
  virtual void sectionFailed(const SectionStart& start, const Solution& solution, const EAssertion& failure) {
    (void)start;
    (void)solution;
    (void)failure;
  }
};
