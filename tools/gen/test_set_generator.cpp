#include "gen/test_set_generator.h"

TestCase drawTestCase(const GeneratorSettings& settings, std::int32_t number, RandomSource& random) {
  const std::int32_t w = random.between(settings.width.low, settings.width.high);
  const std::int32_t h = random.between(settings.height.low, settings.height.high);
  const std::int32_t b = random.between(settings.colours.low, settings.colours.high);
  const auto slot = static_cast<std::size_t>(number - 1) % settings.patterns.size();
  return generateTestCase(settings.patterns[slot], number, w, h, b, random, settings.params);
}

TestSet generateTestSet(const GeneratorSettings& settings) {
  RandomSource random(settings.seed);
  TestSet testSet;
  for (std::int32_t number = 1; number <= settings.caseCount; ++number) {
    testSet.push_back(drawTestCase(settings, number, random));
  }
  return testSet;
}
