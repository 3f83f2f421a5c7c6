#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "../testset/test_case.h"
#include "first_flood.h"
#include "first_floods.h"
#include "flood_recorder.h"
#include "flood_replay.h"
#include "framed_grid.h"

// What one evaluation replays its sections with: a working grid for each test
// case in use, held in the state of the test case's first flood, and one
// replay that lends its storage to every section. A section changes its
// grid; the next section's start puts back exactly the cells it changed, so
// that no section copies or clears a whole grid. Used by one thread at a
// time; the first floods may be shared with other evaluations.
class WorkingGrids {
 public:
  // Keeps the grids of up to MAX_GRIDS test cases, and no more than
  // MAX_CELLS cells in all unless a single grid is larger: the grid of a test
  // case that is let go is copied again from its first flood when needed.
  static constexpr std::size_t MAX_GRIDS = 4;
  static constexpr std::size_t MAX_CELLS = std::size_t{2} << 20;

  // With first floods of its own, or with `shared` ones, which must outlive it.
  WorkingGrids();
  explicit WorkingGrids(FirstFloods& shared);
  WorkingGrids(const WorkingGrids&) = delete;
  WorkingGrids& operator=(const WorkingGrids&) = delete;

  // Restores what the previous section changed, and starts the replay of a
  // section of `testCase` on its grid, which stays valid until the next
  // start. While a recorder is set the section gets a fresh grid of its
  // own, so that the recorder is told the first flood too.
  FloodReplay& startSection(const TestCase& testCase);
  std::span<FloodCell> sectionCells() const {
    return current_ != nullptr ? current_->cells : std::span<FloodCell>();
  }

  // Tells `recorder` (or nobody, with nullptr) what later sections flood.
  void record(FloodRecorder* recorder);

 private:
  struct Grid {
    const TestCase* testCase = nullptr;
    std::shared_ptr<const FirstFlood> first;
    std::vector<FloodCell> cells;
    std::uint64_t lastUsed = 0;
  };

  Grid& gridOf(const TestCase& testCase);
  void makeRoomFor(std::size_t cells);

  std::unique_ptr<FirstFloods> own_;
  FirstFloods& firstFloods_;
  std::vector<std::unique_ptr<Grid>> grids_;
  Grid watched_;
  Grid* current_ = nullptr;
  std::uint64_t sections_ = 0;
  FloodRecorder* recorder_ = nullptr;
  FloodReplay replay_;
};
