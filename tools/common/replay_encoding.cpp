#include "common/replay_encoding.h"

#include <algorithm>

#include "common/flood_turns.h"

namespace {

void appendNumber(std::string& bytes, std::uint64_t value) {
  while (value >= 0x80) {
    bytes += static_cast<char>((value & 0x7f) | 0x80);
    value >>= 7;
  }
  bytes += static_cast<char>(value);
}

std::uint64_t zigzag(std::int64_t value) {
  return value < 0 ? (static_cast<std::uint64_t>(-(value + 1)) << 1) | 1
                   : static_cast<std::uint64_t>(value) << 1;
}

// The upper-left neighbour tells whether an edge runs beside the cell:
// then the neighbour on the cell's side of it, else the plane through all three.
std::int64_t medianEdge(std::int64_t left, std::int64_t up, std::int64_t upLeft) {
  const auto [low, high] = std::minmax(left, up);
  if (upLeft >= high) return low;
  if (upLeft <= low) return high;
  return left + up - upLeft;
}

}  // namespace

std::string floodTurnBytes(std::span<const std::int32_t> turnOfCell, std::int32_t w, std::int32_t never) {
  const auto width = static_cast<std::size_t>(w);
  std::string bytes;
  bytes.reserve(turnOfCell.size());
  const auto turnAt = [&](std::size_t cell) -> std::int64_t {
    return turnOfCell[cell] == FloodTurns::NEVER ? never : turnOfCell[cell];
  };
  for (std::size_t cell = 0; cell < turnOfCell.size(); ++cell) {
    const std::size_t x = cell % width;
    std::int64_t predicted = 0;
    if (cell < width) {
      predicted = x == 0 ? 0 : turnAt(cell - 1);
    } else if (x == 0) {
      predicted = turnAt(cell - width);
    } else {
      predicted = medianEdge(turnAt(cell - 1), turnAt(cell - width), turnAt(cell - width - 1));
    }
    appendNumber(bytes, zigzag(turnAt(cell) - predicted));
  }
  return bytes;
}

std::string absorbedBytes(std::span<const std::int32_t> absorbed) {
  std::string bytes;
  for (std::size_t step = 0; step < absorbed.size();) {
    std::size_t idle = 0;
    while (step + idle < absorbed.size() && absorbed[step + idle] == 0) ++idle;
    if (idle > 0) {
      appendNumber(bytes, 0);
      appendNumber(bytes, idle);
      step += idle;
    } else {
      appendNumber(bytes, static_cast<std::uint64_t>(absorbed[step]));
      ++step;
    }
  }
  return bytes;
}
