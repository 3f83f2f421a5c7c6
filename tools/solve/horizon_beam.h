#pragma once

#include <cstdint>
#include <vector>

#include "solve/blob_graph.h"
#include "solve/search_deadline.h"

// Beam search for graphs too large to copy per state. A state is the played
// region plus a few moves beyond it, replayed on demand, so it costs a few
// words and the beam's memory is that of the graph. Each step runs a beam
// `depth` moves deep and `width` states wide, ranked by flooded area, and
// plays the first move of the best line found. Once the deadline passes it
// goes on greedily.
std::vector<std::int32_t> horizonBeamSearch(const BlobGraph& graph, std::int32_t b, std::int32_t width,
                                            std::int32_t depth, const SearchDeadline& deadline,
                                            const SearchProgress& progress);
