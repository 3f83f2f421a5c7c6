#pragma once

#include <cstdint>
#include <vector>

#include "solve/blob_graph.h"
#include "solve/search_deadline.h"

// What the exact search knows when it stops.
struct ExactOutcome {
  std::vector<std::int32_t> moves;  // the shortest answer found
  std::int32_t lowerBound = 0;      // no answer has fewer moves
  bool proven = false;              // lowerBound == moves.size()
};

// A* over whole states with the probe's lower bound, which never
// overestimates and drops by at most one per move, so the first state that
// floods the grid is reached by a shortest answer. `known` is an answer
// already found (the beam's); the search looks only for shorter ones, so
// when it runs dry `known` is proven optimal. It stops at the deadline or
// when its states would take more than `memoryBytes`, keeping `known` and
// the smallest bound of the states still open. Once its states take
// `holdBackShare` of that memory, it keeps only the children of the f it
// expands and expands their parents again for the others: slower, but the
// memory then lasts several times longer.
ExactOutcome exactSearch(const BlobGraph& graph, std::int32_t b, std::vector<std::int32_t> known,
                         const SearchDeadline& deadline, std::size_t memoryBytes, double holdBackShare = 0.5);
