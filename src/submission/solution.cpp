#include "solution.h"

#include <string>

#include "../check/assertion.h"
#include "../text/numbers.h"
#include "replay_failures.h"

void Solution::readAndCheck(std::istream& submission, LineCounter& lineCounter, std::int32_t testCaseNumber,
                            const TestCase& answered, FloodReplay& replay, PassedSections* passed) {
  number = testCaseNumber;
  testCase = &answered;
  w = answered.w;
  h = answered.h;
  b = answered.b;
  moveCount = -1;
  readMoves(submission, lineCounter);
  if (passed == nullptr || !passed->contains(number, moves)) {
    copyGrid();
    replayMoves(replay);
    checkFlooded();
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
  parseNumbers(line, moves);
  if (moves.size() != static_cast<std::size_t>(count)) {
    failCheck(Check::MoveLineCount, "v vrstici z zaporedjem barvotokov je " +
                                        toDecimal(static_cast<std::int64_t>(moves.size())) +
                                        " stevil, moralo bi jih biti " + toDecimal(count));
  }
}

void Solution::copyGrid() {
  const auto stride = static_cast<std::size_t>(w) + 2;
  cells.assign(stride * (static_cast<std::size_t>(h) + 2), FloodReplay::FLOODED);
  for (std::int32_t y = 0; y < h; ++y) {
    const auto from = testCase->cells.begin() + static_cast<std::ptrdiff_t>(y) * w;
    std::copy(from, from + w, cells.begin() + static_cast<std::ptrdiff_t>((y + 1) * stride + 1));
  }
}

void Solution::replayMoves(FloodReplay& replay) {
  replay.start(cells, w, b);
  std::int64_t turn = 0;
  for (const std::int32_t colour : moves) {
    ++turn;
    if (colour < 1 || colour > b) {
      failBadColour(static_cast<std::int32_t>(turn), b, colour);
    }
    replay.play(colour);
  }
}

void Solution::checkFlooded() {
  const std::int32_t topLeft = cell(0, 0);
  // The rows are compared in place, as this loop stays inside the grid by
  // itself: a checked read per cell was a tenth of a short section's time.
  const auto stride = static_cast<std::size_t>(w) + 2;
  for (std::int32_t y = 0; y < h; ++y) {
    const std::int32_t* row = cells.data() + (static_cast<std::size_t>(y) + 1) * stride + 1;
    for (std::int32_t x = 0; x < w; ++x) {
      if (row[x] != topLeft) {
        failUnflooded(x, y);
      }
    }
  }
}

std::int32_t& Solution::cell(std::int32_t x, std::int32_t y) {
  if (testCase == nullptr || x < 0 || y < 0) {
    failInternalCheck(Check::SolutionCellBelowGrid);
  }
  if (x >= testCase->w || y >= testCase->h) {
    failInternalCheck(Check::SolutionCellBeyondGrid);
  }
  const auto stride = static_cast<std::size_t>(testCase->w) + 2;
  return cells[(static_cast<std::size_t>(y) + 1) * stride + static_cast<std::size_t>(x) + 1];
}
