#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "testset/test_case.h"

// The ways the reference solver picks its moves. Every one floods the whole
// grid and never plays a move that floods nothing.
enum class Strategy {
  Greedy,     // the colour that floods the most cells now
  Lookahead,  // the colour whose best pair of moves floods the most cells, or the
              // greedy answer where that is shorter
};

std::string_view strategyName(Strategy strategy);
std::optional<Strategy> strategyByName(std::string_view name);

// The moves that flood the whole grid of `testCase`; ties go to the lowest colour.
std::vector<std::int32_t> solve(const TestCase& testCase, Strategy strategy);

std::vector<std::int32_t> solveGreedy(const TestCase& testCase);
std::vector<std::int32_t> solveLookahead(const TestCase& testCase);
