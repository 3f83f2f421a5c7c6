#pragma once

#include "section_store.h"

// Registers the reading speed benchmarks, in bytes per second: one grid row
// and one long move line through the number reader, and a whole test set of
// one grid through the input file reader.
void registerReadingBenchmarks(SectionStore& store);
