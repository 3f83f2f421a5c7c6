#include "limit_benchmarks.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "bench_sections.h"
#include "check/assertion.h"
#include "common/test_set_writer.h"
#include "minimal_flood.h"
#include "short_sections.h"
#include "submission/first_flood.h"
#include "submission/solution.h"
#include "testset/test_set_reader.h"
#include "view_stream.h"

namespace {

constexpr std::int32_t SPINE_SECTIONS = 300;

// A test set, its text and one section's lines per answer.
struct AnsweredSet {
  TestSet testSet;
  std::string input;
  std::vector<std::string> sections;   // the count and sequence lines
  std::vector<std::int32_t> answered;  // the test case (from 0) each section answers
};

// The ten benchmark grids with their greedy answers: bench-process.sh's honest set.
AnsweredSet makeHonestSet(std::int32_t side) {
  AnsweredSet set;
  for (std::size_t index = 0; index < std::size(BENCH_GRIDS); ++index) {
    set.testSet.push_back(makeBenchGrid(index, side, static_cast<std::int32_t>(index) + 1));
    set.sections.push_back(sectionLines(answerMoves(set.testSet.back(), Answer::Greedy)));
    set.answered.push_back(static_cast<std::int32_t>(index));
  }
  std::ostringstream text;
  writeTestSet(text, set.testSet);
  set.input = text.str();
  return set;
}

AnsweredSet makeSpineSet(std::int32_t side) {
  AnsweredSet set;
  set.testSet = {spineGrid(side, 1)};
  for (const auto& moves : spineSections(SPINE_SECTIONS)) {
    set.sections.push_back(sectionLines(moves));
    set.answered.push_back(0);
  }
  return set;
}

// The row spine, answered by sections that each flood it whole in two moves.
AnsweredSet makeRowSpineSet(std::int32_t side) {
  AnsweredSet set;
  set.testSet = {rowSpineGrid(side, 1)};
  for (std::int32_t i = 0; i < SPINE_SECTIONS; ++i) {
    set.sections.push_back(
        sectionLines(i % 2 == 0 ? std::vector<std::int32_t>{1, 2} : std::vector<std::int32_t>{2, 1}));
    set.answered.push_back(0);
  }
  return set;
}

// Each set is built on first use and kept.
class Sets {
 public:
  explicit Sets(std::int32_t side) : side_(side) {}
  const AnsweredSet& honest() {
    if (!honest_) honest_ = std::make_unique<AnsweredSet>(makeHonestSet(side_));
    return *honest_;
  }
  const AnsweredSet& spine() {
    if (!spine_) spine_ = std::make_unique<AnsweredSet>(makeSpineSet(side_));
    return *spine_;
  }
  const AnsweredSet& rowSpine() {
    if (!rowSpine_) rowSpine_ = std::make_unique<AnsweredSet>(makeRowSpineSet(side_));
    return *rowSpine_;
  }

 private:
  std::int32_t side_;
  std::unique_ptr<AnsweredSet> honest_;
  std::unique_ptr<AnsweredSet> spine_;
  std::unique_ptr<AnsweredSet> rowSpine_;
};

void countBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

// Every byte of the test set read once, eight at a time, and added up: the
// limit of any reader.
std::uint64_t sumOfBytes(std::string_view text) {
  std::uint64_t sum = 0;
  std::size_t at = 0;
  for (; at + sizeof sum <= text.size(); at += sizeof sum) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, sizeof word);
    sum += word;
  }
  for (; at < text.size(); ++at) sum += static_cast<unsigned char>(text[at]);
  return sum;
}

void streamBytes(benchmark::State& state, const AnsweredSet& set) {
  for (auto _ : state) benchmark::DoNotOptimize(sumOfBytes(set.input));
  countBytes(state, set.input.size());
}

void readWholeTestSet(benchmark::State& state, const AnsweredSet& set) {
  TestSet testSet;
  for (auto _ : state) {
    ViewStream stream(set.input);
    readTestSet(stream, testSet);
    benchmark::DoNotOptimize(testSet.data());
  }
  countBytes(state, set.input.size());
}

// The sections in turn as the evaluation run replays them, with one set of
// working grids, fresh in every iteration unless `warm` (then each test
// case's first flood is computed before the timing).
void replaySections(benchmark::State& state, const AnsweredSet& set, bool warm) {
  std::unique_ptr<WorkingGrids> grids = std::make_unique<WorkingGrids>();
  if (warm) {
    for (const TestCase& testCase : set.testSet) grids->startSection(testCase);
  }
  for (auto _ : state) {
    if (!warm) grids = std::make_unique<WorkingGrids>();
    for (std::size_t i = 0; i < set.sections.size(); ++i) {
      const TestCase& testCase = set.testSet[static_cast<std::size_t>(set.answered[i])];
      ViewStream stream(set.sections[i]);
      LineCounter lineCounter = 0;
      Solution solution;
      try {
        solution.readAndCheck(stream, lineCounter, testCase.number, testCase, *grids);
      } catch (const EAssertion& failure) {
        state.SkipWithError(failure.message.c_str());
        return;
      }
      benchmark::DoNotOptimize(solution.moveCount);
    }
  }
}

// The minimal flood of the honest set: every grid from its top-left cell,
// as its first flood and its section's moves flood it together.
// The benchmark's loop runs over a state it changes.
// cppcheck-suppress constParameter
void floodWholeGrids(benchmark::State& state, const AnsweredSet& set) {
  std::vector<MinimalFlood> floods;
  for (const TestCase& testCase : set.testSet) floods.emplace_back(framedGrid(testCase), testCase.w);
  const std::int32_t seed[1] = {framedIndex(set.testSet[0].w, 0, 0)};
  for (auto _ : state) {
    for (MinimalFlood& flood : floods) benchmark::DoNotOptimize(flood.flood(seed));
  }
}

// The minimal flood of the spine's sections: from the first flood's state,
// every cell waiting at its border and onward, once per section.
// The benchmark's loop runs over a state it changes.
// cppcheck-suppress constParameter
void floodFromFirstFlood(benchmark::State& state, const AnsweredSet& set) {
  const FirstFlood first = computeFirstFlood(set.testSet[0]);
  MinimalFlood flood(first.cells, first.w);
  for (auto _ : state) {
    for (std::size_t i = 0; i < set.sections.size(); ++i)
      benchmark::DoNotOptimize(flood.flood(first.waiting));
  }
}

void add(const std::string& name, const std::function<void(benchmark::State&)>& run) {
  benchmark::RegisterBenchmark(("limit/" + name).c_str(), run)->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerLimitBenchmarks(std::int32_t side) {
  auto sets = std::make_shared<Sets>(side);
  add("test-set-reading/limit", [sets](benchmark::State& state) { streamBytes(state, sets->honest()); });
  add("test-set-reading/real", [sets](benchmark::State& state) { readWholeTestSet(state, sets->honest()); });
  add("honest-replay/limit", [sets](benchmark::State& state) { floodWholeGrids(state, sets->honest()); });
  add("honest-replay/real",
      [sets](benchmark::State& state) { replaySections(state, sets->honest(), false); });
  add("spine-sections/limit", [sets](benchmark::State& state) { floodFromFirstFlood(state, sets->spine()); });
  add("spine-sections/real", [sets](benchmark::State& state) { replaySections(state, sets->spine(), true); });
  add("row-spine-sections/limit",
      [sets](benchmark::State& state) { floodFromFirstFlood(state, sets->rowSpine()); });
  add("row-spine-sections/real",
      [sets](benchmark::State& state) { replaySections(state, sets->rowSpine(), true); });
}
