#include <gtest/gtest.h>

#include "gen/test_set_generator.h"
#include "solve/blob_graph.h"
#include "solve/horizon_beam.h"
#include "solve/state_beam.h"
#include "support/tool_evaluation.h"

namespace {

TestSet everyPattern(std::uint64_t seed) { return generateTestSet(everyPatternSettings(seed, 30, 25)); }

// Both beams, wide and narrow, in time and past their deadline (when they
// finish greedily), answer every pattern in a way the evaluator accepts.
TEST(BeamSearch, EvaluatorAcceptsBothBeamsOnEveryPattern) {
  struct Setting {
    const char* name;
    std::int32_t width;
    std::int32_t depth;  // for the horizon beam
    double seconds;      // 0: the deadline has passed before the search starts
  };
  const Setting settings[] = {{"wide", 40, 3, 60}, {"narrow", 1, 1, 60}, {"out of time", 40, 3, 0}};
  for (std::uint64_t seed = 1; seed <= 4; ++seed) {
    const TestSet testSet = everyPattern(seed);
    for (const Setting& setting : settings) {
      const SearchDeadline deadline =
          setting.seconds > 0 ? SearchDeadline::after(setting.seconds) : SearchDeadline::after(1e-9);
      std::vector<Section> state;
      std::vector<Section> horizon;
      for (const TestCase& testCase : testSet) {
        const BlobGraph graph(testCase);
        state.push_back({testCase.number, stateBeamSearch(graph, testCase.b, setting.width, deadline)});
        horizon.push_back({testCase.number, horizonBeamSearch(graph, testCase.b, setting.width, setting.depth,
                                                              deadline, nullptr)});
      }
      EXPECT_EQ(evaluatorReport(testSet, state), okReport(state)) << "seed " << seed << ", " << setting.name;
      EXPECT_EQ(evaluatorReport(testSet, horizon), okReport(horizon))
          << "seed " << seed << ", " << setting.name;
    }
  }
}

// A row 1 2 3 1 2 3 ... 1: flooding it takes one move per blob whatever the
// order, and the beam takes no move that floods nothing.
TEST(BeamSearch, TakesNoIdleMoves) {
  const TestCase row{1, 7, 1, 3, {1, 2, 3, 1, 2, 3, 1}};
  const BlobGraph graph(row);
  const std::vector<std::int32_t> expected{2, 3, 1, 2, 3, 1};
  EXPECT_EQ(stateBeamSearch(graph, 3, 10, SearchDeadline()), expected);
  EXPECT_EQ(horizonBeamSearch(graph, 3, 10, 3, SearchDeadline(), nullptr), expected);
}

// The horizon beam reports its progress up to the whole grid.
TEST(BeamSearch, HorizonBeamReportsProgress) {
  GeneratorSettings settings;
  settings.width = {200, 200};
  settings.height = {200, 200};
  settings.colours = {20, 20};
  const TestCase grid = generateTestSet(settings).front();
  std::int64_t last = 0;
  std::int64_t reports = 0;
  horizonBeamSearch(BlobGraph(grid), grid.b, 2, 2, SearchDeadline(),
                    [&](std::int64_t flooded, std::int64_t total) {
                      EXPECT_EQ(total, 40000);
                      EXPECT_GT(flooded, last);
                      last = flooded;
                      ++reports;
                    });
  EXPECT_GT(reports, 0);
}

// The beam over whole states reports its leading state's area after every level.
TEST(BeamSearch, StateBeamReportsProgress) {
  const TestCase row{1, 7, 1, 3, {1, 2, 3, 1, 2, 3, 1}};
  std::vector<std::int64_t> areas;
  stateBeamSearch(BlobGraph(row), 3, 4, SearchDeadline(), [&](std::int64_t flooded, std::int64_t total) {
    EXPECT_EQ(total, 7);
    areas.push_back(flooded);
  });
  // Six moves: a report after each of the first five levels, then the answer.
  EXPECT_EQ(areas, (std::vector<std::int64_t>{2, 3, 4, 5, 6}));
}

}  // namespace
