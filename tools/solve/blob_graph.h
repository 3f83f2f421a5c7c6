#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "testset/test_case.h"

// A grid seen as its blobs: the largest edge-connected areas of one colour.
// A move floods whole blobs, so the solvers work on blobs instead of cells.
// Blob 0 holds the top-left cell.
class BlobGraph {
 public:
  explicit BlobGraph(const TestCase& testCase);

  std::int32_t blobCount() const { return static_cast<std::int32_t>(colour_.size()); }
  std::int32_t colour(std::int32_t blob) const { return colour_[static_cast<std::size_t>(blob)]; }
  std::int32_t size(std::int32_t blob) const { return sizeOf(firstCell_, blob); }
  // The blobs that share an edge with `blob`, each once.
  std::span<const std::int32_t> neighbours(std::int32_t blob) const {
    return slice(firstNeighbour_, neighbours_, blob);
  }
  // The cell indices (y * w + x) of `blob`.
  std::span<const std::int32_t> cells(std::int32_t blob) const { return slice(firstCell_, cells_, blob); }

 private:
  static std::int32_t sizeOf(const std::vector<std::int32_t>& first, std::int32_t blob) {
    const auto at = static_cast<std::size_t>(blob);
    return first[at + 1] - first[at];
  }
  static std::span<const std::int32_t> slice(const std::vector<std::int32_t>& first,
                                             const std::vector<std::int32_t>& items, std::int32_t blob) {
    const auto at = static_cast<std::size_t>(blob);
    return std::span<const std::int32_t>(items).subspan(static_cast<std::size_t>(first[at]),
                                                        static_cast<std::size_t>(sizeOf(first, blob)));
  }

  void labelBlobs(const TestCase& testCase, std::vector<std::int32_t>& blobOfCell);
  void linkNeighbours(const TestCase& testCase, const std::vector<std::int32_t>& blobOfCell);

  std::vector<std::int32_t> colour_;
  std::vector<std::int32_t> firstCell_;  // blob k's cells are cells_[firstCell_[k] ... firstCell_[k + 1])
  std::vector<std::int32_t> cells_;
  std::vector<std::int32_t> firstNeighbour_;  // the same layout for neighbours_
  std::vector<std::int32_t> neighbours_;
};
