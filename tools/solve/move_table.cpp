#include "solve/move_table.h"

#include <iomanip>
#include <sstream>

void MoveTable::add(const TestCase& testCase, std::int64_t moveCount) {
  rows_.push_back({testCase.number, testCase.w, testCase.h, testCase.b, moveCount});
}

std::string MoveTable::text() const {
  std::ostringstream text;
  text << "test case     w     h    b     moves\n";
  std::int64_t total = 0;
  for (const Row& row : rows_) {
    text << std::setw(9) << row.number << std::setw(6) << row.w << std::setw(6) << row.h << std::setw(5)
         << row.b << std::setw(10) << row.moveCount << '\n';
    total += row.moveCount;
  }
  text << "total" << std::setw(31) << total << '\n';
  return text.str();
}
