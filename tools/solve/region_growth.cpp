#include "solve/region_growth.h"

RegionGrowth::RegionGrowth(const BlobGraph& graph, std::int32_t b)
    : graph_(graph),
      b_(b),
      regionColour_(graph.colour(0)),
      state_(static_cast<std::size_t>(graph.blobCount()), UNTOUCHED),
      waiting_(static_cast<std::size_t>(b) + 1),
      gain_(static_cast<std::size_t>(b) + 1, 0) {
  for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) remainingCells_ += graph.size(blob);
  flooded_.push_back(0);
  flood(0);
}

std::int64_t RegionGrowth::play(std::int32_t colour) {
  regionColour_ = colour;
  const auto at = static_cast<std::size_t>(colour);
  // No blob that touches a blob of this colour has it too, so the list stays
  // empty while it is walked.
  flooded_.swap(waiting_[at]);
  waiting_[at].clear();
  const std::int64_t cells = gain_[at];
  gain_[at] = 0;
  for (const std::int32_t blob : flooded_) flood(blob);
  return cells;
}

void RegionGrowth::flood(std::int32_t blob) {
  state_[static_cast<std::size_t>(blob)] = FLOODED;
  const std::int32_t cells = graph_.size(blob);
  floodedCells_ += cells;
  remainingCells_ -= cells;
  for (const std::int32_t neighbour : graph_.neighbours(blob)) {
    BlobState& state = state_[static_cast<std::size_t>(neighbour)];
    if (state != UNTOUCHED) continue;
    state = WAITING;
    const auto colour = static_cast<std::size_t>(graph_.colour(neighbour));
    waiting_[colour].push_back(neighbour);
    gain_[colour] += graph_.size(neighbour);
  }
}
