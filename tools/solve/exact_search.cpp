#include "solve/exact_search.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <span>

#if defined(__linux__)
#include <sys/mman.h>
#endif

#include "solve/blob_set.h"
#include "solve/state_probe.h"
#include "testset/test_case.h"

namespace {

constexpr std::uint32_t NO_NODE = 0xFFFFFFFFU;

// Twelve bytes a node, as there may be millions: a move is a colour (at
// most MAX_COLOURS), and moves and bounds are at most the graph's blobs,
// which run() holds to MAX_MOVES.
struct Node {
  std::uint32_t parent;
  std::int16_t moves;  // from the start to this state
  std::int16_t bound;  // the lower bound on the moves still needed
  std::uint8_t move;
  bool forced;          // the move was the parent's only one
  std::int16_t heldAt;  // the least f of the children its expansion held back, or 0
};
static_assert(MAX_COLOURS <= UINT8_MAX);
constexpr std::int32_t MAX_MOVES = INT16_MAX;

Node makeNode(std::uint32_t parent, std::int32_t move, std::int32_t moves, std::int32_t bound, bool forced) {
  return {parent,
          static_cast<std::int16_t>(moves),
          static_cast<std::int16_t>(bound),
          static_cast<std::uint8_t>(move),
          forced,
          0};
}

// Asks for large pages under a buffer reserved for the whole search. It
// fills hundreds of megabytes within seconds, and taking them from the
// kernel a small page at a time cost a tenth of the search.
template <typename T>
void preferLargePages(std::vector<T>& buffer) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t LARGE_PAGE = std::uintptr_t{2} << 20;
  char* const data = reinterpret_cast<char*>(buffer.data());
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t from = (begin + LARGE_PAGE - 1) & ~(LARGE_PAGE - 1);
  const std::uintptr_t to = (begin + buffer.capacity() * sizeof(T)) & ~(LARGE_PAGE - 1);
  // Only a hint: where the kernel declines, small pages serve as before.
  if (to > from) static_cast<void>(madvise(data + (from - begin), to - from, MADV_HUGEPAGE));
#else
  static_cast<void>(buffer);
#endif
}

class AStar {
 public:
  AStar(const BlobGraph& graph, std::int32_t b, std::vector<std::int32_t> known,
        const SearchDeadline& deadline, std::size_t memoryBytes, double holdBackShare)
      : b_(b), deadline_(deadline), words_(blobWords(graph.blobCount())), probe_(graph, b) {
    outcome_.moves = std::move(known);
    // A node costs its state, its record, up to four table slots (the table
    // is between a quarter and half full) and its places in the buckets,
    // whose vectors may be twice the size of what they hold.
    nodeLimit_ = std::min<std::size_t>(NO_NODE, memoryBytes / (words_ * sizeof(BlobWord) + sizeof(Node) +
                                                               4 * sizeof(Slot) + 2 * sizeof(std::uint32_t)));
    // Room for every node the memory allows, taken as it is used: growing
    // by doubling copied the states over and over.
    nodes_.reserve(nodeLimit_);
    states_.reserve(nodeLimit_ * words_);
    table_.reserve(std::bit_ceil(2 * nodeLimit_));
    holdFrom_ = static_cast<std::size_t>(holdBackShare * static_cast<double>(nodeLimit_));
    preferLargePages(nodes_);
    preferLargePages(states_);
    preferLargePages(table_);
  }

  ExactOutcome run() {
    const auto best = static_cast<std::int32_t>(outcome_.moves.size());
    std::vector<BlobWord> start(words_, 0);
    addBlob(start, 0);
    const std::int32_t bound = probe_.lowerBound(start);
    // Only states that may beat the known answer are kept, so no bucket is
    // added while one is being emptied.
    open_.resize(static_cast<std::size_t>(std::max(best, 0)));
    outcome_.lowerBound = std::min(bound, best);
    if (bound < best) addNode(start, hashBlobs(start), makeNode(NO_NODE, 0, 0, bound, false));
    std::uint32_t expansions = 0;
    for (std::int32_t f = bound; f < best; ++f) {
      auto& layers = open_[static_cast<std::size_t>(f)];
      while (std::vector<std::uint32_t>* bucket = deepest(layers)) {
        // Checking the clock costs more than a small expansion.
        if ((++expansions & 63U) == 0 && deadline_.passed()) return stopped(f);
        const std::uint32_t node = bucket->back();
        bucket->pop_back();
        const Node& record = nodes_[node];
        // Either the node's own f, or the turn of the children it held back.
        const bool heldBackTurn = record.heldAt != 0 && record.heldAt == f;
        if (!heldBackTurn && record.moves + record.bound != f) continue;  // reached again by a shorter way
        if (!heldBackTurn && record.bound == 0) return found(node);
        if (!expand(node, f, best)) return stopped(f);
      }
    }
    outcome_.lowerBound = best;
    outcome_.proven = true;
    return outcome_;
  }

 private:
  std::span<const BlobWord> state(std::uint32_t node) const {
    return std::span<const BlobWord>(states_).subspan(node * words_, words_);
  }

  // Keeps the children of `node` whose f is below `best`, or, once the
  // memory is scarce, only those whose f is at most `f`, the one being
  // expanded: the node goes back into the open states at the least f of
  // the others, and is expanded again there (the children it kept are in
  // the table by then, and are not kept twice). An answer through a child
  // held back passes through the node, still open at no more than the
  // child's f, so the search stays complete and its lower bound sound.
  // False when the memory is spent.
  bool expand(std::uint32_t node, std::int32_t f, std::int32_t best) {
    scratch_.assign(state(node).begin(), state(node).end());
    const Node record = nodes_[node];
    const std::int32_t moves = record.moves + 1;
    probe_.collectMoves(scratch_);
    const std::int32_t clearable = probe_.clearableColour();
    // Of two moves in a row that commute, only the order that plays the
    // smaller colour first is searched. The other order is searched from the
    // parent, unless the move here was the only one tried there; and no move
    // is dropped where only one is tried here.
    const bool ordered = record.parent != NO_NODE && !record.forced && clearable == 0;
    if (ordered) parent_.assign(state(record.parent).begin(), state(record.parent).end());
    // The children first, each with its hash and its table slot asked of
    // the memory: a slot is far more often out of the cache than not, and
    // meanwhile the others are built and ranked.
    children_.clear();
    childStates_.clear();
    for (std::int32_t colour = 1; colour <= b_; ++colour) {
      if (probe_.gain(colour) == 0 || (clearable != 0 && colour != clearable) ||
          probe_.isDeferrable(scratch_, colour))
        continue;
      if (ordered && colour < record.move && probe_.commutes(parent_, scratch_, colour, record.move))
        continue;
      const std::size_t at = childStates_.size();
      childStates_.insert(childStates_.end(), scratch_.begin(), scratch_.end());
      const std::span<BlobWord> child = std::span<BlobWord>(childStates_).subspan(at, words_);
      for (const std::int32_t blob : probe_.waiting(colour)) addBlob(child, blob);
      children_.push_back({colour, hashBlobs(child)});
      if (!table_.empty()) __builtin_prefetch(&table_[children_.back().hash & (table_.size() - 1)]);
    }
    const bool holding = nodes_.size() >= holdFrom_;
    std::int32_t heldAt = best;
    for (std::size_t at = 0; at < children_.size(); ++at) {
      const std::span<const BlobWord> child =
          std::span<const BlobWord>(childStates_).subspan(at * words_, words_);
      const auto [colour, hash] = children_[at];
      const std::uint32_t seen = find(child, hash);
      if (seen != NO_NODE && nodes_[seen].moves <= moves) continue;
      const std::int32_t bound =
          seen != NO_NODE ? nodes_[seen].bound : probe_.lowerBoundAfter(child, colour, best - moves);
      if (moves + bound >= best) continue;
      if (holding && moves + bound > f) {
        heldAt = std::min(heldAt, moves + bound);
        continue;
      }
      if (seen != NO_NODE) {
        nodes_[seen] = makeNode(node, colour, moves, bound, clearable != 0);
        push(seen);
      } else {
        if (nodes_.size() >= nodeLimit_) return false;
        addNode(child, hash, makeNode(node, colour, moves, bound, clearable != 0));
      }
    }
    nodes_[node].heldAt = static_cast<std::int16_t>(heldAt < best ? heldAt : 0);
    if (heldAt < best) push(node, heldAt);
    return true;
  }

  void addNode(std::span<const BlobWord> flooded, std::uint64_t hash, const Node& record) {
    const auto node = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back(record);
    states_.insert(states_.end(), flooded.begin(), flooded.end());
    insert(node, hash);
    push(node);
  }

  void push(std::uint32_t node) { push(node, nodes_[node].moves + nodes_[node].bound); }

  void push(std::uint32_t node, std::int32_t f) {
    const Node& record = nodes_[node];
    auto& layers = open_[static_cast<std::size_t>(f)];
    const auto moves = static_cast<std::size_t>(record.moves);
    if (layers.size() <= moves) layers.resize(moves + 1);
    layers[moves].push_back(node);
  }

  // Of the open nodes of one f, those with the most moves played: they are
  // the nearest to an answer, and the first answer found ends the search.
  static std::vector<std::uint32_t>* deepest(std::vector<std::vector<std::uint32_t>>& layers) {
    while (!layers.empty() && layers.back().empty()) layers.pop_back();
    return layers.empty() ? nullptr : &layers.back();
  }

  // An open-addressing table of node numbers keyed by their states. A slot
  // keeps the high half of its state's hash beside the node, so a probe
  // compares whole states only where the halves agree.
  using Slot = std::uint64_t;
  static constexpr Slot EMPTY = NO_NODE;
  static Slot slotOf(std::uint64_t hash, std::uint32_t node) { return (hash & ~Slot{NO_NODE}) | node; }
  static std::uint32_t nodeIn(Slot slot) { return static_cast<std::uint32_t>(slot & NO_NODE); }

  std::uint32_t find(std::span<const BlobWord> flooded, std::uint64_t hash) const {
    if (table_.empty()) return NO_NODE;
    const std::size_t mask = table_.size() - 1;
    const Slot tag = slotOf(hash, 0);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const Slot entry = table_[slot];
      if (entry == EMPTY) return NO_NODE;
      if ((entry & ~Slot{NO_NODE}) == tag && std::ranges::equal(state(nodeIn(entry)), flooded))
        return nodeIn(entry);
    }
  }

  void insert(std::uint32_t node, std::uint64_t hash) {
    if (2 * (nodes_.size() + 1) > table_.size()) {
      table_.assign(std::max<std::size_t>(1024, table_.size() * 2), EMPTY);
      for (std::uint32_t at = 0; at < node; ++at) place(at, hashBlobs(state(at)));
    }
    place(node, hash);
  }

  void place(std::uint32_t node, std::uint64_t hash) {
    const std::size_t mask = table_.size() - 1;
    std::size_t slot = hash & mask;
    while (table_[slot] != EMPTY) slot = (slot + 1) & mask;
    table_[slot] = slotOf(hash, node);
  }

  ExactOutcome found(std::uint32_t node) {
    outcome_.moves.clear();
    for (std::uint32_t at = node; nodes_[at].parent != NO_NODE; at = nodes_[at].parent) {
      outcome_.moves.push_back(nodes_[at].move);
    }
    std::reverse(outcome_.moves.begin(), outcome_.moves.end());
    outcome_.lowerBound = static_cast<std::int32_t>(outcome_.moves.size());
    outcome_.proven = true;
    return outcome_;
  }

  // Every answer shorter than the known one passes through an open state,
  // so none has fewer moves than the smallest bound still open.
  ExactOutcome stopped(std::int32_t f) {
    outcome_.lowerBound = f;
    return outcome_;
  }

  std::int32_t b_;
  const SearchDeadline& deadline_;
  std::size_t words_;
  StateProbe probe_;
  std::size_t nodeLimit_;
  std::size_t holdFrom_;  // from this many nodes on, the memory is scarce
  ExactOutcome outcome_;
  std::vector<Node> nodes_;
  std::vector<BlobWord> states_;  // words_ per node
  std::vector<Slot> table_;       // a power of two in size
  // The open nodes by moves + bound, then by moves.
  std::vector<std::vector<std::vector<std::uint32_t>>> open_;
  std::vector<BlobWord> scratch_;
  std::vector<BlobWord> parent_;  // the state of the node's parent
  // The children of the node being expanded: their moves and hashes, and
  // their states, words_ each.
  struct Child {
    std::int32_t colour;
    std::uint64_t hash;
  };
  std::vector<Child> children_;
  std::vector<BlobWord> childStates_;
};

}  // namespace

ExactOutcome exactSearch(const BlobGraph& graph, std::int32_t b, std::vector<std::int32_t> known,
                         const SearchDeadline& deadline, std::size_t memoryBytes, double holdBackShare) {
  // A move floods a blob at least, so no state is more moves deep than the
  // graph has blobs; a graph of more blobs than a node counts is far beyond
  // what the search could hold anyway.
  if (graph.blobCount() > MAX_MOVES) return {std::move(known), 0, false};
  return AStar(graph, b, std::move(known), deadline, memoryBytes, holdBackShare).run();
}
