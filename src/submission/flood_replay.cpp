#include "flood_replay.h"

#include <string>

#include "../check/assertion.h"

namespace {

// Lists keep small storage from section to section, so that many small
// sections allocate nothing, but not large: kept, every colour's list would
// hold the largest size it ever reached, and sections of different grids
// would pile up many grids' worth between them.
void emptyKeepingSmallStorage(std::vector<std::int32_t>& list) {
  constexpr std::size_t KEPT_CAPACITY = 4096;
  if (list.capacity() > KEPT_CAPACITY) {
    list = std::vector<std::int32_t>();
  } else {
    list.clear();
  }
}

}  // namespace

void FloodReplay::start(std::vector<std::int32_t>& framedCells, std::int32_t w, std::int32_t b) {
  cells_ = &framedCells;
  stride_ = w + 2;
  w_ = w;
  turn_ = 0;
  if (boundary_.size() < static_cast<std::size_t>(b) + 1) boundary_.resize(static_cast<std::size_t>(b) + 1);
  for (auto& list : boundary_) emptyKeepingSmallStorage(list);
  emptyKeepingSmallStorage(work_);

  const std::int32_t topLeft = stride_ + 1;
  std::int32_t& first = framedCells[static_cast<std::size_t>(topLeft)];
  const std::int32_t colour = first;
  first = FLOODED;
  work_.assign(1, topLeft);
  spread(colour);
  endStep();
}

void FloodReplay::floodWaiting(std::int32_t colour) {
  std::vector<std::int32_t>& waiting = boundary_[static_cast<std::size_t>(colour)];
  work_.swap(waiting);
  waiting.clear();
  std::vector<std::int32_t>& cells = *cells_;
  for (const std::int32_t index : work_) {
    std::int32_t& cell = cells[static_cast<std::size_t>(index)];
    // Only a waiting cell of this very colour may stand in its list.
    if (cell != (colour | QUEUED)) failInternalCheck(Check::WaitingCellOutOfPlace);
    cell = FLOODED;
  }
  spread(colour);
  endStep();
}

// Floods through `colour` from the cells in the work list, breadth first and
// without recursion, and files every other unflooded neighbour it meets
// under its own colour.
void FloodReplay::spread(std::int32_t colour) {
  std::vector<std::int32_t>& cells = *cells_;
  const std::int32_t offsets[4] = {1, -1, -stride_, stride_};
  for (std::size_t next = 0; next < work_.size(); ++next) {
    const std::int32_t index = work_[next];
    for (const std::int32_t offset : offsets) {
      const std::int32_t neighbour = index + offset;
      std::int32_t& value = cells[static_cast<std::size_t>(neighbour)];
      if (value == colour) {
        value = FLOODED;
        work_.push_back(neighbour);
      } else if (value > 0 && value < QUEUED) {
        boundary_[static_cast<std::size_t>(value)].push_back(neighbour);
        value |= QUEUED;
      }
    }
  }
}

// The work list now holds exactly the cells that the step flooded.
void FloodReplay::endStep() {
  if (recorder_ != nullptr) {
    recorded_.clear();
    for (const std::int32_t index : work_)
      recorded_.push_back((index / stride_ - 1) * w_ + index % stride_ - 1);
    recorder_->flooded(turn_, recorded_);
  }
  work_.clear();
}
