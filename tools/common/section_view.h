#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "check/assertion.h"
#include "common/flood_turns.h"
#include "driver/outcome.h"
#include "testset/test_case.h"
#include "text/line_source.h"

// Which section of the submission to show: the k-th section, or the first
// section that answers a given test case.
struct SectionChoice {
  enum class By { position, testCaseNumber };
  By by = By::position;
  std::int32_t value = 1;
};

// One section as the page shows it.
struct SectionView {
  std::int32_t position = 0;               // the section's place in the submission, from 1
  LineCounter firstLine = 0;               // the submission line of its test case number
  const TestCase* testCase = nullptr;      // within the test set given
  std::vector<std::int32_t> playedMoves;   // the moves the replay played, in order
  FloodTurns replay;                       // what the replay recorded; nothing when it never ran
  std::optional<BadMove> badMove;          // the move that failed the colour check
  std::optional<GridCell> firstUnflooded;  // the cell that failed the final check
  // The section's own outcome, as the evaluator would report it were this
  // section the whole submission: its one result line, or its failed check.
  EvaluationOutcome verdict;
  EvaluationOutcome whole;  // the evaluation of the whole submission

  // False when the section's lines failed before the replay began.
  bool replayed() const { return !replay.absorbed().empty(); }
};

// A section that the tool cannot show: it does not exist, or the evaluator
// stops before its lines can be told apart. The message may quote the
// contestant's bytes.
struct SectionUnavailable {
  std::string message;
};

// Runs the evaluation's walk over the submission once, recording the
// evaluator's replay of the chosen section. The walk ends at the first
// failure, so a section after a failing one cannot be shown.
SectionView viewSection(const TestSet& testSet, std::istream& submission, SectionChoice choice);
