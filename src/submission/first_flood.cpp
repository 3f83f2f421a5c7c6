#include "first_flood.h"

#include "flood_replay.h"

FirstFlood computeFirstFlood(const TestCase& testCase, FloodRecorder* recorder) {
  FirstFlood first;
  first.w = testCase.w;
  first.h = testCase.h;
  first.b = testCase.b;
  first.cells = framedGrid(testCase);

  FloodReplay replay;
  replay.record(recorder);
  replay.startUncounted(first.cells, testCase.w, testCase.h);
  first.floodedCount = replay.floodedCount();
  // The waiting cells are filed in reading order rather than in the order
  // the flood met them, which on a long border jumps from row to row: every
  // section that takes a list then walks the grid forward.
  first.waitingStart.assign(static_cast<std::size_t>(testCase.b) + 2, 0);
  std::vector<std::int32_t> next(static_cast<std::size_t>(testCase.b) + 1, 0);
  std::int32_t total = 0;
  for (std::int32_t colour = 1; colour <= testCase.b; ++colour) {
    first.waitingStart[static_cast<std::size_t>(colour)] = total;
    next[static_cast<std::size_t>(colour)] = total;
    total += replay.waitingCount(colour);
  }
  first.waitingStart.back() = total;
  first.waiting.resize(static_cast<std::size_t>(total));
  for (std::size_t index = 0; index < first.cells.size(); ++index) {
    const FloodCell cell = first.cells[index];
    if (cell != FLOODED && (cell & QUEUED) != 0) {
      first.waiting[static_cast<std::size_t>(next[cell & ~QUEUED]++)] = static_cast<std::int32_t>(index);
    }
  }
  return first;
}
