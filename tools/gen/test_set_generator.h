#pragma once

#include <cstdint>
#include <vector>

#include "common/size_range.h"
#include "gen/pattern.h"
#include "gen/random_source.h"

// Everything that fixes a generated test set: the same settings give the
// same test set, byte for byte, on every machine.
struct GeneratorSettings {
  std::int32_t caseCount = 1;
  SizeRange width{100, 100};
  SizeRange height{100, 100};
  SizeRange colours{6, 6};
  std::vector<Pattern> patterns{Pattern::Uniform};  // test case i takes entry (i - 1) mod size
  PatternParams params;
  std::uint64_t seed = 1;
};

// Draws test case `number` (from 1): its w, h and b in that order, then its
// cells. Call it for numbers 1, 2, ... in turn with one source seeded by the
// settings' seed; generateTestSet does exactly that.
TestCase drawTestCase(const GeneratorSettings& settings, std::int32_t number, RandomSource& random);

TestSet generateTestSet(const GeneratorSettings& settings);
