#include "contest/judge/pool.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "text/line_source.h"

namespace {

struct WorkQueue {
  WorkQueue(const SharedTestSet& shared, const std::vector<PendingContent>& pending,
            const JudgementSink& sink)
      : shared(shared), pending(pending), sink(sink) {}

  const SharedTestSet& shared;
  const std::vector<PendingContent>& pending;
  const JudgementSink& sink;
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stopped{false};
  std::mutex sinkLock;
  std::exception_ptr failure;

  void judgeOne(const PendingContent& content) {
    const std::string& path = content.files.front()->path;
    // Opened as the evaluator opens it, so that the bytes read are the same.
    std::ifstream submission = openInput(path);
    if (!submission) throw FileError{"cannot read '" + path + "': it went away while judging"};
    const Judgement judgement = judgeSubmission(shared, submission);
    const std::lock_guard lock(sinkLock);
    if (!stopped) sink(content, judgement);
  }

  void work() {
    for (std::size_t index = next++; index < pending.size() && !stopped; index = next++) {
      try {
        judgeOne(pending[index]);
      } catch (...) {
        const std::lock_guard lock(sinkLock);
        if (!stopped.exchange(true)) failure = std::current_exception();
      }
    }
  }
};

}  // namespace

void judgeAll(const SharedTestSet& shared, std::vector<PendingContent> pending, std::int64_t threads,
              const JudgementSink& sink) {
  std::stable_sort(pending.begin(), pending.end(), [](const PendingContent& a, const PendingContent& b) {
    return a.files.front()->size > b.files.front()->size;
  });
  WorkQueue queue(shared, pending, sink);
  const auto count = static_cast<std::size_t>(std::max<std::int64_t>(1, threads));
  std::vector<std::thread> workers;
  for (std::size_t i = 1; i < std::min(count, pending.size()); ++i)
    workers.emplace_back([&] { queue.work(); });
  queue.work();
  for (std::thread& worker : workers) worker.join();
  if (queue.failure) std::rethrow_exception(queue.failure);
}
