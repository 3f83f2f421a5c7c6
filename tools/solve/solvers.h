#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "solve/search_deadline.h"
#include "testset/test_case.h"

// The ways the reference solver picks its moves. Every one floods the whole
// grid and never plays a move that floods nothing.
enum class Strategy {
  Greedy,     // the colour that floods the most cells now
  Lookahead,  // the colour whose best pair of moves floods the most cells, or the
              // greedy answer where that is shorter
  Beam,       // a beam search over the blob graph's states
  Exact,      // the beam's answer, then A* for a shorter one or the proof that none is
};

std::string_view strategyName(Strategy strategy);
std::optional<Strategy> strategyByName(std::string_view name);

// How far the searches may go for one test case.
struct SearchLimits {
  std::int32_t beamWidth = 0;  // 0: the width that suits the graph's size
  double seconds = 40;         // per test case; then the searches answer with what they have
  std::size_t exactMemoryBytes = std::size_t{2} << 30;
  // Told now and then how many of the grid's cells the beam has flooded.
  SearchProgress progress;
};

// What is known of an answer's distance from the optimum.
enum class Optimality {
  NotSought,  // the strategy does not look for the optimum
  Proven,     // no answer has fewer moves
  BestFound,  // the exact search ran out of time or memory, or the grid was too large for it
};

struct SolverAnswer {
  std::vector<std::int32_t> moves;
  std::int32_t lowerBound = 0;  // no answer has fewer moves
  Optimality optimality = Optimality::NotSought;
};

// An answer that floods the whole grid of `testCase`; ties go to the lowest colour.
SolverAnswer solve(const TestCase& testCase, Strategy strategy, const SearchLimits& limits = {});

std::vector<std::int32_t> solveGreedy(const TestCase& testCase);
std::vector<std::int32_t> solveLookahead(const TestCase& testCase);
