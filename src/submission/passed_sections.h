#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

// The sections that have passed so far, word for word, so that a section
// repeated exactly (a contestant's output loop gone wrong, say) is not
// replayed again: its verdict cannot differ, and on a grid of a million cells
// every replay costs milliseconds however short the section is, so a
// submission of a million repeats would otherwise take hours.
//
// Only short sections are kept, up to about 4 MiB in all; a long section
// costs about as much to read as to replay.
class PassedSections {
 public:
  bool contains(std::int32_t number, const std::vector<std::int32_t>& moves) const;
  void remember(std::int32_t number, const std::vector<std::int32_t>& moves);

 private:
  static constexpr std::size_t MAX_SECTION_MOVES = 4096;
  static constexpr std::size_t MAX_KEPT_MOVES = std::size_t{1} << 20;

  // Ordered containers: a lookup costs a few comparisons of move lists
  // whatever the moves are, where a hash could be made to collide.
  std::map<std::int32_t, std::set<std::vector<std::int32_t>>> movesByTestCase_;
  std::size_t keptMoves_ = 0;
};
