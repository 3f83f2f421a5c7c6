#pragma once

#include <cstdint>
#include <vector>

#include "flood_recorder.h"

// Plays moves on a working grid so that a move costs O(1) plus the cells it
// floods, whatever the size of the region's border.
//
// The grid is framed: it has w + 2 columns and h + 2 rows, the outer frame
// being flooded from the start, so that no neighbour needs a bounds test. A
// flooded cell holds FLOODED. For every colour k the replay keeps the
// unflooded cells of colour k that touch the region; such a cell is entered
// once and carries QUEUED on top of its colour while it waits.
//
// One replay serves many sections in turn: its lists keep their storage
// while it is small, and let large storage go when a new section starts.
class FloodReplay {
 public:
  static constexpr std::int32_t FLOODED = -1;
  static constexpr std::int32_t QUEUED = std::int32_t{1} << 30;

  // Takes the framed grid of a section whose colours are 1 ... b and floods
  // the area of the top-left cell's colour.
  void start(std::vector<std::int32_t>& framedCells, std::int32_t w, std::int32_t b);

  // Plays one move of a colour in 1 ... b. Inline, so that a move that
  // floods nothing, as every idle move does, costs one look at its list.
  void play(std::int32_t colour) {
    ++turn_;
    if (!boundary_[static_cast<std::size_t>(colour)].empty()) {
      floodWaiting(colour);
    } else if (recorder_ != nullptr) {
      recorder_->flooded(turn_, {});
    }
  }

  // Tells `recorder` (or nobody, with nullptr) what every later step floods.
  void record(FloodRecorder* recorder) { recorder_ = recorder; }

 private:
  void floodWaiting(std::int32_t colour);
  void spread(std::int32_t colour);
  void endStep();

  std::vector<std::int32_t>* cells_ = nullptr;
  std::int32_t stride_ = 0;
  std::vector<std::vector<std::int32_t>> boundary_;  // indexed by colour
  std::vector<std::int32_t> work_;
  std::int32_t turn_ = 0;
  std::int32_t w_ = 0;
  FloodRecorder* recorder_ = nullptr;
  std::vector<std::int32_t> recorded_;  // the step's cells as unframed indices
};
