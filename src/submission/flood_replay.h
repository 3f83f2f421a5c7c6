#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "../check/assertion.h"
#include "first_flood.h"
#include "flood_recorder.h"
#include "framed_grid.h"

// Plays moves on a framed working grid so that a move costs O(1) plus the
// cells it floods, whatever the size of the region's border.
//
// For every colour k the replay keeps the unflooded cells of colour k that
// touch the region; such a cell is entered once and carries QUEUED while it
// waits. A section starts from its test case's first flood, whose lists it
// reads in place, and logs every cell it changes, so that restore() puts
// exactly those back: nothing of the grid's size is copied or scanned per
// section, and the cells are counted as they flood.
//
// One replay serves many sections in turn; its lists and its log keep their
// storage from section to section, up to a few times the largest grid.
// A section that changed a large part of its grid is put back by copying
// the first flood's cells whole, which then costs less than its log.
class FloodReplay {
 public:
  // Starts a section on `cells`, a working grid holding exactly `first`'s
  // cells. Both must stay until restore().
  void start(std::span<FloodCell> cells, const FirstFlood& first);

  // Starts on `cells`, a framed grid of colours 1 ... b with nothing flooded
  // but the frame (framedGrid), and floods the top-left cell's area as
  // turn 0. There is no first flood to restore to: restore() only forgets.
  void startFresh(std::span<FloodCell> cells, std::int32_t w, std::int32_t h, std::int32_t b);

  // Plays one move of a colour in 1 ... b. Inline, so that a move that
  // floods nothing, as every idle move does, costs two looks at its lists.
  void play(std::int32_t colour) {
    ++turn_;
    const auto k = static_cast<std::size_t>(colour);
    if (!firstWaiting_[k].empty() || !waiting_[k].empty()) {
      floodWaiting(colour);
    } else if (recorder_ != nullptr) {
      recorder_->flooded(turn_, {});
    }
  }

  bool allFlooded() const { return flooded_ == std::int64_t{w_} * h_; }
  // The first unflooded cell in reading order; only a failing section asks,
  // so this one scans the grid.
  GridCell firstUnflooded() const;

  // Gives every cell that the section changed its value from the first flood
  // back, and empties the lists.
  void restore();

  // Tells `recorder` (or nobody, with nullptr) what every later step floods.
  void record(FloodRecorder* recorder) { recorder_ = recorder; }

  // Floods the top-left cell's area of `cells` as startFresh does, but only
  // marks the cells that then wait, without filing them: a replay that
  // goes on from there cannot play moves, only count.
  void startUncounted(std::span<FloodCell> cells, std::int32_t w, std::int32_t h);

  // After startUncounted: how many cells of `colour` wait at the region's
  // border. After either start: the cells flooded so far.
  std::int32_t waitingCount(std::int32_t colour) const { return counted_[static_cast<std::size_t>(colour)]; }
  std::int64_t floodedCount() const { return flooded_; }

 private:
  void begin(std::span<FloodCell> cells, std::int32_t w, std::int32_t h);
  void floodWaiting(std::int32_t colour);
  void takeWaiting(std::span<const std::int32_t> cells, FloodCell before);
  FloodCell floodTopLeft();  // returns the colour it had
  template <bool FILING>
  void spread(FloodCell colour, std::size_t from);
  void endStep(std::size_t from);
  void keepStorageBounded();

  FloodCell* cells_ = nullptr;
  const FirstFlood* first_ = nullptr;  // nullptr after startFresh
  std::int32_t w_ = 0;
  std::int32_t h_ = 0;
  std::int32_t stride_ = 0;
  std::int32_t turn_ = 0;
  std::int64_t flooded_ = 0;
  std::size_t cellCount_ = 0;    // framed cells of the grid
  std::size_t largestGrid_ = 0;  // framed cells of the largest grid so far
  // The first flood's lists, read in place until their colour is played.
  std::array<std::span<const std::int32_t>, MAX_COLOURS + 1> firstWaiting_{};
  // The cells that this section's own steps met, by colour.
  std::array<std::vector<std::int32_t>, MAX_COLOURS + 1> waiting_;
  std::array<std::int32_t, MAX_COLOURS + 1> counted_{};  // instead of waiting_, by startUncounted
  // Every cell this section flooded, step after step, with its value from
  // before the section beside its framed index (below 2^20 for any grid):
  // the work list of each step is its tail, and restore() reads it whole
  // without looking the values up.
  static constexpr int VALUE_SHIFT = 24;
  static std::uint32_t logEntry(std::int32_t index, FloodCell before) {
    return static_cast<std::uint32_t>(index) | static_cast<std::uint32_t>(before) << VALUE_SHIFT;
  }
  static std::int32_t loggedIndex(std::uint32_t entry) {
    return static_cast<std::int32_t>(entry & ((std::uint32_t{1} << VALUE_SHIFT) - 1));
  }
  static FloodCell loggedValue(std::uint32_t entry) { return static_cast<FloodCell>(entry >> VALUE_SHIFT); }
  // Room for every cell of the largest grid so far, as a section floods each
  // at most once; `logged_` entries are in use. Its pages are touched only
  // as far as sections reach.
  std::unique_ptr<std::uint32_t[]> log_;
  std::size_t logRoom_ = 0;
  std::size_t logged_ = 0;
  FloodRecorder* recorder_ = nullptr;
  std::vector<std::int32_t> recorded_;  // the step's cells as unframed indices
};
