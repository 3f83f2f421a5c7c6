#include "solve/state_probe.h"

#include <algorithm>

StateProbe::StateProbe(const BlobGraph& graph, std::int32_t b)
    : graph_(graph),
      b_(b),
      waiting_(static_cast<std::size_t>(b) + 1),
      gain_(static_cast<std::size_t>(b) + 1, 0),
      blobsOfColour_(static_cast<std::size_t>(b) + 1, 0),
      left_(static_cast<std::size_t>(b) + 1, 0),
      colourMet_(static_cast<std::size_t>(b) + 1, 0),
      seen_(static_cast<std::size_t>(graph.blobCount()), 0),
      played_(static_cast<std::size_t>(b) + 1, 0) {
  for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) {
    ++blobsOfColour_[static_cast<std::size_t>(graph.colour(blob))];
  }
}

bool StateProbe::firstVisit(std::int32_t blob) {
  std::int32_t& seen = seen_[static_cast<std::size_t>(blob)];
  if (seen == round_) return false;
  seen = round_;
  return true;
}

void StateProbe::collectMoves(std::span<const BlobWord> flooded) {
  frontierRound_ = ++round_;
  for (auto& blobs : waiting_) blobs.clear();
  std::fill(gain_.begin(), gain_.end(), 0);
  forEachBlob(flooded, [&](std::int32_t blob) {
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      if (hasBlob(flooded, neighbour) || !firstVisit(neighbour)) continue;
      const auto colour = static_cast<std::size_t>(graph_.colour(neighbour));
      waiting_[colour].push_back(neighbour);
      gain_[colour] += graph_.size(neighbour);
    }
  });
}

std::int32_t StateProbe::clearableColour(std::span<const BlobWord> flooded) {
  left_ = blobsOfColour_;
  forEachBlob(flooded, [&](std::int32_t blob) { --left_[static_cast<std::size_t>(graph_.colour(blob))]; });
  for (std::int32_t colour = 1; colour <= b_; ++colour) {
    const auto at = static_cast<std::size_t>(colour);
    if (left_[at] > 0 && static_cast<std::size_t>(left_[at]) == waiting_[at].size()) return colour;
  }
  return 0;
}

bool StateProbe::isDeferrable(std::span<const BlobWord> flooded, std::int32_t colour) const {
  const auto at = static_cast<std::size_t>(colour);
  if (static_cast<std::size_t>(left_[at]) == waiting_[at].size()) return false;  // it finishes its colour
  for (const std::int32_t blob : waiting_[at]) {
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      // The frontier is what collectMoves reached in its round.
      if (!hasBlob(flooded, neighbour) && seen_[static_cast<std::size_t>(neighbour)] != frontierRound_)
        return false;
    }
  }
  return true;
}

std::int32_t StateProbe::distanceBound(std::span<const BlobWord> flooded) {
  // The walk marks what it has reached on a copy of the region's bits.
  reached_.assign(flooded.begin(), flooded.end());
  queue_.clear();
  layerEnd_.clear();
  auto reach = [this](std::int32_t blob) {
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      if (hasBlob(reached_, neighbour)) continue;
      addBlob(reached_, neighbour);
      queue_.push_back(neighbour);
    }
  };
  forEachBlob(flooded, reach);
  // Breadth first, one layer of distance at a time.
  for (std::size_t next = 0; next < queue_.size();) {
    const std::size_t end = queue_.size();
    for (; next < end; ++next) reach(queue_[next]);
    layerEnd_.push_back(static_cast<std::int32_t>(end));
  }
  // From the farthest layer in, counting the colours met so far.
  ++round_;
  std::int32_t farColours = 0;
  std::int32_t bound = 0;
  auto layer = static_cast<std::int32_t>(layerEnd_.size());
  for (auto at = static_cast<std::int32_t>(queue_.size()) - 1; at >= 0; --at) {
    while (layer > 1 && at < layerEnd_[static_cast<std::size_t>(layer - 2)]) {
      bound = std::max(bound, layer - 1 + farColours);
      --layer;
    }
    std::int32_t& met =
        colourMet_[static_cast<std::size_t>(graph_.colour(queue_[static_cast<std::size_t>(at)]))];
    if (met != round_) {
      met = round_;
      ++farColours;
    }
  }
  return std::max(bound, farColours);
}

std::int32_t StateProbe::colourRoundsBound(std::span<const BlobWord> flooded) {
  ++round_;
  remaining_ = blobsOfColour_;
  forEachBlob(flooded,
              [&](std::int32_t blob) { --remaining_[static_cast<std::size_t>(graph_.colour(blob))]; });
  unreached_ = remaining_;
  std::int32_t remaining = 0;
  for (std::int32_t colour = 1; colour <= b_; ++colour) {
    if (remaining_[static_cast<std::size_t>(colour)] > 0) ++remaining;
  }
  reached_.assign(flooded.begin(), flooded.end());
  queue_.clear();
  const auto reachFrom = [this](std::int32_t blob) {
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      if (hasBlob(reached_, neighbour)) continue;
      addBlob(reached_, neighbour);
      --unreached_[static_cast<std::size_t>(graph_.colour(neighbour))];
      queue_.push_back(neighbour);
    }
  };
  forEachBlob(flooded, reachFrom);
  pending_.swap(queue_);
  std::int32_t bound = 0;
  while (remaining > 1) {
    std::int32_t playedNow = 0;
    for (std::int32_t colour = 1; colour <= b_; ++colour) {
      const auto at = static_cast<std::size_t>(colour);
      if (remaining_[at] > 0 && unreached_[at] == 0 && played_[at] != round_) {
        played_[at] = round_;
        ++playedNow;
      }
    }
    queue_.clear();
    if (playedNow > 0) {
      // The colours played reach on through their own blobs only.
      bound += playedNow;
      remaining -= playedNow;
      kept_.clear();
      for (const std::int32_t blob : pending_) {
        if (played_[static_cast<std::size_t>(graph_.colour(blob))] == round_) {
          reachFrom(blob);
        } else {
          kept_.push_back(blob);
        }
      }
      pending_.swap(kept_);
      pending_.insert(pending_.end(), queue_.begin(), queue_.end());
    } else {
      ++bound;
      for (const std::int32_t blob : pending_) reachFrom(blob);
      pending_.swap(queue_);
    }
  }
  return bound + remaining;
}
