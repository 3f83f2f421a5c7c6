#include "contest/judge/pool.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace {

struct WorkQueue {
  WorkQueue(const SharedTestSet& shared, const std::vector<PendingContent>& pending,
            const JudgementSink& sink, const StopRequest& stopRequested)
      : shared(shared), pending(pending), sink(sink), stopRequested(stopRequested) {}

  const SharedTestSet& shared;
  const std::vector<PendingContent>& pending;
  const JudgementSink& sink;
  const StopRequest& stopRequested;
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stopped{false};
  std::mutex sinkLock;
  std::exception_ptr failure;

  bool stopping() {
    if (!stopped && stopRequested && stopRequested()) stopped = true;
    return stopped;
  }

  void work() {
    for (std::size_t index = next++; index < pending.size() && !stopping(); index = next++) {
      try {
        const Judgement judgement = judgeContent(shared, pending[index]);
        const std::lock_guard lock(sinkLock);
        if (failure) continue;
        // The sink's failure is kept before the lock is let go: another
        // thread that takes the lock then must see it, and call no sink.
        try {
          sink(pending[index], judgement);
        } catch (...) {
          failure = std::current_exception();
          stopped = true;
        }
      } catch (...) {
        const std::lock_guard lock(sinkLock);
        if (!failure) failure = std::current_exception();
        stopped = true;
      }
    }
  }
};

}  // namespace

void judgeAll(const SharedTestSet& shared, std::vector<PendingContent> pending, std::int64_t threads,
              const JudgementSink& sink, const StopRequest& stopRequested) {
  std::stable_sort(pending.begin(), pending.end(), [](const PendingContent& a, const PendingContent& b) {
    return a.files.front()->size > b.files.front()->size;
  });
  WorkQueue queue(shared, pending, sink, stopRequested);
  const auto count = static_cast<std::size_t>(std::max<std::int64_t>(1, threads));
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < std::min(count, pending.size()); ++i)
    workers.emplace_back([&] { queue.work(); });
  queue.work();
  for (std::thread& worker : workers) worker.join();
  if (queue.failure) std::rethrow_exception(queue.failure);
}
