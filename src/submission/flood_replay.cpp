#include "flood_replay.h"

#include <algorithm>

void FloodReplay::begin(std::span<FloodCell> cells, std::int32_t w, std::int32_t h) {
  restore();
  cells_ = cells.data();
  cellCount_ = cells.size();
  if (logRoom_ < cells.size()) {
    log_.reset(new std::uint32_t[cells.size()]);  // uninitialised: every turn writes before it reads
    logRoom_ = cells.size();
  }
  w_ = w;
  h_ = h;
  stride_ = w + 2;
  turn_ = 0;
  largestGrid_ = std::max(largestGrid_, cells.size());
}

void FloodReplay::start(std::span<FloodCell> cells, const FirstFlood& first) {
  begin(cells, first.w, first.h);
  first_ = &first;
  flooded_ = first.floodedCount;
  for (std::int32_t colour = 0; colour <= MAX_COLOURS; ++colour) {
    firstWaiting_[static_cast<std::size_t>(colour)] =
        colour >= 1 && colour <= first.b ? first.waitingOf(colour) : std::span<const std::int32_t>();
  }
}

void FloodReplay::startFresh(std::span<FloodCell> cells, std::int32_t w, std::int32_t h, std::int32_t b) {
  (void)b;  // every list starts empty, whatever the colours
  begin(cells, w, h);
  const FloodCell colour = floodTopLeft();
  spread<true>(colour, 0);
  flooded_ = static_cast<std::int64_t>(logged_);
  endStep(0);
}

void FloodReplay::startUncounted(std::span<FloodCell> cells, std::int32_t w, std::int32_t h) {
  begin(cells, w, h);
  counted_.fill(0);
  const FloodCell colour = floodTopLeft();
  spread<false>(colour, 0);
  flooded_ = static_cast<std::int64_t>(logged_);
  endStep(0);
}

FloodCell FloodReplay::floodTopLeft() {
  first_ = nullptr;
  firstWaiting_.fill({});
  const std::int32_t topLeft = stride_ + 1;
  const FloodCell colour = cells_[topLeft];
  cells_[topLeft] = FLOODED;
  log_[logged_++] = logEntry(topLeft, colour);
  return colour;
}

void FloodReplay::floodWaiting(std::int32_t colour) {
  const std::size_t from = logged_;
  const auto k = static_cast<std::size_t>(colour);
  // The first flood's cells of this colour were waiting before the section
  // began, its own ones only since.
  takeWaiting(firstWaiting_[k], static_cast<FloodCell>(colour | QUEUED));
  firstWaiting_[k] = {};
  takeWaiting(waiting_[k], static_cast<FloodCell>(colour));
  waiting_[k].clear();
  spread<true>(static_cast<FloodCell>(colour), from);
  flooded_ += static_cast<std::int64_t>(logged_ - from);
  endStep(from);
}

void FloodReplay::takeWaiting(std::span<const std::int32_t> cells, FloodCell before) {
  const auto waitingValue = static_cast<FloodCell>(before | QUEUED);
  // Locals, since a store through the byte grid could alias the members.
  FloodCell* grid = cells_;
  std::uint32_t* log = log_.get();
  std::size_t logged = logged_;
  for (const std::int32_t index : cells) {
    FloodCell& cell = grid[index];
    // Only a waiting cell of this very colour may stand in its list.
    if (cell != waitingValue) failInternalCheck(Check::WaitingCellOutOfPlace);
    cell = FLOODED;
    log[logged++] = logEntry(index, before);
  }
  logged_ = logged;
}

// Floods through `colour` from the log's entries at `from` onward, breadth
// first and without recursion, and files (or only counts) every other
// unflooded neighbour it meets under its own colour.
template <bool FILING>
void FloodReplay::spread(FloodCell colour, std::size_t from) {
  FloodCell* const cells = cells_;
  std::uint32_t* const log = log_.get();
  std::size_t logged = logged_;
  const std::int32_t stride = stride_;
  // Always inline: left to the optimiser, the visit stays a call of its own
  // in some builds (the one-command -O2 build, WebAssembly), three times slower.
  const auto visit = [&](std::int32_t neighbour) __attribute__((always_inline)) {
    FloodCell& value = cells[neighbour];
    // Flooded or waiting already, the commonest case, costs one test.
    if (value >= QUEUED) return;
    if (value == colour) {
      value = FLOODED;
      log[logged++] = logEntry(neighbour, colour);
      return;
    }
    if constexpr (FILING) {
      waiting_[value].push_back(neighbour);
    } else {
      ++counted_[value];
    }
    value |= QUEUED;
  };
  // The four neighbours written out: a loop over an array of offsets kept
  // the array, and with it the loop's counter, in memory.
  for (std::size_t next = from; next < logged; ++next) {
    const std::int32_t index = loggedIndex(log[next]);
    visit(index + 1);
    visit(index - 1);
    visit(index - stride);
    visit(index + stride);
  }
  logged_ = logged;
}

// The log's entries from `from` on are exactly the cells that the step flooded.
void FloodReplay::endStep(std::size_t from) {
  if (recorder_ == nullptr) return;
  recorded_.clear();
  for (std::size_t at = from; at < logged_; ++at) {
    recorded_.push_back(unframedIndex(w_, loggedIndex(log_[at])));
  }
  recorder_->flooded(turn_, recorded_);
}

GridCell FloodReplay::firstUnflooded() const {
  for (std::int32_t y = 0; y < h_; ++y) {
    const FloodCell* row = cells_ + framedIndex(w_, 0, y);
    for (std::int32_t x = 0; x < w_; ++x) {
      if (row[x] != FLOODED) return {x, y};
    }
  }
  // The count said a cell was left: the replay lost track of its cells.
  failInternalCheck(Check::WaitingCellOutOfPlace);
}

void FloodReplay::restore() {
  if (first_ != nullptr) {
    std::size_t changed = logged_;
    for (const auto& list : waiting_) changed += list.size();
    if (changed > cellCount_ / 8) {
      std::copy(first_->cells.begin(), first_->cells.end(), cells_);
    } else {
      for (std::size_t at = 0; at < logged_; ++at) cells_[loggedIndex(log_[at])] = loggedValue(log_[at]);
      // Cells that still wait were met by this section: they had no mark.
      for (const auto& list : waiting_) {
        for (const std::int32_t index : list) cells_[index] &= static_cast<FloodCell>(~QUEUED);
      }
    }
  }
  first_ = nullptr;
  cells_ = nullptr;
  logged_ = 0;
  for (auto& list : waiting_) list.clear();
  keepStorageBounded();
}

// The lists keep their storage, so that sections allocate nothing, but not
// without bound: kept, every colour's list would hold the largest size it
// ever reached, and many grids' worth would pile up between them. (Their
// sizes add up to at most a grid.)
void FloodReplay::keepStorageBounded() {
  std::size_t kept = 0;
  for (const auto& list : waiting_) kept += list.capacity();
  if (kept <= 2 * largestGrid_) return;
  constexpr std::size_t SMALL = 4096;
  for (auto& list : waiting_) {
    if (list.capacity() > SMALL) list = std::vector<std::int32_t>();
  }
}
