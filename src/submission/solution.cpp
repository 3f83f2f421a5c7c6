#include "solution.h"

#include <string>

#include "../check/assertion.h"
#include "../text/numbers.h"
#include "replay_failures.h"

void Solution::readAndCheck(std::istream& submission, LineCounter& lineCounter, std::int32_t testCaseNumber,
                            const TestCase& answered, WorkingGrids& grids, PassedSections* passed) {
  number = testCaseNumber;
  testCase = &answered;
  w = answered.w;
  h = answered.h;
  b = answered.b;
  moveCount = -1;
  readMoves(submission, lineCounter);
  if (passed == nullptr || !passed->contains(number, moves)) {
    replayMoves(grids);
    if (passed != nullptr) passed->remember(number, moves);
  }
  moveCount = static_cast<std::int32_t>(moves.size());
}

void Solution::readMoves(std::istream& submission, LineCounter& lineCounter) {
  std::string line;
  const bool hasCountLine = readLine(submission, line);
  ++lineCounter;
  if (!hasCountLine) failCheck(Check::MoveCountLineMissing, "manjka vrstica s stevilom barvotokov");
  parseNumbers(line, moves);
  if (moves.size() != 1) {
    failCheck(Check::MoveCountLineCount, "v vrstici za stevilo barvotok je " +
                                             toDecimal(static_cast<std::int64_t>(moves.size())) +
                                             " stevil, moralo bi biti eno");
  }
  const std::int32_t count = moves[0];
  const std::int32_t cellCount = h * w;
  if (count < 0 || count > cellCount) {
    failCheck(Check::MoveCountOutOfRange,
              "stevilo barvotokov mora biti od 0 do " + toDecimal(cellCount) + ", ne pa " + toDecimal(count));
  }

  const bool hasSequenceLine = readLine(submission, line);
  ++lineCounter;
  if (!hasSequenceLine) failCheck(Check::MoveLineMissing, "manjka vrstica z zaporedjem barvotokov");
  // The count is checked, so this is at most a cell a move; the moves go
  // straight into place.
  moves.resize(static_cast<std::size_t>(count));
  const std::size_t found = parseNumbersInto(line, moves);
  if (found != moves.size()) {
    failCheck(Check::MoveLineCount, "v vrstici z zaporedjem barvotokov je " +
                                        toDecimal(static_cast<std::int64_t>(found)) +
                                        " stevil, moralo bi jih biti " + toDecimal(count));
  }
}

// The final check counts the flooded cells; only a section that fails it
// looks for its first unflooded cell.
void Solution::replayMoves(WorkingGrids& grids) {
  FloodReplay& replay = grids.startSection(*testCase);
  cells = grids.sectionCells();
  std::int64_t turn = 0;
  for (const std::int32_t colour : moves) {
    ++turn;
    if (colour < 1 || colour > b) {
      failBadColour(static_cast<std::int32_t>(turn), b, colour);
    }
    replay.play(colour);
  }
  if (!replay.allFlooded()) {
    const GridCell unflooded = replay.firstUnflooded();
    failUnflooded(unflooded.x, unflooded.y);
  }
}

FloodCell& Solution::cell(std::int32_t x, std::int32_t y) {
  if (testCase == nullptr || x < 0 || y < 0) {
    failInternalCheck(Check::SolutionCellBelowGrid);
  }
  if (x >= testCase->w || y >= testCase->h) {
    failInternalCheck(Check::SolutionCellBeyondGrid);
  }
  return cells[static_cast<std::size_t>(framedIndex(testCase->w, x, y))];
}
