#include "reading_benchmarks.h"

#include <benchmark/benchmark.h>

#include <span>
#include <sstream>
#include <string>

#include "common/number_line.h"
#include "common/test_set_writer.h"
#include "testset/test_set_reader.h"
#include "text/numbers.h"
#include "view_stream.h"

namespace {

// The grid whose colours 1 ... 100 have one to three digits, as in the
// largest inputs.
constexpr std::size_t WIDEST_COLOURS = 3;  // BENCH_GRIDS index of random-100

void parseLine(benchmark::State& state, const std::string& line) {
  std::vector<std::int32_t> numbers;
  for (auto _ : state) {
    parseNumbers(line, numbers);
    benchmark::DoNotOptimize(numbers.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(line.size()));
}

}  // namespace

void registerReadingBenchmarks(SectionStore& store) {
  benchmark::RegisterBenchmark("read/grid-row", [&store](benchmark::State& state) {
    const TestCase& grid = store.grid(WIDEST_COLOURS);
    std::string row;
    appendNumberLine(row, std::span(grid.cells).first(static_cast<std::size_t>(grid.w)));
    row.pop_back();  // the line reader hands over a line without its end
    parseLine(state, row);
  })->Unit(benchmark::kMicrosecond);

  benchmark::RegisterBenchmark("read/move-line", [&store](benchmark::State& state) {
    // Every cell of the grid as a move: w * h moves, the most a section holds.
    std::string line;
    appendNumberLine(line, store.grid(WIDEST_COLOURS).cells);
    line.pop_back();
    parseLine(state, line);
  })->Unit(benchmark::kMillisecond);

  benchmark::RegisterBenchmark("read/test-set", [&store](benchmark::State& state) {
    std::ostringstream text;
    writeTestSet(text, TestSet{store.grid(WIDEST_COLOURS)});
    const std::string input = text.str();
    TestSet testSet;
    for (auto _ : state) {
      ViewStream stream(input);
      readTestSet(stream, testSet);
      benchmark::DoNotOptimize(testSet.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(input.size()));
  })->Unit(benchmark::kMillisecond);
}
