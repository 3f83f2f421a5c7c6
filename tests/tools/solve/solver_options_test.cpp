#include "solve/solver_options.h"

#include <gtest/gtest.h>

#include "support/usage_error_of.h"

namespace {

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
  };
  for (const auto& [arguments, message] : cases) {
    EXPECT_EQ(usageErrorOf(parseSolverOptions, arguments), message)
        << (arguments.empty() ? "" : arguments.front());
  }
}

}  // namespace
