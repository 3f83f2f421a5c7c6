#include "replay_benchmarks.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "border_walk_replay.h"
#include "check/assertion.h"
#include "submission/solution.h"
#include "text/numbers.h"
#include "view_stream.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// The evaluator's whole section: reading the two lines, the replay, the
// final check and putting back the cells the previous iteration changed,
// with one set of working grids lent to every iteration as the evaluation
// run lends it to every section. The first flood, once per test case, is
// computed before the timing starts (first-flood/<grid> times it).
void replayBoundaryLists(benchmark::State& state, SectionStore& store, std::size_t index, Answer answer) {
  const BenchSection& section = store.section(index, answer);
  WorkingGrids grids;
  grids.startSection(*section.grid);
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    ViewStream stream(section.lines);
    LineCounter lineCounter = 0;
    Solution solution;
    try {
      solution.readAndCheck(stream, lineCounter, section.grid->number, *section.grid, grids);
    } catch (const EAssertion& failure) {
      state.SkipWithError(failure.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(solution.moveCount);
    state.SetIterationTime(secondsBetween(start, Clock::now()));
  }
  state.counters["moves"] = static_cast<double>(section.moves.size());
}

// The baseline on the same section. Where the whole section would take
// minutes or hours, it plays only a prefix of the moves, and the time of the
// walk is scaled by the section's work over the prefix's work (the entries
// walked, which the border sizes foretell exactly); "walked" shows the share
// actually replayed, 1 when nothing is extrapolated.
void replayBorderWalk(benchmark::State& state, SectionStore& store, std::size_t index, Answer answer) {
  const BenchSection& section = store.section(index, answer);
  const std::size_t playedMoves = section.borderWalkMoves;
  const bool whole = playedMoves == section.moves.size();
  double share = 1;
  std::vector<std::int32_t> moves;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    BorderWalkSolution solution;
    parseNumbers(section.movesLine, moves);
    solution.setUp(section.grid->number, *section.grid, moves);
    const Clock::time_point walkStart = Clock::now();
    solution.playInitialFlood();
    for (std::size_t turn = 1; turn <= playedMoves; ++turn) solution.playMove(turn);
    const Clock::time_point walkEnd = Clock::now();
    if (whole) solution.checkFlooded();
    const Clock::time_point end = Clock::now();
    share = static_cast<double>(solution.walkedEntries()) / static_cast<double>(section.borderWalkWork);
    state.SetIterationTime(secondsBetween(start, walkStart) + secondsBetween(walkStart, walkEnd) / share +
                           secondsBetween(walkEnd, end));
  }
  state.counters["moves"] = static_cast<double>(section.moves.size());
  state.counters["walked"] = share;
}

void registerPair(SectionStore& store, std::size_t index, Answer answer) {
  const std::string name =
      "replay/" + std::string(BENCH_GRIDS[index].name) + "/" + std::string(answerName(answer)) + "/";
  benchmark::RegisterBenchmark(
      (name + "boundary-lists").c_str(),
      [&store, index, answer](benchmark::State& state) { replayBoundaryLists(state, store, index, answer); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark(
      (name + "border-walk").c_str(),
      [&store, index, answer](benchmark::State& state) { replayBorderWalk(state, store, index, answer); })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

void registerReplayBenchmarks(SectionStore& store) {
  for (std::size_t index = 0; index < std::size(BENCH_GRIDS); ++index) {
    registerPair(store, index, Answer::Greedy);
    registerPair(store, index, Answer::Padded);
    if (BENCH_GRIDS[index].pattern == Pattern::Comb) registerPair(store, index, Answer::Stingy);
  }
}
