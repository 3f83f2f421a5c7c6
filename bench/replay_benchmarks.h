#pragma once

#include "section_store.h"

// Registers, for every benchmark grid and answer, the evaluator's replay and
// the border-walk baseline side by side, named
// "replay/<grid>/<answer>/<boundary-lists|border-walk>".
void registerReplayBenchmarks(SectionStore& store);
