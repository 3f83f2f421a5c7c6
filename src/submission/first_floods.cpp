#include "first_floods.h"

std::shared_ptr<const FirstFlood> FirstFloods::of(const TestCase& testCase) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = kept_.find(&testCase);
    if (found != kept_.end()) {
      recency_.splice(recency_.begin(), recency_, found->second.place);
      return found->second.state;
    }
  }
  // Computed outside the lock, so that threads flood different test cases
  // at once; two threads that race for the same one both compute it, and
  // the first to finish is kept.
  auto computed = std::make_shared<const FirstFlood>(computeFirstFlood(testCase));
  const std::lock_guard<std::mutex> lock(mutex_);
  const auto found = kept_.find(&testCase);
  if (found != kept_.end()) return found->second.state;
  recency_.push_front(&testCase);
  kept_.emplace(&testCase, Kept{computed, recency_.begin()});
  bytes_ += computed->bytes();
  keepWithinBound();
  return computed;
}

void FirstFloods::keepWithinBound() {
  while (bytes_ > keptBytes_ && recency_.size() > 1) {
    const auto oldest = kept_.find(recency_.back());
    bytes_ -= oldest->second.state->bytes();
    kept_.erase(oldest);
    recency_.pop_back();
  }
}
