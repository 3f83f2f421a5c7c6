#pragma once

#include <cstdint>

// Registers the sets of many distinct short sections (short_sections.h), one
// section per iteration in turn, the evaluator's replay beside the border
// walk: "replay/uniform/two-moves/...", "replay/alternating/two-moves/..."
// and "replay/spine/short/...". Also "first-flood/<grid>", the work done
// once per test case before its first section.
void registerShortSectionBenchmarks(std::int32_t side);
