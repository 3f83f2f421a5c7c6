// The replay against a deliberately naive model of the game: after every move
// the model recolours the whole region and finds it again by a flood from the
// top-left cell. Thousands of random small grids and move lists (no-op moves,
// repeated colours, bad colours, solving and nearly solving sequences) must
// give the same verdict both ways: the pass with its move count, the first bad
// move (check line 169) or the first unflooded cell (check line 190).
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "check/assertion.h"
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

}  // namespace
