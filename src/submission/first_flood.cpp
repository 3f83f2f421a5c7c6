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
  replay.startFresh(first.cells, testCase.w, testCase.h, testCase.b);
  first.floodedCount = replay.floodedCount();
  first.waitingStart.assign(static_cast<std::size_t>(testCase.b) + 2, 0);
  std::size_t waitingCount = 0;
  for (std::int32_t colour = 1; colour <= testCase.b; ++colour)
    waitingCount += replay.waitingOf(colour).size();
  first.waiting.reserve(waitingCount);
  for (std::int32_t colour = 1; colour <= testCase.b; ++colour) {
    const std::vector<std::int32_t>& waiting = replay.waitingOf(colour);
    first.waitingStart[static_cast<std::size_t>(colour)] = static_cast<std::int32_t>(first.waiting.size());
    first.waiting.insert(first.waiting.end(), waiting.begin(), waiting.end());
  }
  first.waitingStart.back() = static_cast<std::int32_t>(first.waiting.size());
  // Forgets the lists without touching the cells, which stay as flooded.
  replay.restore();
  return first;
}
