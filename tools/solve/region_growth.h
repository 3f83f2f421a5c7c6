#pragma once

#include <cstdint>
#include <vector>

#include "solve/blob_graph.h"

// The game played on blobs: the flooded region, and for every colour the
// unflooded blobs of that colour that touch it (the blobs that a move of that
// colour would flood) with their total number of cells. A move costs the
// blobs it floods and their neighbours, whatever the size of the border.
class RegionGrowth {
 public:
  // Floods blob 0, the top-left cell's blob. b is the test case's number of colours.
  RegionGrowth(const BlobGraph& graph, std::int32_t b);

  // Plays a move of a colour in 1 ... b; returns the number of cells it floods.
  std::int64_t play(std::int32_t colour);

  // The cells that a move of `colour` would flood now.
  std::int64_t gain(std::int32_t colour) const { return gain_[static_cast<std::size_t>(colour)]; }
  // The blobs that a move of `colour` would flood now.
  const std::vector<std::int32_t>& waiting(std::int32_t colour) const {
    return waiting_[static_cast<std::size_t>(colour)];
  }
  bool isUntouched(std::int32_t blob) const { return state_[static_cast<std::size_t>(blob)] == UNTOUCHED; }
  // The blobs that the last move flooded (blob 0 before the first move).
  const std::vector<std::int32_t>& lastFlooded() const { return flooded_; }

  std::int32_t colours() const { return b_; }
  std::int32_t regionColour() const { return regionColour_; }
  std::int64_t floodedCells() const { return floodedCells_; }
  bool finished() const { return remainingCells_ == 0; }

 private:
  enum BlobState : std::uint8_t { UNTOUCHED, WAITING, FLOODED };

  void flood(std::int32_t blob);

  const BlobGraph& graph_;
  std::int32_t b_;
  std::int32_t regionColour_;
  std::int64_t floodedCells_ = 0;
  std::int64_t remainingCells_ = 0;
  std::vector<BlobState> state_;
  std::vector<std::vector<std::int32_t>> waiting_;  // indexed by colour
  std::vector<std::int64_t> gain_;                  // indexed by colour
  std::vector<std::int32_t> flooded_;
};
