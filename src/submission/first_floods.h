#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <mutex>

#include "../testset/test_case.h"
#include "first_flood.h"

// The first floods of one test set's test cases, each computed the first time
// a section asks for it and kept immutable from then on, so that later
// sections, also of other submissions, start from it instead of flooding
// again. Thread-safe: evaluations on many threads may share one instance.
//
// A state takes about 1 byte per cell, plus 4 per cell waiting at the first
// region's border. The states kept are bounded by `keptBytes`: beyond it the
// least recently asked for is let go (and computed again if asked for
// again), though the newest is always kept; a state in use stays alive with
// its users whatever the bound.
class FirstFloods {
 public:
  // What a judge of many submissions over one test set wants: every state,
  // about 1 to 5 bytes per cell of the test set.
  static constexpr std::size_t KEEP_ALL = SIZE_MAX;
  // What one evaluation wants: its working grids hold the states of the test
  // cases in use, so only the newest is kept beside them.
  static constexpr std::size_t KEEP_NEWEST = 0;

  explicit FirstFloods(std::size_t keptBytes = KEEP_ALL) : keptBytes_(keptBytes) {}
  FirstFloods(const FirstFloods&) = delete;
  FirstFloods& operator=(const FirstFloods&) = delete;

  // The first flood of `testCase`, a record that must not move or change
  // while this instance lives (a test set's records never do).
  std::shared_ptr<const FirstFlood> of(const TestCase& testCase);

 private:
  struct Kept {
    std::shared_ptr<const FirstFlood> state;
    std::list<const TestCase*>::iterator place;  // in recency_
  };

  void keepWithinBound();

  std::mutex mutex_;
  std::size_t keptBytes_;
  std::size_t bytes_ = 0;
  std::map<const TestCase*, Kept> kept_;
  std::list<const TestCase*> recency_;  // the most recently asked for first
};
