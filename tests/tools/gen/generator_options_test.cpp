#include "gen/generator_options.h"

#include <gtest/gtest.h>

#include "support/usage_error_of.h"

namespace {

TEST(GeneratorOptions, ReadsEveryOption) {
  const GeneratorOptions options =
      parseGeneratorOptions({"-n", "3", "--width=10..20", "--height", "7", "--colours", "100", "-p",
                             "comb,holes", "--seed", "18446744073709551615", "--cluster", "0.25",
                             "--stripe-width", "4", "--hole-density=1", "-o", "out.txt"});
  const GeneratorSettings& settings = options.settings;
  EXPECT_EQ(settings.caseCount, 3);
  EXPECT_EQ(settings.width.low, 10);
  EXPECT_EQ(settings.width.high, 20);
  EXPECT_EQ(settings.height.low, 7);
  EXPECT_EQ(settings.height.high, 7);
  EXPECT_EQ(settings.colours.high, 100);
  EXPECT_EQ(settings.patterns, (std::vector<Pattern>{Pattern::Comb, Pattern::Holes}));
  EXPECT_EQ(settings.seed, UINT64_MAX);
  EXPECT_EQ(settings.params.clusterProbability, 0.25);
  EXPECT_EQ(settings.params.stripeWidth, 4);
  EXPECT_EQ(settings.params.holeDensity, 1.0);
  EXPECT_EQ(options.output, "out.txt");
  EXPECT_FALSE(options.help);
  EXPECT_EQ(parseGeneratorOptions({"-p", "mixed"}).settings.patterns.size(), ALL_PATTERNS.size());
  EXPECT_TRUE(parseGeneratorOptions({"--help"}).help);
}

TEST(GeneratorOptions, RejectsBadArguments) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      // The generator's own limits; the shared readers' messages are tested once, with them.
      {{"--cases", "0"}, "invalid value '0' for --cases: a whole number from 1 to 2147483647"},
      {{"--width", "0..5"}, "invalid value '0..5' for --width: a number or a range A..B within 1..1000"},
      {{"--height", "1001"}, "invalid value '1001' for --height: a number or a range A..B within 1..1000"},
      {{"--colours", "101"}, "invalid value '101' for --colours: a number or a range A..B within 1..100"},
      {{"-p", "uniform,zigzag"}, "unknown pattern 'zigzag' (see --help)"},
      {{"extra"}, "unexpected argument 'extra'"},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(usageErrorOf(parseGeneratorOptions, arguments), message) << arguments.front();
  }
}

}  // namespace
