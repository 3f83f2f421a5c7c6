#include "probe_benchmarks.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "gen/random_source.h"
#include "gen/test_set_generator.h"
#include "solve/blob_graph.h"
#include "solve/blob_set.h"
#include "solve/state_probe.h"

namespace {

constexpr std::int32_t BOARDS = 20;
constexpr std::int32_t MOVES_PER_GAME = 40;

// A state met along a random game: its region, and the move that led to it.
struct Sample {
  std::size_t board;
  std::vector<BlobWord> parent;
  std::vector<BlobWord> flooded;
  std::int32_t colour;
};

struct ProbeData {
  TestSet boards;
  std::vector<std::unique_ptr<BlobGraph>> graphs;
  std::vector<Sample> samples;
};

const ProbeData& probeData() {
  static const ProbeData data = [] {
    ProbeData made;
    GeneratorSettings settings;
    settings.caseCount = BOARDS;
    settings.width = {12, 20};
    settings.height = {12, 20};
    settings.colours = {6, 10};
    made.boards = generateTestSet(settings);
    RandomSource random(1);
    for (std::size_t board = 0; board < made.boards.size(); ++board) {
      made.graphs.push_back(std::make_unique<BlobGraph>(made.boards[board]));
      const BlobGraph& graph = *made.graphs.back();
      const std::int32_t b = made.boards[board].b;
      StateProbe probe(graph, b);
      std::vector<BlobWord> flooded(blobWords(graph.blobCount()), 0);
      addBlob(flooded, 0);
      for (std::int32_t move = 0; move < MOVES_PER_GAME; ++move) {
        probe.collectMoves(flooded);
        const auto colour = static_cast<std::int32_t>(random.between(1, b));
        if (probe.gain(colour) == 0) continue;
        std::vector<BlobWord> child = flooded;
        for (const std::int32_t blob : probe.waiting(colour)) addBlob(child, blob);
        made.samples.push_back({board, flooded, child, colour});
        flooded = child;
      }
    }
    return made;
  }();
  return data;
}

// A probe per board, on masks or (maskedWords 0) on edges.
std::vector<std::unique_ptr<StateProbe>> probesOf(const ProbeData& data, std::size_t maskedWords) {
  std::vector<std::unique_ptr<StateProbe>> probes;
  for (std::size_t board = 0; board < data.graphs.size(); ++board) {
    probes.push_back(std::make_unique<StateProbe>(*data.graphs[board], data.boards[board].b, maskedWords));
  }
  return probes;
}

// The bound of every sample's region.
void boundFromScratch(benchmark::State& state, std::size_t maskedWords) {
  const ProbeData& data = probeData();
  const std::vector<std::unique_ptr<StateProbe>> probes = probesOf(data, maskedWords);
  for (auto _ : state) {
    for (const Sample& sample : data.samples) {
      benchmark::DoNotOptimize(probes[sample.board]->colourRoundsBound(sample.flooded));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(data.samples.size()));
}

// The parent's moves, then the child's bound from the parent's frontier:
// what the exact search does for each child.
void boundAfterMove(benchmark::State& state) {
  const ProbeData& data = probeData();
  const std::vector<std::unique_ptr<StateProbe>> probes = probesOf(data, StateProbe::MASKED_WORDS);
  for (auto _ : state) {
    for (const Sample& sample : data.samples) {
      StateProbe& probe = *probes[sample.board];
      probe.collectMoves(sample.parent);
      benchmark::DoNotOptimize(probe.lowerBoundAfter(sample.flooded, sample.colour));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(data.samples.size()));
}

}  // namespace

void registerProbeBenchmarks() {
  benchmark::RegisterBenchmark("probe/bound/masks", boundFromScratch, StateProbe::MASKED_WORDS)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("probe/bound/edges", boundFromScratch, std::size_t{0})
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("probe/after/masks", boundAfterMove)->Unit(benchmark::kMicrosecond);
}
