#pragma once

#include <cstdint>

// Registers the limit table's benchmarks, limit/<work>/limit beside
// limit/<work>/real, on the whole-process benchmark's data: streaming the test
// set's bytes beside the test-set reader, and the minimal flood (see
// MinimalFlood) beside the replay, of the ten answered grids and of the spine
// grid's short sections.
void registerLimitBenchmarks(std::int32_t side);
