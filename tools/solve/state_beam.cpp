#include "solve/state_beam.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <span>
#include <unordered_map>

#include "solve/blob_set.h"
#include "solve/state_probe.h"

namespace {

// How a kept state was reached: its parent on the level above and the move.
struct Step {
  std::int32_t parent;
  std::int32_t move;
};

struct Candidate {
  std::int32_t bound;
  std::int64_t area;
  std::int32_t parent;
  std::int32_t move;
};

class StateBeam {
 public:
  StateBeam(const BlobGraph& graph, std::int32_t b, std::int32_t width, const SearchDeadline& deadline)
      : graph_(graph),
        b_(b),
        width_(width),
        deadline_(deadline),
        words_(blobWords(graph.blobCount())),
        probe_(graph, b) {
    for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) totalCells_ += graph.size(blob);
  }

  std::vector<std::int32_t> run(const SearchProgress& progress) {
    states_.assign(words_, 0);
    addBlob(states_, 0);
    areas_.assign(1, graph_.size(0));
    if (areas_[0] == totalCells_) return {};
    for (;;) {
      if (const auto finish = expandLevel()) return pathTo(*finish);
      keepBest();
      if (progress) progress(areas_.front(), totalCells_);
    }
  }

 private:
  std::span<const BlobWord> state(const std::vector<BlobWord>& states, std::size_t at) const {
    return std::span<const BlobWord>(states).subspan(at * words_, words_);
  }

  // Fills the candidates one move below the current level; returns the step
  // that floods the grid, if one does.
  std::optional<Step> expandLevel() {
    const bool ranked = !deadline_.passed();
    candidates_.clear();
    children_.clear();
    known_.clear();
    for (std::size_t parent = 0; parent < areas_.size(); ++parent) {
      const auto flooded = state(states_, parent);
      probe_.collectMoves(flooded);
      const std::int32_t clearable = probe_.clearableColour();
      for (std::int32_t colour = 1; colour <= b_; ++colour) {
        if (probe_.gain(colour) == 0 || (clearable != 0 && colour != clearable) ||
            probe_.isDeferrable(flooded, colour))
          continue;
        const auto at = static_cast<std::int32_t>(parent);
        const std::int64_t area = areas_[parent] + probe_.gain(colour);
        if (area == totalCells_) return Step{at, colour};
        if (!addChild(flooded, probe_.waiting(colour))) continue;
        const std::int32_t bound =
            ranked ? probe_.lowerBoundAfter(state(children_, candidates_.size()), colour) : 0;
        candidates_.push_back({bound, area, at, colour});
      }
    }
    return std::nullopt;
  }

  // Appends the child state; false (and nothing kept) if it is already there.
  bool addChild(std::span<const BlobWord> parent, std::span<const std::int32_t> flooding) {
    const std::size_t at = children_.size();
    children_.insert(children_.end(), parent.begin(), parent.end());
    const std::span<BlobWord> child = std::span<BlobWord>(children_).subspan(at, words_);
    for (const std::int32_t blob : flooding) addBlob(child, blob);
    const std::uint64_t hash = hashBlobs(child);
    const auto [first, last] = known_.equal_range(hash);
    for (auto it = first; it != last; ++it) {
      if (std::ranges::equal(state(children_, it->second), child)) {
        children_.resize(at);
        return false;
      }
    }
    known_.emplace(hash, at / words_);
    return true;
  }

  void keepBest() {
    const std::size_t width = deadline_.passed() ? 1 : static_cast<std::size_t>(width_);
    order_.resize(candidates_.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    const std::size_t kept = std::min(width, order_.size());
    std::partial_sort(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(kept), order_.end(),
                      [this](std::size_t a, std::size_t b) {
                        const Candidate& x = candidates_[a];
                        const Candidate& y = candidates_[b];
                        if (x.bound != y.bound) return x.bound < y.bound;
                        if (x.area != y.area) return x.area > y.area;
                        return a < b;
                      });
    std::vector<Step>& steps = levels_.emplace_back();
    states_.clear();
    areas_.clear();
    for (std::size_t rank = 0; rank < kept; ++rank) {
      const Candidate& chosen = candidates_[order_[rank]];
      steps.push_back({chosen.parent, chosen.move});
      const auto child = state(children_, order_[rank]);
      states_.insert(states_.end(), child.begin(), child.end());
      areas_.push_back(chosen.area);
    }
  }

  std::vector<std::int32_t> pathTo(Step last) const {
    std::vector<std::int32_t> moves{last.move};
    std::int32_t at = last.parent;
    for (auto level = levels_.rbegin(); level != levels_.rend(); ++level) {
      const Step& step = (*level)[static_cast<std::size_t>(at)];
      moves.push_back(step.move);
      at = step.parent;
    }
    std::reverse(moves.begin(), moves.end());
    return moves;
  }

  const BlobGraph& graph_;
  std::int32_t b_;
  std::int32_t width_;
  const SearchDeadline& deadline_;
  std::size_t words_;
  StateProbe probe_;
  std::int64_t totalCells_ = 0;
  std::vector<BlobWord> states_;  // the current level, words_ per state
  std::vector<std::int64_t> areas_;
  std::vector<std::vector<Step>> levels_;  // levels_[k][i]: how state i of level k + 1 was reached
  std::vector<Candidate> candidates_;
  std::vector<BlobWord> children_;  // the candidates' states, in the same order
  std::unordered_multimap<std::uint64_t, std::size_t> known_;
  std::vector<std::size_t> order_;
};

}  // namespace

std::vector<std::int32_t> stateBeamSearch(const BlobGraph& graph, std::int32_t b, std::int32_t width,
                                          const SearchDeadline& deadline, const SearchProgress& progress) {
  return StateBeam(graph, b, width, deadline).run(progress);
}
