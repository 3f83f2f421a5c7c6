#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "submission/solution.h"
#include "support/failure_matchers.h"

namespace {

// The working cells of a section are reachable only inside its grid; any
// other request is the evaluator's own fault, not the contestant's.
TEST(SolutionCell, OutsideTheGridIsAnInternalFault) {
  const std::string internal(UNEXPECTED_ERROR_MESSAGE);
  Solution empty;
  EXPECT_TRUE(RaisesAssertion([&] { empty.cell(0, 0); }, 141, internal));

  TestCase testCase{1, 3, 2, 2, {1, 2, 1, 2, 2, 1}};
  std::istringstream section("1\n2\n");
  LineCounter lineCounter = 3;
  WorkingGrids grids;
  Solution solution;
  EXPECT_TRUE(RaisesAssertion([&] { solution.readAndCheck(section, lineCounter, 1, testCase, grids); }, 190,
                              "na koncu barvanj je 3. celica v 1. vrstici druge barve kot tista v zgornjem "
                              "levem kotu mreze"));
  EXPECT_EQ(lineCounter, 5);
  EXPECT_EQ(solution.moveCount, -1);  // a section that fails has no result
  EXPECT_EQ(solution.cell(1, 1), FLOODED);
  EXPECT_NE(solution.cell(2, 0), FLOODED);
  EXPECT_TRUE(RaisesAssertion([&] { solution.cell(-1, 0); }, 141, internal));
  EXPECT_TRUE(RaisesAssertion([&] { solution.cell(0, -1); }, 141, internal));
  EXPECT_TRUE(RaisesAssertion([&] { solution.cell(3, 0); }, 142, internal));
  EXPECT_TRUE(RaisesAssertion([&] { solution.cell(0, 2); }, 142, internal));
}

}  // namespace
