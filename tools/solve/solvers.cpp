#include "solve/solvers.h"

#include <algorithm>
#include <array>

#include "solve/blob_graph.h"
#include "solve/blob_set.h"
#include "solve/exact_search.h"
#include "solve/horizon_beam.h"
#include "solve/region_growth.h"
#include "solve/state_beam.h"
#include "solve/state_probe.h"

namespace {

constexpr std::array<std::string_view, 4> STRATEGY_NAMES = {"greedy", "lookahead", "beam", "exact"};

// The beam over whole states ranks a state in about one step per blob and
// per neighbour entry (about two nanoseconds each; on a graph small enough
// for the probe's masks, a sixth of that). Its width is sized so that all its
// states together take about STATE_BEAM_STEPS steps, half a second, with a
// level per move of the lower bound; a time limit below BEAM_FULL_SECONDS
// shrinks that in proportion. Even one state ranked by the bound beats
// looking ahead by area by a quarter on grids of few colours; only where one
// state costs too much does the beam look a few moves ahead of the played
// region instead.
constexpr double STATE_BEAM_STEPS = 3e8;
constexpr double MASKED_STEP_SHARE = 1.0 / 6;
constexpr double BEAM_FULL_SECONDS = 10;
constexpr std::int32_t STATE_BEAM_MAX_WIDTH = 5000;
constexpr std::int32_t HORIZON_WIDTH = 16;
constexpr std::int32_t HORIZON_DEPTH = 4;
// A* keeps whole states; beyond this many blobs it would run out of memory
// before it proved anything.
constexpr std::int32_t EXACT_MAX_BLOBS = 3000;

// Plays the colours that `pick` chooses until the grid is flooded.
template <typename Pick>
std::vector<std::int32_t> playUntilFlooded(const BlobGraph& graph, std::int32_t b, Pick pick) {
  RegionGrowth game(graph, b);
  std::vector<std::int32_t> moves;
  while (!game.finished()) {
    const std::int32_t colour = pick(game);
    game.play(colour);
    moves.push_back(colour);
  }
  return moves;
}

std::int32_t greediest(const RegionGrowth& game) {
  std::int32_t best = 1;
  for (std::int32_t colour = 2; colour <= game.colours(); ++colour) {
    if (game.gain(colour) > game.gain(best)) best = colour;
  }
  return best;
}

// Scores each first move by the cells it floods plus the most that a second
// move could flood after it. The second move's gain is the gain it has now
// plus the blobs that the first move would bring to the border.
class PairScorer {
 public:
  explicit PairScorer(const BlobGraph& graph, std::int32_t b)
      : graph_(graph),
        mark_(static_cast<std::size_t>(graph.blobCount()), -1),
        extra_(static_cast<std::size_t>(b) + 1, 0) {}

  std::int32_t pick(const RegionGrowth& game) {
    rankByGain(game);
    std::int32_t best = 0;
    std::int64_t bestScore = -1;
    for (const std::int32_t first : candidates_) {
      const std::int64_t score = game.gain(first) + bestFollowUp(game, first);
      if (score > bestScore || (score == bestScore && first < best)) {
        best = first;
        bestScore = score;
      }
    }
    return best;
  }

 private:
  // Only the few colours that flood the most now are tried first: scoring one
  // walks the neighbours of its waiting blobs, and trying all b colours made
  // this strategy far more than ten times slower than the greedy one.
  static constexpr std::size_t CANDIDATES = 8;

  void rankByGain(const RegionGrowth& game) {
    candidates_.clear();
    for (std::int32_t colour = 1; colour <= game.colours(); ++colour) {
      if (game.gain(colour) > 0) candidates_.push_back(colour);
    }
    const auto kept = std::min(CANDIDATES, candidates_.size());
    std::partial_sort(candidates_.begin(), candidates_.begin() + static_cast<std::ptrdiff_t>(kept),
                      candidates_.end(), [&game](std::int32_t a, std::int32_t b) {
                        return game.gain(a) != game.gain(b) ? game.gain(a) > game.gain(b) : a < b;
                      });
    candidates_.resize(kept);
  }

  std::int64_t bestFollowUp(const RegionGrowth& game, std::int32_t first) {
    std::fill(extra_.begin(), extra_.end(), 0);
    ++round_;
    for (const std::int32_t blob : game.waiting(first)) {
      for (const std::int32_t neighbour : graph_.neighbours(blob)) {
        std::int32_t& mark = mark_[static_cast<std::size_t>(neighbour)];
        if (mark == round_ || !game.isUntouched(neighbour)) continue;
        mark = round_;
        extra_[static_cast<std::size_t>(graph_.colour(neighbour))] += graph_.size(neighbour);
      }
    }
    std::int64_t best = 0;
    for (std::int32_t second = 1; second <= game.colours(); ++second) {
      if (second == first) continue;
      best = std::max(best, game.gain(second) + extra_[static_cast<std::size_t>(second)]);
    }
    return best;
  }

  const BlobGraph& graph_;
  std::vector<std::int32_t> mark_;  // the round in which a blob was last counted
  std::vector<std::int64_t> extra_;
  std::vector<std::int32_t> candidates_;
  std::int32_t round_ = 0;
};

std::vector<std::int32_t> solveLookahead(const BlobGraph& graph, std::int32_t b) {
  PairScorer scorer(graph, b);
  std::vector<std::int32_t> paired =
      playUntilFlooded(graph, b, [&scorer](const RegionGrowth& game) { return scorer.pick(game); });
  // Pairs are not always better (a grid full of holes can fool them), and the
  // greedy answer costs a fraction of the time, so the shorter one is kept.
  std::vector<std::int32_t> greedy = playUntilFlooded(graph, b, greediest);
  return greedy.size() < paired.size() ? greedy : paired;
}

// The width of the beam over whole states; 0 where even one state per
// level costs too much.
std::int32_t stateBeamWidth(const BlobGraph& graph, std::int32_t b, std::int32_t startBound, double seconds) {
  double steps = 0;
  for (std::int32_t blob = 0; blob < graph.blobCount(); ++blob) {
    steps += 1 + static_cast<double>(graph.neighbours(blob).size());
  }
  if (StateProbe::keepsMasks(graph.blobCount())) steps *= MASKED_STEP_SHARE;
  const double perState = steps * b * std::max(startBound, 1) / std::min(1.0, seconds / BEAM_FULL_SECONDS);
  return static_cast<std::int32_t>(std::min<double>(STATE_BEAM_STEPS / perState, STATE_BEAM_MAX_WIDTH));
}

std::vector<std::int32_t> beamSearch(const BlobGraph& graph, std::int32_t b, std::int32_t startBound,
                                     const SearchLimits& limits, const SearchDeadline& deadline) {
  const std::int32_t width = stateBeamWidth(graph, b, startBound, limits.seconds);
  std::vector<std::int32_t> beam =
      width >= 1 ? stateBeamSearch(graph, b, limits.beamWidth > 0 ? limits.beamWidth : width, deadline,
                                   limits.progress)
                 : horizonBeamSearch(graph, b, limits.beamWidth > 0 ? limits.beamWidth : HORIZON_WIDTH,
                                     HORIZON_DEPTH, deadline, limits.progress);
  // Ranking by area alone, the large-grid beam can lose to the pairs on grids
  // of few colours; the pairs cost little beside it, so the shorter is kept.
  std::vector<std::int32_t> pairs = solveLookahead(graph, b);
  return pairs.size() < beam.size() ? pairs : beam;
}

std::int32_t startLowerBound(const BlobGraph& graph, std::int32_t b) {
  std::vector<BlobWord> start(blobWords(graph.blobCount()), 0);
  addBlob(start, 0);
  return StateProbe(graph, b).lowerBound(start);
}

}  // namespace

std::string_view strategyName(Strategy strategy) {
  return STRATEGY_NAMES[static_cast<std::size_t>(strategy)];
}

std::optional<Strategy> strategyByName(std::string_view name) {
  for (std::size_t at = 0; at < STRATEGY_NAMES.size(); ++at) {
    if (STRATEGY_NAMES[at] == name) return static_cast<Strategy>(at);
  }
  return std::nullopt;
}

SolverAnswer solve(const TestCase& testCase, Strategy strategy, const SearchLimits& limits) {
  const SearchDeadline deadline = SearchDeadline::after(limits.seconds);
  const BlobGraph graph(testCase);
  SolverAnswer answer;
  answer.lowerBound = startLowerBound(graph, testCase.b);
  switch (strategy) {
    case Strategy::Greedy:
      answer.moves = playUntilFlooded(graph, testCase.b, greediest);
      break;
    case Strategy::Lookahead:
      answer.moves = solveLookahead(graph, testCase.b);
      break;
    case Strategy::Beam:
      answer.moves = beamSearch(graph, testCase.b, answer.lowerBound, limits, deadline);
      break;
    case Strategy::Exact:
      answer.moves = beamSearch(graph, testCase.b, answer.lowerBound, limits, deadline);
      if (graph.blobCount() <= EXACT_MAX_BLOBS) {
        const ExactOutcome exact =
            exactSearch(graph, testCase.b, std::move(answer.moves), deadline, limits.exactMemoryBytes);
        answer.moves = exact.moves;
        answer.lowerBound = std::max(answer.lowerBound, exact.lowerBound);
      }
      answer.optimality = static_cast<std::size_t>(answer.lowerBound) == answer.moves.size()
                              ? Optimality::Proven
                              : Optimality::BestFound;
      break;
  }
  return answer;
}

std::vector<std::int32_t> solveGreedy(const TestCase& testCase) {
  return playUntilFlooded(BlobGraph(testCase), testCase.b, greediest);
}

std::vector<std::int32_t> solveLookahead(const TestCase& testCase) {
  return solveLookahead(BlobGraph(testCase), testCase.b);
}
