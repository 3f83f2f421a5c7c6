#include "common/flood_turns.h"

void FloodTurns::flooded(std::int32_t turn, std::span<const std::int32_t> cells) {
  const auto step = static_cast<std::size_t>(turn);
  if (absorbed_.size() <= step) absorbed_.resize(step + 1, 0);
  absorbed_[step] += static_cast<std::int32_t>(cells.size());
  for (const std::int32_t cell : cells) turnOfCell_[static_cast<std::size_t>(cell)] = turn;
}
