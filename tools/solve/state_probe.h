#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <span>
#include <vector>

#include "solve/blob_graph.h"
#include "solve/blob_set.h"

// Looks at one flooded region of a blob graph: the moves it offers and a
// lower bound on the moves still needed. Keeps its scratch space between
// calls, so probing a state allocates nothing; each call costs the region's
// blobs and their edges (the bound: every blob and edge).
class StateProbe {
 public:
  // On a graph of at most 64 * maskedWords blobs a blob's neighbours, and
  // the blobs of each colour, are kept as bit sets as well (tests ask for 0
  // to try the other way).
  static constexpr std::size_t MASKED_WORDS = 8;
  StateProbe(const BlobGraph& graph, std::int32_t b, std::size_t maskedWords = MASKED_WORDS);
  // Whether a graph of `blobCount` blobs is probed on masks, which makes a
  // state several times cheaper to rank.
  static bool keepsMasks(std::int32_t blobCount, std::size_t maskedWords = MASKED_WORDS) {
    return blobWords(blobCount) <= std::min(maskedWords, MASKED_WORDS);
  }

  // The unflooded blobs that touch the region, filed by colour; afterwards
  // waiting(colour) and gain(colour) describe the move of that colour.
  void collectMoves(std::span<const BlobWord> flooded);
  std::span<const std::int32_t> waiting(std::int32_t colour) const {
    return waiting_[static_cast<std::size_t>(colour)];
  }
  std::int64_t gain(std::int32_t colour) const { return gain_[static_cast<std::size_t>(colour)]; }
  // A colour whose every unflooded blob touches the region, or 0. Playing it
  // first never costs a move: the region only grows, and that colour is
  // played anyway.
  std::int32_t clearableColour() const;

  // After both calls above: whether the move of `colour` is never needed. It
  // finishes no colour (a blob of its colour lies beyond the frontier) and
  // opens nothing (every neighbour of the blobs it floods is flooded or on
  // the frontier already), so it changes no later move until the move of its
  // colour that every answer still needs, which floods the same blobs: an
  // answer without it is a move shorter, and a shortest answer never plays it.
  bool isDeferrable(std::span<const BlobWord> flooded, std::int32_t colour) const;

  // After collectMoves on the region `flooded`, reached from `parent` by the
  // move of `previous`: whether the move of `colour` here and that move
  // commute. They do when it floods no more than it would have at `parent`
  // (each of its blobs touches `parent`) and opens no blob of `previous`'s
  // colour beyond `flooded`: then playing it first at `parent` floods the
  // same blobs, then `previous` the same, and the two orders reach one region.
  bool commutes(std::span<const BlobWord> parent, std::span<const BlobWord> flooded, std::int32_t colour,
                std::int32_t previous) const;

  // At least this many moves still flood the grid; it drops by at most one
  // per move. The colour rounds below: on random boards never below the
  // distance bound and often above it, at about the cost of one of them.
  std::int32_t lowerBound(std::span<const BlobWord> flooded) { return colourRoundsBound(flooded); }
  // The same of `child`, reached by the move of `colour` from the region of
  // the last collectMoves; cheaper, as it starts from that region's frontier.
  // Where only whether it reaches `enough` matters, a value of `enough` or
  // more may stop short of the bound itself (never above it).
  std::int32_t lowerBoundAfter(std::span<const BlobWord> child, std::int32_t colour,
                               std::int32_t enough = NO_LIMIT) {
    return colourRoundsBoundAfter(child, colour, enough);
  }
  static constexpr std::int32_t NO_LIMIT = INT32_MAX;

  // With d the distance (in blob steps) from the region to an unflooded
  // blob, it takes d moves to flood it, and after k - 1 moves every blob at
  // distance k or more still needs its own colour played. The bound is the
  // largest k - 1 + (colours at distance k or more).
  std::int32_t distanceBound(std::span<const BlobWord> flooded);

  // A bound that counts colour rounds: every colour still on the grid costs
  // a move of its own, and a colour can be finished only once all of its
  // blobs are within reach. From the region and its frontier it repeats:
  // the colours whose blobs are all reached are played (a move each) and
  // reach on through their blobs only; when there is none, one move reaches
  // every blob next to what is reached, whatever its colour (more than any
  // real move floods). Once at most one colour is left, it adds that one.
  // It never overestimates (a brute-force test holds it to that).
  std::int32_t colourRoundsBound(std::span<const BlobWord> flooded);
  // The same bound of `child`, the region after the move of `colour` from
  // the one of the last collectMoves, without walking the whole region.
  std::int32_t colourRoundsBoundAfter(std::span<const BlobWord> child, std::int32_t colour,
                                      std::int32_t enough = NO_LIMIT);

 private:
  const BlobGraph& graph_;
  std::int32_t b_;
  std::vector<std::vector<std::int32_t>> waiting_;  // indexed by colour
  std::vector<std::int64_t> gain_;                  // indexed by colour
  std::vector<std::int32_t> blobsOfColour_;         // indexed by colour
  std::vector<std::int32_t> left_;                  // unflooded blobs, indexed by colour
  std::vector<std::int32_t> colourMet_;             // the round in which a colour was met
  std::vector<BlobWord> reached_;
  std::vector<std::int32_t> queue_;
  std::vector<std::int32_t> layerEnd_;
  std::vector<std::int32_t> played_;     // the round in which a colour was played, indexed by colour
  std::vector<std::int32_t> unreached_;  // unflooded blobs not reached yet, indexed by colour
  std::vector<std::int32_t> live_;       // the colours not played yet
  // The colour rounds walk on bit sets: on a small graph a blob's neighbours
  // are a mask too, so reaching on costs a few words a blob, not an edge each.
  std::size_t words_;
  std::vector<BlobWord> neighbourMasks_;  // words_ per blob; empty on a large graph
  std::vector<BlobWord> visited_;         // flooded or reached
  std::vector<BlobWord> pending_;         // reached, their neighbours not yet
  std::vector<BlobWord> next_;
  std::vector<BlobWord> expanding_;
  std::vector<BlobWord> frontier_;     // what the last collectMoves found
  std::vector<BlobWord> colourMasks_;  // words_ per colour (colour 0 unused); empty on a large graph
  // The neighbours of the blobs each move floods, words_ per colour, as the
  // last collectMoves found them; empty on a large graph. Whether a move is
  // deferrable or commutes, and a child's frontier, are then a few words
  // each, without a branch a neighbour.
  std::vector<BlobWord> reach_;
  std::int32_t round_ = 0;

  // The blobs of each colour outside `flooded`.
  void countUnflooded(std::span<const BlobWord> flooded, std::vector<std::int32_t>& counts) const;
  // Row `at` of masks kept words_ each side by side: a blob's neighbours, a
  // colour's blobs or its move's reach.
  std::span<const BlobWord> row(const std::vector<BlobWord>& masks, std::int32_t at) const {
    return std::span<const BlobWord>(masks).subspan(static_cast<std::size_t>(at) * words_, words_);
  }
  std::span<BlobWord> row(std::vector<BlobWord>& masks, std::int32_t at) const {
    return std::span<BlobWord>(masks).subspan(static_cast<std::size_t>(at) * words_, words_);
  }
  std::span<const BlobWord> colourMask(std::int32_t colour) const { return row(colourMasks_, colour); }
  std::span<const BlobWord> reachOf(std::int32_t colour) const { return row(reach_, colour); }
  // Adds the neighbours of `blob`, or of the blobs of `from`, to `into`.
  void addNeighbours(std::int32_t blob, std::span<BlobWord> into) const;
  void addNeighbours(std::span<const BlobWord> from, std::span<BlobWord> into) const;
  // The walk itself, once unreached_ holds the unflooded blobs by colour and
  // next_ the frontier (and maybe some of the region).
  // It stops once the bound is sure to reach `enough`.
  std::int32_t countRounds(std::span<const BlobWord> flooded, std::int32_t enough = NO_LIMIT);
};
