#include "visualise/replay_encoding.h"

#include "visualise/flood_turns.h"

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

}  // namespace

std::string floodTurnBytes(std::span<const std::int32_t> turnOfCell, std::int32_t never) {
  std::string bytes;
  bytes.reserve(turnOfCell.size());
  std::int64_t previous = 0;
  for (const std::int32_t recorded : turnOfCell) {
    const std::int64_t turn = recorded == FloodTurns::NEVER ? never : recorded;
    appendNumber(bytes, zigzag(turn - previous));
    previous = turn;
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
