#include "working_grids.h"

#include <algorithm>

WorkingGrids::WorkingGrids()
    : own_(std::make_unique<FirstFloods>(FirstFloods::KEEP_NEWEST)), firstFloods_(*own_) {}

WorkingGrids::WorkingGrids(FirstFloods& shared) : firstFloods_(shared) {}

void WorkingGrids::record(FloodRecorder* recorder) {
  recorder_ = recorder;
  replay_.record(recorder);
}

FloodReplay& WorkingGrids::startSection(const TestCase& testCase) {
  // First of all, so that no grid is let go with cells still changed.
  replay_.restore();
  ++sections_;
  if (recorder_ != nullptr) {
    watched_.testCase = &testCase;
    watched_.first = std::make_shared<const FirstFlood>(computeFirstFlood(testCase, recorder_));
    watched_.cells = watched_.first->cells;
    current_ = &watched_;
  } else {
    watched_ = Grid();
    current_ = &gridOf(testCase);
  }
  current_->lastUsed = sections_;
  replay_.start(current_->cells, *current_->first);
  return replay_;
}

WorkingGrids::Grid& WorkingGrids::gridOf(const TestCase& testCase) {
  for (const auto& grid : grids_) {
    if (grid->testCase == &testCase) return *grid;
  }
  // Room first, so that the grids let go release their first floods too
  // before another is computed.
  makeRoomFor((static_cast<std::size_t>(testCase.w) + 2) * (static_cast<std::size_t>(testCase.h) + 2));
  std::shared_ptr<const FirstFlood> first = firstFloods_.of(testCase);
  auto grid = std::make_unique<Grid>();
  grid->testCase = &testCase;
  grid->cells = first->cells;
  grid->first = std::move(first);
  grids_.push_back(std::move(grid));
  return *grids_.back();
}

// Lets the least recently used grids go until one of `cells` fits.
void WorkingGrids::makeRoomFor(std::size_t cells) {
  const auto total = [&] {
    std::size_t sum = cells;
    for (const auto& grid : grids_) sum += grid->cells.size();
    return sum;
  };
  while (!grids_.empty() && (grids_.size() >= MAX_GRIDS || total() > MAX_CELLS)) {
    const auto oldest = std::min_element(
        grids_.begin(), grids_.end(), [](const auto& a, const auto& b) { return a->lastUsed < b->lastUsed; });
    grids_.erase(oldest);
  }
}
