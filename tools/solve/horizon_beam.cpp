#include "solve/horizon_beam.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <unordered_set>

#include "solve/region_growth.h"

namespace {

// A state of the beam: the line of moves beyond the played region, kept as
// its last move and the state before it.
struct Line {
  std::int32_t parent;  // on the level above; -1 for the played region itself
  std::int32_t move;
  std::int64_t area;
  std::uint64_t hash;  // the same for the same flooded blobs, whatever the order of the moves
};

std::uint64_t blobHash(std::int32_t blob) {
  std::uint64_t z = static_cast<std::uint64_t>(blob) + 0x9E3779B97F4A7C15ULL;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

class HorizonBeam {
 public:
  HorizonBeam(const BlobGraph& graph, std::int32_t b, std::int32_t width, std::int32_t depth,
              const SearchDeadline& deadline)
      : graph_(graph),
        b_(b),
        width_(static_cast<std::size_t>(width)),
        depth_(depth),
        deadline_(deadline),
        game_(graph, b),
        floodedAt_(static_cast<std::size_t>(graph.blobCount()), 0),
        waitingAt_(static_cast<std::size_t>(graph.blobCount()), 0),
        playedAt_(static_cast<std::size_t>(b) + 1, 0),
        extraGain_(static_cast<std::size_t>(b) + 1, 0),
        extraHash_(static_cast<std::size_t>(b) + 1, 0),
        waitingHash_(static_cast<std::size_t>(b) + 1, 0) {
    for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) totalCells_ += graph.size(blob);
  }

  std::vector<std::int32_t> run(const SearchProgress& progress) {
    std::vector<std::int32_t> moves;
    while (!game_.finished()) {
      const std::int32_t move = deadline_.passed() ? greediest() : bestFirstMove();
      game_.play(move);
      moves.push_back(move);
      if (progress && moves.size() % 64 == 0) progress(game_.floodedCells(), totalCells_);
    }
    return moves;
  }

 private:
  std::int32_t greediest() const {
    std::int32_t best = 1;
    for (std::int32_t colour = 2; colour <= b_; ++colour) {
      if (game_.gain(colour) > game_.gain(best)) best = colour;
    }
    return best;
  }

  std::int32_t bestFirstMove() {
    for (std::int32_t colour = 1; colour <= b_; ++colour) {
      std::uint64_t hash = 0;
      for (const std::int32_t blob : game_.waiting(colour)) hash += blobHash(blob);
      waitingHash_[static_cast<std::size_t>(colour)] = hash;
    }
    levels_.assign(1, {Line{-1, 0, game_.floodedCells(), 0}});
    for (std::int32_t level = 0; level < depth_; ++level) {
      if (const auto finishing = expand()) return firstMove(levels_.size() - 1, *finishing);
      if (levels_.back().empty()) break;
    }
    return firstMove(levels_.size() - 1, 0);
  }

  // Adds the next level of the beam; returns the line (on that level) that
  // floods the grid, if one does.
  std::optional<std::size_t> expand() {
    const std::vector<Line>& lines = levels_.back();
    candidates_.clear();
    for (std::size_t at = 0; at < lines.size(); ++at) {
      replay(levels_.size() - 1, at);
      for (std::int32_t colour = 1; colour <= b_; ++colour) {
        const auto c = static_cast<std::size_t>(colour);
        const bool played = playedAt_[c] == round_;
        const std::int64_t gain = (played ? 0 : game_.gain(colour)) + extraGain_[c];
        if (gain == 0) continue;
        const std::uint64_t hash = lines[at].hash + (played ? 0 : waitingHash_[c]) + extraHash_[c];
        candidates_.push_back({static_cast<std::int32_t>(at), colour, lines[at].area + gain, hash});
        if (candidates_.back().area == totalCells_) {
          levels_.push_back({candidates_.back()});
          return 0;
        }
      }
    }
    std::vector<Line> next;
    seen_.clear();
    // Sorting every candidate took most of the time; the best few are enough
    // unless repeated states crowd them out.
    const std::size_t ranked = rankBest(std::min(candidates_.size(), 4 * width_));
    for (std::size_t rank = 0; rank < order_.size() && next.size() < width_; ++rank) {
      if (rank == ranked) rankBest(order_.size());
      const Line& candidate = candidates_[order_[rank]];
      if (seen_.insert(candidate.hash).second) next.push_back(candidate);
    }
    levels_.push_back(std::move(next));
    return std::nullopt;
  }

  // Puts the `count` candidates with the largest areas first in order_,
  // earlier candidates first among equals; returns `count`.
  std::size_t rankBest(std::size_t count) {
    order_.resize(candidates_.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::partial_sort(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(count), order_.end(),
                      [this](std::size_t a, std::size_t b) {
                        const std::int64_t areaA = candidates_[a].area;
                        const std::int64_t areaB = candidates_[b].area;
                        return areaA != areaB ? areaA > areaB : a < b;
                      });
    return count;
  }

  std::int32_t firstMove(std::size_t level, std::size_t at) const {
    std::int32_t move = 0;
    for (; level > 0; --level) {
      const Line& line = levels_[level][at];
      move = line.move;
      at = static_cast<std::size_t>(line.parent);
    }
    return move;
  }

  // Plays the line's moves beyond the played region, marking what they
  // flood and what waits next to it under the round's number.
  void replay(std::size_t level, std::size_t at) {
    path_.clear();
    for (; level > 0; --level) {
      const Line& line = levels_[level][at];
      path_.push_back(line.move);
      at = static_cast<std::size_t>(line.parent);
    }
    ++round_;
    std::fill(extraGain_.begin(), extraGain_.end(), 0);
    std::fill(extraHash_.begin(), extraHash_.end(), 0);
    extraWaiting_.clear();
    for (auto move = path_.rbegin(); move != path_.rend(); ++move) {
      const auto c = static_cast<std::size_t>(*move);
      if (playedAt_[c] != round_) {
        playedAt_[c] = round_;
        for (const std::int32_t blob : game_.waiting(*move)) flood(blob);
      }
      // A blob floods only blobs of other colours into the waiting list.
      const std::size_t waitingCount = extraWaiting_.size();
      for (std::size_t index = 0; index < waitingCount; ++index) {
        const std::int32_t blob = extraWaiting_[index];
        if (graph_.colour(blob) == *move && floodedAt_[static_cast<std::size_t>(blob)] != round_) flood(blob);
      }
      extraGain_[c] = 0;
      extraHash_[c] = 0;
    }
  }

  void flood(std::int32_t blob) {
    floodedAt_[static_cast<std::size_t>(blob)] = round_;
    for (const std::int32_t neighbour : graph_.neighbours(blob)) {
      const auto n = static_cast<std::size_t>(neighbour);
      if (!game_.isUntouched(neighbour) || waitingAt_[n] == round_) continue;
      waitingAt_[n] = round_;
      extraWaiting_.push_back(neighbour);
      const auto colour = static_cast<std::size_t>(graph_.colour(neighbour));
      extraGain_[colour] += graph_.size(neighbour);
      extraHash_[colour] += blobHash(neighbour);
    }
  }

  const BlobGraph& graph_;
  std::int32_t b_;
  std::size_t width_;
  std::int32_t depth_;
  const SearchDeadline& deadline_;
  RegionGrowth game_;  // the moves played so far
  std::int64_t totalCells_ = 0;
  std::vector<std::vector<Line>> levels_;
  std::vector<Line> candidates_;
  std::vector<std::size_t> order_;
  std::unordered_set<std::uint64_t> seen_;
  std::vector<std::int32_t> path_;
  std::uint32_t round_ = 0;
  std::vector<std::uint32_t> floodedAt_;  // the round in which the replay flooded a blob
  std::vector<std::uint32_t> waitingAt_;  // the round in which a blob joined the waiting list
  std::vector<std::uint32_t> playedAt_;   // the round in which the replay played a colour
  std::vector<std::int64_t> extraGain_;   // by colour, the cells waiting beyond the played region's
  std::vector<std::uint64_t> extraHash_;
  std::vector<std::uint64_t> waitingHash_;  // by colour, of the played region's waiting blobs
  std::vector<std::int32_t> extraWaiting_;
};

}  // namespace

std::vector<std::int32_t> horizonBeamSearch(const BlobGraph& graph, std::int32_t b, std::int32_t width,
                                            std::int32_t depth, const SearchDeadline& deadline,
                                            const SearchProgress& progress) {
  return HorizonBeam(graph, b, width, depth, deadline).run(progress);
}
