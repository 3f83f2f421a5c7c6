// What the evaluation's walk tells its observer, and the facts a failure
// carries as data: the file line, the bad move, the first unflooded cell.
#include "driver/section_observer.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "driver/evaluation_run.h"
#include "testset/test_set_reader.h"

namespace {

// Test case 1: 3 x 2 in 2 colours, solved by "2 1"; test case 2: one cell.
const std::string INPUT = "Barvotok\n2\n\n1\n3 2 2\n1 2 1\n2 2 1\n\n2\n1 1 1\n1\n";
const std::string H = "123456\nBarvotok\n";

// Writes down every call in order, and every flooding step of section 1.
class Diary : public SectionObserver, public FloodRecorder {
 public:
  void headerPassed(std::string_view contestantNumber) override {
    entries.push_back("header " + std::string(contestantNumber));
  }
  void sectionStarted(const SectionStart& start) override {
    entries.push_back("start " + std::to_string(start.position) + " line " + std::to_string(start.firstLine) +
                      " case " + std::to_string(start.number));
  }
  FloodRecorder* recorderFor(const SectionStart& start) override {
    return start.position == 1 ? this : nullptr;
  }
  void flooded(std::int32_t turn, std::span<const std::int32_t> cells) override {
    std::string entry = "turn ";
    entry += std::to_string(turn);
    entry += ':';
    for (const std::int32_t cell : cells) {
      entry += ' ';
      entry += std::to_string(cell);
    }
    entries.push_back(entry);
  }
  void sectionPassed(const SectionStart& start, const Solution& solution) override {
    entries.push_back("passed " + std::to_string(start.position) + " moves " +
                      std::to_string(solution.moveCount));
  }
  void sectionFailed(const SectionStart& start, const Solution&, const EAssertion& failure) override {
    entries.push_back("failed " + std::to_string(start.position) + " check " + std::to_string(failure.line));
  }

  std::vector<std::string> entries;
};

struct Walked {
  std::vector<std::string> entries;
  std::optional<EAssertion> failure;
};

Walked walk(const std::string& submission) {
  std::istringstream input(INPUT);
  TestSet testSet;
  readTestSet(input, testSet);
  std::istringstream stream(submission);
  Diary diary;
  Walked walked;
  try {
    evaluateSubmission(testSet, stream, &diary);
  } catch (const EAssertion& failure) {
    walked.failure = failure;
  }
  walked.entries = diary.entries;
  return walked;
}

TEST(SectionObserver, SeesEverySectionAndTheReplayOfTheOneItWatches) {
  // Section 2 repeats section 1 word for word; section 1 alone is watched.
  const Walked walked = walk(H + "\n1\n3\n1 2 1\n1\n3\n1 2 1\n2\n0\n\n");
  EXPECT_FALSE(walked.failure);
  const std::vector<std::string> expected = {"header 123456",    "start 1 line 4 case 1",
                                             "turn 0: 0",        "turn 1:",
                                             "turn 2: 1 3 4",    "turn 3: 2 5",
                                             "passed 1 moves 3", "start 2 line 7 case 1",
                                             "passed 2 moves 3", "start 3 line 10 case 2",
                                             "passed 3 moves 0"};
  EXPECT_EQ(walked.entries, expected);
}

struct Facts {
  const char* name;
  std::string submission;
  std::int32_t line;
  std::int64_t fileLine;
  std::optional<BadMove> badMove;
  std::optional<GridCell> unflooded;
};

TEST(FailureFacts, NameTheirLineMoveAndCell) {
  const Facts cases[] = {
      {"header", "123456\nbarvotok\n", 223, 2, {}, {}},
      {"section start", H + "\n\n9\n", 233, 5, {}, {}},
      {"count line", H + "1\n7\n", 154, 4, {}, {}},
      {"bad character on the move line", H + "1\n2\n2 x\n", 58, 5, {}, {}},
      {"bad colour", H + "2\n0\n\n1\n3\n2 0 1\n", 169, 8, BadMove{2, 0}, {}},
      {"unflooded", H + "1\n1\n2\n", 190, 5, {}, GridCell{2, 0}},
  };
  for (const Facts& c : cases) {
    const Walked walked = walk(c.submission);
    ASSERT_TRUE(walked.failure) << c.name;
    EXPECT_EQ(walked.failure->line, c.line) << c.name;
    EXPECT_EQ(walked.failure->facts.fileLine, c.fileLine) << c.name;
    EXPECT_EQ(walked.failure->facts.badMove.has_value(), c.badMove.has_value()) << c.name;
    if (c.badMove && walked.failure->facts.badMove) {
      EXPECT_EQ(walked.failure->facts.badMove->turn, c.badMove->turn) << c.name;
      EXPECT_EQ(walked.failure->facts.badMove->colour, c.badMove->colour) << c.name;
    }
    EXPECT_EQ(walked.failure->facts.unflooded.has_value(), c.unflooded.has_value()) << c.name;
    if (c.unflooded && walked.failure->facts.unflooded) {
      EXPECT_EQ(walked.failure->facts.unflooded->x, c.unflooded->x) << c.name;
      EXPECT_EQ(walked.failure->facts.unflooded->y, c.unflooded->y) << c.name;
    }
  }
}

TEST(FailureFacts, NameTheTestSetLine) {
  const std::string inputs[] = {"", "Barvotok\n2\n\n1\n3 2 2\n1 2 1\n2 2 x\n"};
  const std::int64_t lines[] = {1, 7};
  for (std::size_t i = 0; i < 2; ++i) {
    std::istringstream input(inputs[i]);
    TestSet testSet;
    try {
      readTestSet(input, testSet);
      ADD_FAILURE() << "no failure";
    } catch (const EAssertion& failure) {
      EXPECT_EQ(failure.facts.fileLine, lines[i]);
    }
  }
}

TEST(CheckTable, ListsEveryCheckOnceInLineOrder) {
  std::int32_t previous = 0;
  for (const CheckInfo& info : CHECKS) {
    EXPECT_LT(previous, checkLine(info.check));
    previous = checkLine(info.check);
  }
  EXPECT_EQ(std::size(CHECKS), 37u);
}

}  // namespace
