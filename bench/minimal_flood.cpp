#include "minimal_flood.h"

#include <algorithm>

MinimalFlood::MinimalFlood(std::span<const FloodCell> start, std::int32_t w)
    : start_(start.size()),
      queue_(std::make_unique_for_overwrite<std::int32_t[]>(start.size())),
      stride_(w + 2) {
  std::transform(start.begin(), start.end(), start_.begin(),
                 [](FloodCell cell) { return cell == FLOODED ? ALWAYS : std::uint8_t{0}; });
  marks_ = start_;
}

std::size_t MinimalFlood::flood(std::span<const std::int32_t> seeds) {
  if (++stamp_ == ALWAYS) {  // once in 254 floods
    marks_ = start_;
    stamp_ = 1;
  }
  const std::uint8_t stamp = stamp_;
  std::uint8_t* marks = marks_.data();
  std::int32_t* queue = queue_.get();
  std::size_t queued = 0;
  for (const std::int32_t seed : seeds) {
    if (marks[seed] < stamp) {
      marks[seed] = stamp;
      queue[queued++] = seed;
    }
  }
  const std::int32_t offsets[4] = {1, -1, -stride_, stride_};
  for (std::size_t next = 0; next < queued; ++next) {
    const std::int32_t index = queue[next];
    for (const std::int32_t offset : offsets) {
      const std::int32_t neighbour = index + offset;
      if (marks[neighbour] < stamp) {
        marks[neighbour] = stamp;
        queue[queued++] = neighbour;
      }
    }
  }
  return queued;
}
