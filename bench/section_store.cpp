#include "section_store.h"

const TestCase& SectionStore::grid(std::size_t index) {
  auto& slot = grids_[index];
  if (!slot) slot = std::make_unique<TestCase>(makeBenchGrid(index, side_, 1));
  return *slot;
}

const BenchSection& SectionStore::section(std::size_t index, Answer answer) {
  auto& slot = sections_[{index, answer}];
  if (slot) return *slot;
  slot = std::make_unique<BenchSection>();
  BenchSection& section = *slot;
  section.grid = &grid(index);
  section.moves = answerMoves(*section.grid, answer);
  section.lines = sectionLines(section.moves);
  section.movesLine = std::string_view(section.lines).substr(section.lines.find('\n') + 1);
  const BorderWalkForecast forecast = foretellBorderWalk(*section.grid, section.moves, budget_);
  section.borderWalkWork = forecast.work;
  section.borderWalkMoves = forecast.movesWithinBudget;
  return section;
}
