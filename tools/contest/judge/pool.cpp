#include "contest/judge/pool.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <thread>

#include "common/escaped_bytes.h"

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
        if (!failure) sink(pending[index], judgement);
      } catch (...) {
        const std::lock_guard lock(sinkLock);
        if (!failure) failure = std::current_exception();
        stopped = true;
      }
    }
  }
};

}  // namespace

Judgement judgeContent(const SharedTestSet& shared, const PendingContent& content) {
  const std::string& path = content.files.front()->path;
  HashedFile file(path);
  Judgement judgement;
  bool memoryRanOut = false;
  try {
    if (file.error() == 0) judgement.verdict = judgeSubmission(shared, file.stream());
  } catch (const std::bad_alloc&) {
    memoryRanOut = true;
  }
  const std::optional<FileDigest> digest = file.finish();
  std::string named = escapedBytes(path);
  named.insert(named.begin(), '\'');
  named += '\'';
  if (memoryRanOut) {
    judgement.problem = "memory ran out while judging " + named;
  } else if (!digest) {
    judgement.problem = "cannot read " + named + ": " + std::strerror(file.error());
  } else if (digest->hash != content.hash) {
    judgement.problem = named + " changed while it was judged";
  }
  if (!judgement.problem.empty()) judgement.verdict.reset();
  return judgement;
}

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
