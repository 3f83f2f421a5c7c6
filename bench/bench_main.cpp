// barvotok-bench: the replay and reading benchmarks of the evaluator, and the
// reference solver's lower bound.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "limit_benchmarks.h"
#include "probe_benchmarks.h"
#include "ratio_table.h"
#include "reading_benchmarks.h"
#include "replay_benchmarks.h"
#include "short_section_benchmarks.h"

namespace {

// Border-walk work for one to two seconds: enough to replay the random
// 100-colour greedy section whole. A section that needs more is replayed in
// part and extrapolated.
constexpr std::int64_t DEFAULT_BORDER_WALK_BUDGET = 60'000'000;

struct BenchOptions {
  std::int32_t side = 1000;
  std::int64_t borderWalkBudget = DEFAULT_BORDER_WALK_BUDGET;
};

// Reads "<flag><number>"; false when the argument is not this flag. A bad
// number is a usage error.
bool takeValue(std::string_view argument, std::string_view flag, std::int64_t low, std::int64_t high,
               std::int64_t& value) {
  if (argument.substr(0, flag.size()) != flag) return false;
  const std::string text(argument.substr(flag.size()));
  char* end = nullptr;
  const long long parsed = std::strtoll(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || parsed < low || parsed > high) {
    throw std::invalid_argument("bad value in '" + std::string(argument) + "'");
  }
  value = parsed;
  return true;
}

// Takes our own flags out of the arguments and puts `defaults` in front, so
// that flags given on the command line, which come later, win.
std::vector<char*> benchmarkArguments(int argc, char** argv, std::vector<std::string>& defaults,
                                      BenchOptions& options) {
  std::vector<char*> arguments{argv[0]};
  for (std::string& flag : defaults) arguments.push_back(flag.data());
  for (int i = 1; i < argc; ++i) {
    std::int64_t value = 0;
    if (takeValue(argv[i], "--side=", 1, 1000, value)) {
      options.side = static_cast<std::int32_t>(value);
    } else if (takeValue(argv[i], "--border-walk-budget=", 1, INT64_MAX, value)) {
      options.borderWalkBudget = value;
    } else {
      arguments.push_back(argv[i]);
    }
  }
  arguments.push_back(nullptr);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  BenchOptions options;
  // A comparison wants medians: five repetitions, their aggregates only.
  // It lives as long as `arguments`, which points into it.
  // cppcheck-suppress variableScope
  std::vector<std::string> defaults{"--benchmark_repetitions=5", "--benchmark_display_aggregates_only=true"};
  std::vector<char*> arguments;
  try {
    arguments = benchmarkArguments(argc, argv, defaults, options);
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "barvotok-bench: %s\n", error.what());
    return 2;
  }
  int count = static_cast<int>(arguments.size()) - 1;
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 2;

  SectionStore store(options.side, options.borderWalkBudget);
  registerReplayBenchmarks(store);
  registerShortSectionBenchmarks(options.side);
  registerReadingBenchmarks(store);
  registerLimitBenchmarks(options.side);
  registerProbeBenchmarks();
  // Our reporter replaces the library's, which would have taken colour
  // only on a terminal; so does this one.
  RatioTable table(isatty(STDOUT_FILENO) != 0 ? benchmark::ConsoleReporter::OO_Defaults
                                              : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&table);
  benchmark::Shutdown();
  return 0;
}
