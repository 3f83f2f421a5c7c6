#pragma once

#include <cstdint>
#include <vector>

#include "solve/blob_graph.h"
#include "solve/search_deadline.h"

// Beam search over whole states (the flooded blobs as bits), level by level:
// of all the states one move deeper, it keeps the `width` that need the
// fewest moves by the lower bound, then the largest flooded area. Repeated
// states are kept once. A state costs one bit per blob and ranking it a walk
// over the graph, so the width must shrink as the graph grows. Once the
// deadline passes it goes on with width 1, ranked by area alone (greedy).
// `progress`, if given, hears the leading state's area after every level.
std::vector<std::int32_t> stateBeamSearch(const BlobGraph& graph, std::int32_t b, std::int32_t width,
                                          const SearchDeadline& deadline,
                                          const SearchProgress& progress = {});
