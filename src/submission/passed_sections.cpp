#include "passed_sections.h"

bool PassedSections::contains(std::int32_t number, const std::vector<std::int32_t>& moves) const {
  const auto found = movesByTestCase_.find(number);
  return found != movesByTestCase_.end() && found->second.count(moves) != 0;
}

void PassedSections::remember(std::int32_t number, const std::vector<std::int32_t>& moves) {
  // A kept section costs its moves and about a hundred bytes of bookkeeping,
  // counted here in moves of four bytes, so that short ones are bounded too.
  constexpr std::size_t BOOKKEEPING = 32;
  const std::size_t cost = moves.size() + BOOKKEEPING;
  if (moves.size() > MAX_SECTION_MOVES || keptMoves_ + cost > MAX_KEPT_MOVES) return;
  if (movesByTestCase_[number].insert(moves).second) keptMoves_ += cost;
}
