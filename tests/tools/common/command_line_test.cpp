#include "common/command_line.h"

#include <gtest/gtest.h>

#include "gen/generator_options.h"
#include "solve/solver_options.h"

namespace {

template <typename Parse>
std::string usageErrorOf(Parse parse, const std::vector<std::string>& arguments) {
  try {
    parse(arguments);
  } catch (const UsageError& error) {
    return error.message;
  }
  return "(accepted)";
}

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
      {{"--cases", "0"}, "invalid value '0' for --cases: a whole number from 1 to 2147483647"},
      {{"--cases"}, "option --cases needs a value"},
      {{"--width", "0..5"}, "invalid value '0..5' for --width: a number or a range A..B within 1..1000"},
      {{"--width", "5..4"}, "invalid value '5..4' for --width: a number or a range A..B within 1..1000"},
      {{"--height", "1001"}, "invalid value '1001' for --height: a number or a range A..B within 1..1000"},
      {{"--colours", "3.."}, "invalid value '3..' for --colours: a number or a range A..B within 1..100"},
      {{"--colours", " 3"}, "invalid value ' 3' for --colours: a number or a range A..B within 1..100"},
      {{"-p", "uniform,zigzag"}, "unknown pattern 'zigzag' (see --help)"},
      {{"--seed", "-1"}, "invalid value '-1' for --seed: a whole number from 0 to 18446744073709551615"},
      {{"--cluster", "1.5"}, "invalid value '1.5' for --cluster: a probability from 0 to 1"},
      {{"--hole-density", "nan"}, "invalid value 'nan' for --hole-density: a probability from 0 to 1"},
      {{"--help=yes"}, "option --help takes no value"},
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"extra"}, "unexpected argument 'extra'"},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(usageErrorOf(parseGeneratorOptions, arguments), message) << arguments.front();
  }
}

TEST(SolverOptions, ReadsEveryOption) {
  const SolverOptions options =
      parseSolverOptions({"--strategy", "lookahead", "--contestant", "12abcd", "--pad", "max", "--drop-last",
                          "2", "--stop-after=9", "-q", "-o", "sub.txt", "--", "-"});
  EXPECT_EQ(options.input, "-");
  EXPECT_EQ(options.output, "sub.txt");
  EXPECT_EQ(options.strategy, Strategy::Lookahead);
  EXPECT_EQ(options.contestant, "12abcd");
  EXPECT_EQ(options.shape.idleMoves, MAX_SECTION_MOVES);
  EXPECT_EQ(options.shape.dropLast, 2);
  EXPECT_EQ(options.shape.stopAfter, 9);
  EXPECT_FALSE(options.table);

  const SolverOptions defaults = parseSolverOptions({"in.txt"});
  EXPECT_EQ(defaults.input, "in.txt");
  EXPECT_EQ(defaults.output, "-");
  EXPECT_EQ(defaults.strategy, Strategy::Beam);
  EXPECT_EQ(defaults.contestant, "000000");
  EXPECT_EQ(defaults.shape.idleMoves, 0);
  EXPECT_FALSE(defaults.shape.stopAfter.has_value());
  EXPECT_TRUE(defaults.table);
  EXPECT_TRUE(parseSolverOptions({"-h"}).help);
}

TEST(SolverOptions, RejectsBadArguments) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "missing INPUT"},
      {{"a.txt", "b.txt"}, "more than one INPUT"},
      {{"--strategy", "best", "in"}, "unknown strategy 'best' (see --help)"},
      {{"--contestant", "12345", "in"},
       "invalid value '12345' for --contestant: 6 characters starting with a number"},
      {{"--contestant", "abcdef", "in"},
       "invalid value 'abcdef' for --contestant: 6 characters starting with a number"},
      {{"--pad", "all", "in"}, "invalid value 'all' for --pad: a whole number from 0 to 1000000"},
      {{"--stop-after", "-1", "in"}, "invalid value '-1' for --stop-after: a whole number from 0 to 1000000"},
      {{"--quiet=1", "in"}, "option --quiet takes no value"},
      {{"-x", "in"}, "unknown option '-x'"},
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(usageErrorOf(parseSolverOptions, arguments), message)
        << (arguments.empty() ? "" : arguments.front());
  }
}

}  // namespace
