// The replay against a deliberately naive model of the game: after every move
// the model recolours the whole region and finds it again by a flood from the
// top-left cell. Thousands of random small grids and move lists (no-op moves,
// repeated colours, bad colours, solving and nearly solving sequences) must
// give the same verdict both ways: the pass with its move count, the first bad
// move (check line 169) or the first unflooded cell (check line 190). Every
// section starts from its test case's first flood on a grid that the section
// before it changed and put back, so sections share test cases in every order,
// and whole evaluations share first floods across threads.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "check/assertion.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"
#include "submission/solution.h"
#include "submission/working_grids.h"
#include "testset/test_case.h"

namespace {

struct Verdict {
  std::int32_t checkLine = 0;  // 0: the section passed
  std::string message;
  std::int32_t moveCount = -1;
  bool operator==(const Verdict&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Verdict& verdict) {
  return out << "{" << verdict.checkLine << ", \"" << verdict.message << "\", " << verdict.moveCount << "}";
}

// The cells connected to the top-left cell through cells of its colour.
std::vector<bool> regionOf(const std::vector<std::int32_t>& colours, std::int32_t w, std::int32_t h) {
  std::vector<bool> inRegion(colours.size(), false);
  std::vector<std::int32_t> pending{0};
  inRegion[0] = true;
  while (!pending.empty()) {
    const std::int32_t index = pending.back();
    pending.pop_back();
    const std::int32_t x = index % w;
    const std::int32_t y = index / w;
    const std::int32_t neighbours[4][2] = {{x + 1, y}, {x - 1, y}, {x, y - 1}, {x, y + 1}};
    for (const auto& [nx, ny] : neighbours) {
      if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
      const std::int32_t next = ny * w + nx;
      if (!inRegion[next] && colours[next] == colours[0]) {
        inRegion[next] = true;
        pending.push_back(next);
      }
    }
  }
  return inRegion;
}

Verdict naiveVerdict(const TestCase& testCase, const std::vector<std::int32_t>& moves) {
  std::vector<std::int32_t> colours = testCase.cells;
  for (std::size_t s = 0; s < moves.size(); ++s) {
    const std::int32_t colour = moves[s];
    if (colour < 1 || colour > testCase.b) {
      return {169, std::to_string(s + 1) + ". barvanje bi moralo biti od 1 do " + std::to_string(testCase.b) +
                       ", ne pa " + std::to_string(colour)};
    }
    const std::vector<bool> region = regionOf(colours, testCase.w, testCase.h);
    for (std::size_t i = 0; i < colours.size(); ++i) {
      if (region[i]) colours[i] = colour;
    }
  }
  const std::vector<bool> region = regionOf(colours, testCase.w, testCase.h);
  for (std::int32_t y = 0; y < testCase.h; ++y) {
    for (std::int32_t x = 0; x < testCase.w; ++x) {
      if (!region[y * testCase.w + x]) {
        return {190, "na koncu barvanj je " + std::to_string(x + 1) + ". celica v " + std::to_string(y + 1) +
                         ". vrstici druge barve kot tista v zgornjem levem kotu mreze"};
      }
    }
  }
  return {0, "", static_cast<std::int32_t>(moves.size())};
}

// The product's verdict, the section's two lines read from a stream as in a
// real run; one set of working grids serves every section, as in a run.
Verdict productVerdict(const TestCase& testCase, const std::vector<std::int32_t>& moves,
                       WorkingGrids& grids) {
  std::string section = std::to_string(moves.size()) + "\n";
  for (const std::int32_t colour : moves) section += std::to_string(colour) + " ";
  section += "\n";
  std::istringstream submission(section);
  LineCounter lineCounter = 3;
  Solution solution;
  try {
    solution.readAndCheck(submission, lineCounter, testCase.number, testCase, grids);
    return {0, "", solution.moveCount};
  } catch (const EAssertion& failure) {
    EXPECT_EQ(solution.moveCount, -1) << "a failed section keeps moveCount -1";
    return {failure.line, failure.message};
  }
}

class RandomSections {
 public:
  explicit RandomSections(std::uint32_t seed) : random_(seed) {}

  TestCase grid() {
    TestCase testCase;
    testCase.number = 1;
    const bool large = below(100) < 15;
    testCase.w = between(1, large ? 16 : 6);
    testCase.h = between(1, large ? 16 : 6);
    testCase.b = between(1, 6);
    testCase.cells.resize(static_cast<std::size_t>(testCase.w * testCase.h));
    for (auto& cell : testCase.cells) cell = between(1, testCase.b);
    return testCase;
  }

  // A comb: the top row and every third column in colour 1, the cells
  // between the teeth in random other colours. Its first flood fills the
  // comb, and the colour lists take the rest of the grid, so they outgrow
  // the storage that the replay keeps from section to section.
  TestCase combGrid() {
    TestCase testCase;
    testCase.number = 1;
    testCase.w = between(100, 150);
    testCase.h = between(100, 150);
    testCase.b = between(2, 4);
    testCase.cells.resize(static_cast<std::size_t>(testCase.w * testCase.h));
    for (std::int32_t y = 0; y < testCase.h; ++y) {
      for (std::int32_t x = 0; x < testCase.w; ++x) {
        testCase.cells[static_cast<std::size_t>(y * testCase.w + x)] =
            y == 0 || x % 3 == 0 ? 1 : between(2, testCase.b);
      }
    }
    return testCase;
  }

  // Each move takes the colour of a random cell outside the region, now and
  // then repeating the region's own colour (a move that floods nothing).
  std::vector<std::int32_t> solvingMoves(const TestCase& testCase) {
    std::vector<std::int32_t> colours = testCase.cells;
    std::vector<std::int32_t> moves;
    while (true) {
      const std::vector<bool> region = regionOf(colours, testCase.w, testCase.h);
      std::vector<std::int32_t> outside;
      for (std::size_t i = 0; i < region.size(); ++i) {
        if (!region[i]) outside.push_back(colours[i]);
      }
      if (outside.empty()) return moves;
      const std::int32_t colour =
          below(6) == 0 ? colours[0] : outside[below(static_cast<std::int32_t>(outside.size()))];
      moves.push_back(colour);
      for (std::size_t i = 0; i < region.size(); ++i) {
        if (region[i]) colours[i] = colour;
      }
    }
  }

  // Half the sections are random colours; the other half follow a solving
  // sequence, some with a no-op move, a bad colour or a missing last move.
  std::vector<std::int32_t> moves(const TestCase& testCase) {
    const std::int32_t cellCount = testCase.w * testCase.h;
    std::vector<std::int32_t> moves = below(2) == 0 ? randomMoves(testCase) : solvingMoves(testCase);
    if (moves.size() > static_cast<std::size_t>(cellCount)) moves.resize(static_cast<std::size_t>(cellCount));
    if (!moves.empty() && below(8) == 0) moves.pop_back();
    if (!moves.empty() && below(8) == 0)
      moves[below(static_cast<std::int32_t>(moves.size()))] = badColour(testCase);
    return moves;
  }

 private:
  std::int32_t between(std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low, high)(random_);
  }
  std::int32_t below(std::int32_t bound) { return between(0, bound - 1); }

  std::int32_t badColour(const TestCase& testCase) {
    const std::int32_t choices[] = {0, testCase.b + 1, 101, 2147483647};
    return choices[below(4)];
  }

  std::vector<std::int32_t> randomMoves(const TestCase& testCase) {
    std::vector<std::int32_t> moves(
        static_cast<std::size_t>(below(std::min(testCase.w * testCase.h, 12) + 1)));
    for (auto& move : moves) move = below(40) == 0 ? badColour(testCase) : between(1, testCase.b);
    return moves;
  }

  std::mt19937 random_;
};

TEST(ReplayDifferential, AgreesWithTheNaiveModelOnRandomSections) {
  RandomSections sections(20240611);
  std::deque<TestCase> testSet;  // the grids keep their places, as a test set's do
  WorkingGrids grids;
  int passed = 0;
  int badMoves = 0;
  int unflooded = 0;
  for (int round = 0; round < 20000; ++round) {
    const TestCase& testCase = testSet.emplace_back(sections.grid());
    const std::vector<std::int32_t> moves = sections.moves(testCase);
    const Verdict expected = naiveVerdict(testCase, moves);
    const Verdict actual = productVerdict(testCase, moves, grids);
    ASSERT_EQ(actual, expected) << "round " << round << ", w " << testCase.w << ", h " << testCase.h << ", b "
                                << testCase.b << ", " << moves.size() << " moves";
    passed += expected.checkLine == 0;
    badMoves += expected.checkLine == 169;
    unflooded += expected.checkLine == 190;
  }
  // Every kind of verdict must be common, or the comparison proves little.
  EXPECT_GT(passed, 2000);
  EXPECT_GT(badMoves, 2000);
  EXPECT_GT(unflooded, 2000);
}

// Sections of large grids, whose lists the replay lets go, between sections
// of small grids, whose lists it keeps, all through one replay.
TEST(ReplayDifferential, AgreesAcrossLargeAndSmallSections) {
  RandomSections sections(7);
  std::deque<TestCase> testSet;
  WorkingGrids grids;
  for (int round = 0; round < 60; ++round) {
    const TestCase& testCase = testSet.emplace_back(round % 2 == 0 ? sections.combGrid() : sections.grid());
    const std::vector<std::int32_t> moves = sections.moves(testCase);
    ASSERT_EQ(productVerdict(testCase, moves, grids), naiveVerdict(testCase, moves))
        << "round " << round << ", w " << testCase.w << ", h " << testCase.h << ", b " << testCase.b << ", "
        << moves.size() << " moves";
  }
}

// A few test cases, more than the grids kept at once, answered in a random
// order: a cell that a section left changed, or put back wrongly, shows in a
// later section's verdict. Failing sections (whose replay stops half way)
// come between the passing ones.
TEST(ReplayDifferential, SectionsSharingTestCasesInAnyOrder) {
  RandomSections sections(99);
  struct Answered {
    TestCase testCase;
    std::vector<std::vector<std::int32_t>> moves;
    std::vector<Verdict> verdicts;
  };
  std::deque<Answered> testSet;
  for (int i = 0; i < 7; ++i) {
    Answered& answered = testSet.emplace_back();
    answered.testCase = i == 0 ? sections.combGrid() : sections.grid();
    for (int section = 0; section < 30; ++section) {
      answered.moves.push_back(sections.moves(answered.testCase));
      answered.verdicts.push_back(naiveVerdict(answered.testCase, answered.moves.back()));
    }
  }
  std::mt19937 order(5);
  WorkingGrids grids;
  for (int round = 0; round < 5000; ++round) {
    const Answered& answered = testSet[order() % testSet.size()];
    const std::size_t section = order() % answered.moves.size();
    ASSERT_EQ(productVerdict(answered.testCase, answered.moves[section], grids), answered.verdicts[section])
        << "round " << round << ", w " << answered.testCase.w << ", h " << answered.testCase.h;
  }
}

// A section that leaves cells unflooded after sections that flooded them all
// must name its own first unflooded cell, not find the grid as they left it.
TEST(ReplayDifferential, FailingSectionsAfterPassingOnesNameTheirFirstUnfloodedCell) {
  RandomSections sections(3);
  std::deque<TestCase> testSet;
  WorkingGrids grids;
  std::mt19937 cut(8);
  int unflooded = 0;
  for (int round = 0; round < 400; ++round) {
    const TestCase& testCase = testSet.emplace_back(round % 10 == 0 ? sections.combGrid() : sections.grid());
    const std::vector<std::int32_t> moves = sections.solvingMoves(testCase);
    if (moves.size() > testCase.cells.size()) continue;  // too many for a section
    for (int repeat = 0; repeat < 2; ++repeat) {
      ASSERT_EQ(productVerdict(testCase, moves, grids).checkLine, 0) << "round " << round;
    }
    for (const std::size_t dropped : {std::size_t{1}, std::size_t{2}, cut() % (moves.size() + 1)}) {
      const std::vector<std::int32_t> prefix(
          moves.begin(), moves.end() - static_cast<std::ptrdiff_t>(std::min(dropped, moves.size())));
      const Verdict expected = naiveVerdict(testCase, prefix);
      ASSERT_EQ(productVerdict(testCase, prefix, grids), expected) << "round " << round;
      unflooded += expected.checkLine == 190;
    }
  }
  EXPECT_GT(unflooded, 600);
}

// Whole submissions over one test set, evaluated on several threads at once
// with first floods shared among them (kept all, or so few that threads let
// go and compute them again while others use them), give the reports that
// one thread gives evaluating each alone.
TEST(ReplayDifferential, ThreadsSharingFirstFloodsGiveTheSameReports) {
  RandomSections sections(17);
  TestSet testSet;
  for (std::int32_t number = 1; number <= 6; ++number) {
    testSet.push_back(number % 2 == 0 ? sections.combGrid() : sections.grid());
    testSet.back().number = number;
  }
  // A few answers per test case, made distinct by trailing idle moves.
  std::vector<std::vector<std::vector<std::int32_t>>> answers(testSet.size());
  for (std::size_t at = 0; at < testSet.size(); ++at) {
    while (answers[at].size() < 3) {
      std::vector<std::int32_t> moves = sections.solvingMoves(testSet[at]);
      if (moves.size() < testSet[at].cells.size()) answers[at].push_back(moves);
    }
  }
  std::mt19937 choice(23);
  std::vector<std::string> submissions;
  for (int i = 0; i < 24; ++i) {
    std::string text = "123456\nBarvotok\n";
    for (int section = 0; section < 40; ++section) {
      const std::size_t at = choice() % testSet.size();
      std::vector<std::int32_t> moves = answers[at][choice() % answers[at].size()];
      if (!moves.empty() && choice() % 2 == 0) moves.push_back(moves.back());
      text += std::to_string(testSet[at].number) + "\n" + std::to_string(moves.size()) + "\n";
      for (const std::int32_t colour : moves) text += std::to_string(colour) + " ";
      text += "\n";
    }
    if (i % 3 == 0) text += "2\n0\n\n";  // fails: no moves leave grid 2 unflooded
    submissions.push_back(text);
  }
  const auto reportOfSubmission = [&](const std::string& text, FirstFloods* shared) {
    std::istringstream submission(text);
    return reportOf(outcomeOf([&] {
      return shared != nullptr ? evaluateSubmission(testSet, *shared, submission)
                               : evaluateSubmission(testSet, submission);
    }));
  };
  std::vector<std::string> alone;
  for (const std::string& text : submissions) alone.push_back(reportOfSubmission(text, nullptr));

  for (const std::size_t keptBytes : {FirstFloods::KEEP_ALL, std::size_t{30000}}) {
    FirstFloods shared(keptBytes);
    std::vector<std::string> together(submissions.size());
    std::vector<std::thread> threads;
    constexpr std::size_t THREADS = 4;
    for (std::size_t thread = 0; thread < THREADS; ++thread) {
      threads.emplace_back([&, thread] {
        for (std::size_t i = thread; i < submissions.size(); i += THREADS) {
          together[i] = reportOfSubmission(submissions[i], &shared);
        }
      });
    }
    for (std::thread& thread : threads) thread.join();
    for (std::size_t i = 0; i < submissions.size(); ++i) {
      EXPECT_EQ(together[i], alone[i]) << "submission " << i << ", kept bytes " << keptBytes;
    }
  }
  EXPECT_EQ(alone[0].substr(0, 12), "Napaka [Zvn2");
  EXPECT_EQ(alone[1].substr(0, 6), "OK\n40\n");
}

}  // namespace
