#include "solve/state_probe.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

StateProbe::StateProbe(const BlobGraph& graph, std::int32_t b, std::size_t maskedWords)
    : graph_(graph),
      b_(b),
      waiting_(static_cast<std::size_t>(b) + 1),
      gain_(static_cast<std::size_t>(b) + 1, 0),
      blobsOfColour_(static_cast<std::size_t>(b) + 1, 0),
      left_(static_cast<std::size_t>(b) + 1, 0),
      colourMet_(static_cast<std::size_t>(b) + 1, 0),
      played_(static_cast<std::size_t>(b) + 1, 0),
      words_(blobWords(graph.blobCount())),
      visited_(words_),
      pending_(words_),
      next_(words_),
      expanding_(words_),
      frontier_(words_) {
  for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) {
    ++blobsOfColour_[static_cast<std::size_t>(graph.colour(blob))];
  }
  if (keepsMasks(graph.blobCount(), maskedWords)) {
    neighbourMasks_.assign(static_cast<std::size_t>(graph.blobCount()) * words_, 0);
    colourMasks_.assign((static_cast<std::size_t>(b) + 1) * words_, 0);
    reach_.assign((static_cast<std::size_t>(b) + 1) * words_, 0);
    for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) {
      for (const std::int32_t neighbour : graph.neighbours(blob))
        addBlob(row(neighbourMasks_, blob), neighbour);
      addBlob(row(colourMasks_, graph.colour(blob)), blob);
    }
  }
}

namespace {

// Whether the colour rounds walk may stop, `bound` counted and `live`
// colours left: every colour still live adds one before the walk ends,
// whether it is played or is the last one left, so the bound is at least
// their sum already. Once it reaches `enough` that is all the caller needs,
// and once at most one colour is left it is the bound itself.
bool roundsDone(std::int32_t bound, std::size_t live, std::int32_t enough) {
  return live <= 1 || bound + static_cast<std::int32_t>(live) >= enough;
}

// Adds to `into` the neighbours of the blobs of `from`, on masks of W words.
template <std::size_t W>
void addNeighbourMasks(const BlobWord* neighbourMasks, const BlobWord* from, BlobWord* into) {
  for (std::size_t word = 0; word < W; ++word) {
    for (BlobWord bits = from[word]; bits != 0; bits &= bits - 1) {
      const BlobWord* mask =
          neighbourMasks + (word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits))) * W;
      for (std::size_t at = 0; at < W; ++at) into[at] |= mask[at];
    }
  }
}

// The colour rounds of countRounds, on a graph of at most 64 * W blobs: with
// the sets in a few words each, and a colour's blobs as a mask (a colour is
// all reached when its mask has no bit outside the reached ones), a round
// costs a few words a colour and a blob, not a count a blob.
template <std::size_t W>
std::int32_t countRoundsInWords(const BlobWord* neighbourMasks, const BlobWord* colourMasks,
                                const BlobWord* flooded, const BlobWord* frontier,
                                std::vector<std::int32_t>& live, std::int32_t enough) {
  using Set = std::array<BlobWord, W>;
  Set visited;
  Set pending;
  for (std::size_t word = 0; word < W; ++word) {
    pending[word] = frontier[word] & ~flooded[word];
    visited[word] = flooded[word] | pending[word];
  }
  std::int32_t bound = 0;
  while (!roundsDone(bound, live.size(), enough)) {
    Set played{};
    std::size_t kept = 0;
    for (const std::int32_t colour : live) {
      const BlobWord* mask = colourMasks + static_cast<std::size_t>(colour) * W;
      BlobWord outside = 0;
      for (std::size_t word = 0; word < W; ++word) outside |= mask[word] & ~visited[word];
      if (outside != 0) {
        live[kept++] = colour;
      } else {
        for (std::size_t word = 0; word < W; ++word) played[word] |= mask[word];
      }
    }
    const auto playedNow = static_cast<std::int32_t>(live.size() - kept);
    live.resize(kept);
    bound += playedNow > 0 ? playedNow : 1;
    if (roundsDone(bound, live.size(), enough)) break;  // what the round reaches is not needed
    Set next{};
    if (playedNow > 0) {
      // The colours played reach on through their own blobs only.
      Set expanding;
      for (std::size_t word = 0; word < W; ++word) {
        expanding[word] = pending[word] & played[word];
        pending[word] &= ~played[word];
      }
      addNeighbourMasks<W>(neighbourMasks, expanding.data(), next.data());
    } else {
      addNeighbourMasks<W>(neighbourMasks, pending.data(), next.data());
      pending = Set{};
    }
    for (std::size_t word = 0; word < W; ++word) {
      next[word] &= ~visited[word];
      visited[word] |= next[word];
      pending[word] |= next[word];
    }
  }
  return bound + static_cast<std::int32_t>(live.size());
}

using RoundsInWords = std::int32_t (*)(const BlobWord*, const BlobWord*, const BlobWord*, const BlobWord*,
                                       std::vector<std::int32_t>&, std::int32_t);
using NeighboursInWords = void (*)(const BlobWord*, const BlobWord*, BlobWord*);

template <std::size_t... W>
constexpr std::array<RoundsInWords, sizeof...(W) + 1> roundsInWords(std::index_sequence<W...>) {
  return {nullptr, &countRoundsInWords<W + 1>...};
}
template <std::size_t... W>
constexpr std::array<NeighboursInWords, sizeof...(W) + 1> neighboursInWords(std::index_sequence<W...>) {
  return {nullptr, &addNeighbourMasks<W + 1>...};
}

// Indexed by the words of a set, 1 to StateProbe::MASKED_WORDS.
constexpr auto ROUNDS_IN_WORDS = roundsInWords(std::make_index_sequence<StateProbe::MASKED_WORDS>());
constexpr auto NEIGHBOURS_IN_WORDS = neighboursInWords(std::make_index_sequence<StateProbe::MASKED_WORDS>());

}  // namespace

void StateProbe::countUnflooded(std::span<const BlobWord> flooded, std::vector<std::int32_t>& counts) const {
  if (!colourMasks_.empty()) {
    counts.assign(static_cast<std::size_t>(b_) + 1, 0);
    for (std::int32_t colour = 1; colour <= b_; ++colour) {
      const std::span<const BlobWord> mask = colourMask(colour);
      std::int32_t left = 0;
      for (std::size_t word = 0; word < words_; ++word) left += std::popcount(mask[word] & ~flooded[word]);
      counts[static_cast<std::size_t>(colour)] = left;
    }
    return;
  }
  counts = blobsOfColour_;
  forEachBlob(flooded, [&](std::int32_t blob) { --counts[static_cast<std::size_t>(graph_.colour(blob))]; });
}

void StateProbe::collectMoves(std::span<const BlobWord> flooded) {
  for (auto& blobs : waiting_) blobs.clear();
  std::fill(gain_.begin(), gain_.end(), 0);
  std::fill(frontier_.begin(), frontier_.end(), 0);
  countUnflooded(flooded, left_);
  addNeighbours(flooded, frontier_);
  for (std::size_t word = 0; word < words_; ++word) frontier_[word] &= ~flooded[word];
  std::fill(reach_.begin(), reach_.end(), 0);
  forEachBlob(frontier_, [&](std::int32_t blob) {
    const std::int32_t colour = graph_.colour(blob);
    waiting_[static_cast<std::size_t>(colour)].push_back(blob);
    gain_[static_cast<std::size_t>(colour)] += graph_.size(blob);
    if (!reach_.empty()) addNeighbours(blob, row(reach_, colour));
  });
}

std::int32_t StateProbe::clearableColour() const {
  for (std::int32_t colour = 1; colour <= b_; ++colour) {
    const auto at = static_cast<std::size_t>(colour);
    if (left_[at] > 0 && static_cast<std::size_t>(left_[at]) == waiting_[at].size()) return colour;
  }
  return 0;
}

bool StateProbe::isDeferrable(std::span<const BlobWord> flooded, std::int32_t colour) const {
  const auto at = static_cast<std::size_t>(colour);
  if (static_cast<std::size_t>(left_[at]) == waiting_[at].size()) return false;  // it finishes its colour
  if (!reach_.empty()) {
    const std::span<const BlobWord> reach = reachOf(colour);
    for (std::size_t word = 0; word < words_; ++word) {
      if ((reach[word] & ~flooded[word] & ~frontier_[word]) != 0) return false;
    }
    return true;
  }
  for (const std::int32_t blob : waiting_[at]) {
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      if (!hasBlob(flooded, neighbour) && !hasBlob(frontier_, neighbour)) return false;
    }
  }
  return true;
}

bool StateProbe::commutes(std::span<const BlobWord> parent, std::span<const BlobWord> flooded,
                          std::int32_t colour, std::int32_t previous) const {
  if (!reach_.empty()) {
    for (const std::int32_t blob : waiting(colour)) {
      const std::span<const BlobWord> mask = row(neighbourMasks_, blob);
      BlobWord touching = 0;
      for (std::size_t word = 0; word < words_; ++word) touching |= mask[word] & parent[word];
      if (touching == 0) return false;
    }
    const std::span<const BlobWord> reach = reachOf(colour);
    const std::span<const BlobWord> opened = colourMask(previous);
    for (std::size_t word = 0; word < words_; ++word) {
      if ((reach[word] & opened[word] & ~flooded[word]) != 0) return false;
    }
    return true;
  }
  for (const std::int32_t blob : waiting(colour)) {
    bool touchesParent = false;
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      if (hasBlob(parent, neighbour)) {
        touchesParent = true;
      } else if (graph_.colour(neighbour) == previous && !hasBlob(flooded, neighbour)) {
        return false;
      }
    }
    if (!touchesParent) return false;
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

void StateProbe::addNeighbours(std::int32_t blob, std::span<BlobWord> into) const {
  if (neighbourMasks_.empty()) {
    for (const std::int32_t neighbour : graph_.neighbours(blob)) addBlob(into, neighbour);
    return;
  }
  const std::span<const BlobWord> mask = row(neighbourMasks_, blob);
  for (std::size_t word = 0; word < words_; ++word) into[word] |= mask[word];
}

void StateProbe::addNeighbours(std::span<const BlobWord> from, std::span<BlobWord> into) const {
  if (neighbourMasks_.empty()) {
    forEachBlob(from, [&](std::int32_t blob) { addNeighbours(blob, into); });
  } else {
    NEIGHBOURS_IN_WORDS[words_](neighbourMasks_.data(), from.data(), into.data());
  }
}

std::int32_t StateProbe::colourRoundsBound(std::span<const BlobWord> flooded) {
  countUnflooded(flooded, unreached_);
  std::fill(next_.begin(), next_.end(), 0);
  addNeighbours(flooded, next_);
  return countRounds(flooded);
}

std::int32_t StateProbe::colourRoundsBoundAfter(std::span<const BlobWord> child, std::int32_t colour,
                                                std::int32_t enough) {
  // The child's frontier is the parent's, less the blobs just flooded, and
  // their neighbours; its unflooded blobs are the parent's less those.
  unreached_ = left_;
  const std::span<const std::int32_t> flooding = waiting(colour);
  unreached_[static_cast<std::size_t>(colour)] -= static_cast<std::int32_t>(flooding.size());
  std::copy(frontier_.begin(), frontier_.end(), next_.begin());
  if (reach_.empty()) {
    for (const std::int32_t blob : flooding) addNeighbours(blob, next_);
  } else {
    const std::span<const BlobWord> reach = reachOf(colour);
    for (std::size_t word = 0; word < words_; ++word) next_[word] |= reach[word];
  }
  return countRounds(child, enough);
}

std::int32_t StateProbe::countRounds(std::span<const BlobWord> flooded, std::int32_t enough) {
  live_.clear();
  for (std::int32_t colour = 1; colour <= b_; ++colour) {
    if (unreached_[static_cast<std::size_t>(colour)] > 0) live_.push_back(colour);
  }
  if (!colourMasks_.empty()) {
    return ROUNDS_IN_WORDS[words_](neighbourMasks_.data(), colourMasks_.data(), flooded.data(), next_.data(),
                                   live_, enough);
  }
  // The same walk as countRoundsInWords, on lists of neighbours, with the
  // blobs reached counted by colour.
  ++round_;
  for (std::size_t word = 0; word < words_; ++word) {
    next_[word] &= ~flooded[word];
    visited_[word] = flooded[word] | next_[word];
    pending_[word] = next_[word];
  }
  // Blobs reached, by colour, in the round that reached them.
  const auto countReached = [this] {
    forEachBlob(next_,
                [&](std::int32_t blob) { --unreached_[static_cast<std::size_t>(graph_.colour(blob))]; });
  };
  countReached();
  std::int32_t bound = 0;
  while (!roundsDone(bound, live_.size(), enough)) {
    const std::size_t before = live_.size();
    std::erase_if(live_, [this](std::int32_t colour) {
      const auto at = static_cast<std::size_t>(colour);
      if (unreached_[at] != 0) return false;
      played_[at] = round_;
      return true;
    });
    const auto playedNow = static_cast<std::int32_t>(before - live_.size());
    bound += playedNow > 0 ? playedNow : 1;
    if (roundsDone(bound, live_.size(), enough)) break;
    std::fill(next_.begin(), next_.end(), 0);
    if (playedNow > 0) {
      std::fill(expanding_.begin(), expanding_.end(), 0);
      forEachBlob(pending_, [&](std::int32_t blob) {
        if (played_[static_cast<std::size_t>(graph_.colour(blob))] == round_) addBlob(expanding_, blob);
      });
      for (std::size_t word = 0; word < words_; ++word) pending_[word] &= ~expanding_[word];
      addNeighbours(expanding_, next_);
    } else {
      addNeighbours(pending_, next_);
      std::fill(pending_.begin(), pending_.end(), 0);
    }
    for (std::size_t word = 0; word < words_; ++word) {
      next_[word] &= ~visited_[word];
      visited_[word] |= next_[word];
      pending_[word] |= next_[word];
    }
    countReached();
  }
  return bound + static_cast<std::int32_t>(live_.size());
}
