#include "short_section_benchmarks.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bench_sections.h"
#include "border_walk_replay.h"
#include "check/assertion.h"
#include "short_sections.h"
#include "submission/first_flood.h"
#include "submission/solution.h"
#include "view_stream.h"

namespace {

using Clock = std::chrono::steady_clock;

// A test set and its sections, section i answering test case i modulo the
// test set's size; built on first use.
struct ShortSections {
  TestSet testSet;
  std::vector<std::vector<std::int32_t>> moves;
  std::vector<std::string> lines;
};

enum class ShortSet { Uniform, Alternating, Spine };

std::unique_ptr<ShortSections> makeSet(ShortSet set, std::int32_t side) {
  auto made = std::make_unique<ShortSections>();
  switch (set) {
    case ShortSet::Uniform:
      made->testSet = {uniformGrid(side, 1)};
      made->moves = twoMoveSections(2000);
      break;
    case ShortSet::Alternating:
      made->testSet = {uniformGrid(side, 1), uniformGrid(side, 2)};
      made->moves = twoMoveSections(2000);
      break;
    case ShortSet::Spine:
      made->testSet = {spineGrid(side, 1)};
      made->moves = spineSections(300);
      break;
  }
  for (const auto& moves : made->moves) made->lines.push_back(sectionLines(moves));
  return made;
}

double averageMoves(const ShortSections& set) {
  double moves = 0;
  for (const auto& section : set.moves) moves += static_cast<double>(section.size());
  return moves / static_cast<double>(set.moves.size());
}

// The evaluator's section, as replayBoundaryLists times it, with the next
// section of the set in every iteration. The first floods are computed
// before the timing starts.
void shortBoundaryLists(benchmark::State& state, const ShortSections& set) {
  WorkingGrids grids;
  for (const TestCase& testCase : set.testSet) grids.startSection(testCase);
  std::size_t next = 0;
  for (auto _ : state) {
    const TestCase& testCase = set.testSet[next % set.testSet.size()];
    const Clock::time_point start = Clock::now();
    ViewStream stream(set.lines[next]);
    LineCounter lineCounter = 0;
    Solution solution;
    try {
      solution.readAndCheck(stream, lineCounter, testCase.number, testCase, grids);
    } catch (const EAssertion& failure) {
      state.SkipWithError(failure.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(solution.moveCount);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    next = (next + 1) % set.lines.size();
  }
  state.counters["moves"] = averageMoves(set);
}

// The border walk on the same sections: copy, first flood, moves, final check.
void shortBorderWalk(benchmark::State& state, const ShortSections& set) {
  std::size_t next = 0;
  for (auto _ : state) {
    const TestCase& testCase = set.testSet[next % set.testSet.size()];
    const Clock::time_point start = Clock::now();
    BorderWalkSolution solution;
    solution.replayAndCheck(testCase.number, testCase, set.moves[next]);
    benchmark::DoNotOptimize(solution.moveCount);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    next = (next + 1) % set.lines.size();
  }
  state.counters["moves"] = averageMoves(set);
}

void registerSet(ShortSet set, const std::string& name, std::int32_t side) {
  auto store = std::make_shared<std::unique_ptr<ShortSections>>();
  const auto sections = [store, set, side]() -> const ShortSections& {
    if (!*store) *store = makeSet(set, side);
    return **store;
  };
  benchmark::RegisterBenchmark(("replay/" + name + "/boundary-lists").c_str(),
                               [sections](benchmark::State& state) { shortBoundaryLists(state, sections()); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(("replay/" + name + "/border-walk").c_str(),
                               [sections](benchmark::State& state) { shortBorderWalk(state, sections()); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

// What a test case costs once, before its first section: its first flood,
// and its working grid copied from it.
void registerFirstFlood(const std::string& name, std::int32_t side,
                        TestCase (*makeGrid)(std::int32_t, std::int32_t)) {
  // The benchmark's loop runs over a state it changes.
  // cppcheck-suppress constParameter
  benchmark::RegisterBenchmark(("first-flood/" + name).c_str(), [side, makeGrid](benchmark::State& state) {
    const TestCase grid = makeGrid(side, 1);
    for (auto _ : state) {
      const FirstFlood first = computeFirstFlood(grid);
      std::vector<FloodCell> working = first.cells;
      benchmark::DoNotOptimize(working.data());
    }
  })->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerShortSectionBenchmarks(std::int32_t side) {
  registerSet(ShortSet::Uniform, "uniform/two-moves", side);
  registerSet(ShortSet::Alternating, "alternating/two-moves", side);
  registerSet(ShortSet::Spine, "spine/short", side);
  registerFirstFlood("uniform", side, uniformGrid);
  registerFirstFlood("spine", side, spineGrid);
}
