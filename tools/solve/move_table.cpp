#include "solve/move_table.h"

#include <iomanip>
#include <sstream>

void MoveTable::add(const TestCase& testCase, std::int64_t moveCount, std::int64_t lowerBound) {
  rows_.push_back({testCase.number, testCase.w, testCase.h, testCase.b, moveCount, lowerBound});
}

std::string MoveTable::text() const {
  std::ostringstream text;
  text << "test case     w     h    b     moves  lower bound\n";
  std::int64_t total = 0;
  std::int64_t totalBound = 0;
  for (const Row& row : rows_) {
    text << std::setw(9) << row.number << std::setw(6) << row.w << std::setw(6) << row.h << std::setw(5)
         << row.b << std::setw(10) << row.moveCount << std::setw(13) << row.lowerBound << '\n';
    total += row.moveCount;
    totalBound += row.lowerBound;
  }
  text << "total" << std::setw(31) << total << std::setw(13) << totalBound << '\n';
  return text.str();
}

std::string optimalityNote(const TestCase& testCase, const SolverAnswer& answer) {
  const std::string head = "test case " + std::to_string(testCase.number) + ": ";
  const std::string moves = std::to_string(answer.moves.size()) + " moves";
  switch (answer.optimality) {
    case Optimality::NotSought:
      break;
    case Optimality::Proven:
      return head + "proven optimal, " + moves + "\n";
    case Optimality::BestFound:
      return head + "best found, " + moves + ", at least " + std::to_string(answer.lowerBound) +
             " (not proven optimal)\n";
  }
  return {};
}
