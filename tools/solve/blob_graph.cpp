#include "solve/blob_graph.h"

BlobGraph::BlobGraph(const TestCase& testCase) {
  std::vector<std::int32_t> blobOfCell;
  labelBlobs(testCase, blobOfCell);
  linkNeighbours(testCase, blobOfCell);
}

// Breadth first from each unlabelled cell in reading order, without
// recursion. The queue is cells_ itself, so each blob's cells end up
// side by side.
void BlobGraph::labelBlobs(const TestCase& testCase, std::vector<std::int32_t>& blobOfCell) {
  const std::int32_t w = testCase.w;
  const std::int32_t h = testCase.h;
  const auto cellCount = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  blobOfCell.assign(cellCount, -1);
  cells_.clear();
  cells_.reserve(cellCount);
  firstCell_.assign(1, 0);
  for (std::size_t seed = 0; seed < cellCount; ++seed) {
    if (blobOfCell[seed] >= 0) continue;
    const auto blob = static_cast<std::int32_t>(colour_.size());
    const std::int32_t blobColour = testCase.cells[seed];
    colour_.push_back(blobColour);
    blobOfCell[seed] = blob;
    cells_.push_back(static_cast<std::int32_t>(seed));
    for (std::size_t next = static_cast<std::size_t>(firstCell_.back()); next < cells_.size(); ++next) {
      const std::int32_t index = cells_[next];
      const std::int32_t x = index % w;
      const std::int32_t y = index / w;
      auto visit = [&](bool inside, std::int32_t neighbour) {
        const auto at = static_cast<std::size_t>(neighbour);
        if (inside && blobOfCell[at] < 0 && testCase.cells[at] == blobColour) {
          blobOfCell[at] = blob;
          cells_.push_back(neighbour);
        }
      };
      visit(x + 1 < w, index + 1);
      visit(x > 0, index - 1);
      visit(y > 0, index - w);
      visit(y + 1 < h, index + w);
    }
    firstCell_.push_back(static_cast<std::int32_t>(cells_.size()));
  }
}

// Collects every edge between two blobs from the right and lower neighbour of
// each cell, then keeps each neighbour once per blob.
void BlobGraph::linkNeighbours(const TestCase& testCase, const std::vector<std::int32_t>& blobOfCell) {
  const std::int32_t w = testCase.w;
  const auto cellCount = blobOfCell.size();
  const auto blobs = static_cast<std::size_t>(blobCount());
  auto forEachEdge = [&](auto&& onEdge) {
    for (std::size_t index = 0; index < cellCount; ++index) {
      const std::int32_t blob = blobOfCell[index];
      const bool hasRight = static_cast<std::int32_t>(index % static_cast<std::size_t>(w)) + 1 < w;
      if (hasRight && blobOfCell[index + 1] != blob) onEdge(blob, blobOfCell[index + 1]);
      const std::size_t below = index + static_cast<std::size_t>(w);
      if (below < cellCount && blobOfCell[below] != blob) onEdge(blob, blobOfCell[below]);
    }
  };

  std::vector<std::int32_t> fill(blobs + 1, 0);
  forEachEdge([&](std::int32_t a, std::int32_t b) {
    ++fill[static_cast<std::size_t>(a) + 1];
    ++fill[static_cast<std::size_t>(b) + 1];
  });
  for (std::size_t blob = 0; blob < blobs; ++blob) fill[blob + 1] += fill[blob];
  std::vector<std::int32_t> repeated(static_cast<std::size_t>(fill[blobs]));
  forEachEdge([&](std::int32_t a, std::int32_t b) {
    repeated[static_cast<std::size_t>(fill[static_cast<std::size_t>(a)]++)] = b;
    repeated[static_cast<std::size_t>(fill[static_cast<std::size_t>(b)]++)] = a;
  });

  // fill[k] now ends blob k's run, which starts where blob k - 1's ended.
  std::vector<std::int32_t> lastSeenBy(blobs, -1);
  firstNeighbour_.assign(1, 0);
  neighbours_.clear();
  std::size_t start = 0;
  for (std::size_t blob = 0; blob < blobs; ++blob) {
    const auto end = static_cast<std::size_t>(fill[blob]);
    for (std::size_t at = start; at < end; ++at) {
      const std::int32_t neighbour = repeated[at];
      std::int32_t& seen = lastSeenBy[static_cast<std::size_t>(neighbour)];
      if (seen == static_cast<std::int32_t>(blob)) continue;
      seen = static_cast<std::int32_t>(blob);
      neighbours_.push_back(neighbour);
    }
    firstNeighbour_.push_back(static_cast<std::int32_t>(neighbours_.size()));
    start = end;
  }
}
