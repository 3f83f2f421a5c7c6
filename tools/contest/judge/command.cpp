#include "contest/judge/command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <map>
#include <thread>

#include "common/checked_test_set.h"
#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "common/output_file.h"
#include "common/progress.h"
#include "common/tool_frame.h"
#include "contest/database/results_database.h"
#include "contest/judge/options.h"
#include "contest/judge/output_paths.h"
#include "contest/judge/pool.h"
#include "contest/judge/stop_signals.h"
#include "contest/judge/tally.h"
#include "driver/report.h"

namespace {

constexpr std::string_view TOOL = "barvotok-contest judge";

// Writes DIR/NAME.report for every file of a content.
void writeReports(const std::string& folder, const std::vector<const SubmissionFile*>& files,
                  const std::string& report, OutputGuard& guard) {
  for (const SubmissionFile* file : files) {
    writeOutputFile(folder + "/" + file->name + ".report", report, guard);
  }
}

// Whether two outcomes are one verdict: the same kind, and the same results
// or the same failed check and message.
bool sameVerdict(const EvaluationOutcome& a, const EvaluationOutcome& b) {
  if (a.verdict() != b.verdict()) return false;
  if (a.passed()) return *a.results() == *b.results();
  const EAssertion* x = a.failure();
  const EAssertion* y = b.failure();
  return x == nullptr || (x->line == y->line && x->message == y->message);
}

// The database's rows of `files`.
std::vector<SubmissionRecord> recordsOf(const std::vector<const SubmissionFile*>& files) {
  std::vector<SubmissionRecord> records;
  records.reserve(files.size());
  for (const SubmissionFile* file : files) records.push_back({file->path, file->hash, file->size});
  return records;
}

// The paths of the files of `contents`, in their order.
std::vector<std::string> pathsOf(const std::vector<PendingContent>& contents) {
  std::vector<std::string> paths;
  for (const PendingContent& content : contents) {
    for (const SubmissionFile* file : content.files) paths.push_back(file->path);
  }
  return paths;
}

// The contents of a run, each with the files that hold it, in list order.
std::vector<PendingContent> contentsOf(const std::vector<SubmissionFile>& submissions) {
  std::vector<PendingContent> contents;
  std::map<ContentHash, std::size_t> indexOf;
  for (const SubmissionFile& submission : submissions) {
    const auto [at, added] = indexOf.emplace(submission.hash, contents.size());
    if (added) contents.push_back({submission.hash, {}});
    contents[at->second].files.push_back(&submission);
  }
  return contents;
}

class JudgeRun {
 public:
  JudgeRun(const JudgeOptions& options, std::vector<SubmissionFile> submissions,
           std::vector<std::string> skipped, OutputGuard& guard, const StopSignals& signals)
      : options_(options),
        submissions_(std::move(submissions)),
        skipped_(std::move(skipped)),
        guard_(guard),
        signals_(signals) {}

  int run() {
    const auto testSetDigest = hashFile(options_.input);
    std::optional<ResultsDatabase> results = ResultsDatabase::openExisting(options_.results);
    const ContentHash testSetHash = testSetDigest ? testSetDigest->hash : ContentHash();
    const bool known = testSetDigest && results && results->knowsTestSet(testSetHash);
    judgedBefore_ = known ? results->judgedContents(testSetHash) : std::set<ContentHash>();

    std::vector<PendingContent> pending;
    std::vector<PendingContent> done;
    for (PendingContent& content : contentsOf(submissions_)) {
      (judgedBefore_.contains(content.hash) && !options_.recheck ? done : pending)
          .push_back(std::move(content));
    }
    // A test set already in the database passed its checks when it came.
    SharedTestSet shared;
    if (!known || !pending.empty()) {
      if (!readTestSetAsHashed(shared.testSet, testSetDigest)) return 1;
      shared.prepareFirstFloods();
    }
    prepareReportsFolder();
    if (!results) results.emplace(ResultsDatabase::create(options_.results));
    results->prepareForWriting();
    if (!known) results->recordTestSet(testSetHash, options_.input, shared.testCaseRecords());
    std::vector<const SubmissionFile*> doneFiles;
    for (const PendingContent& content : done) {
      doneFiles.insert(doneFiles.end(), content.files.begin(), content.files.end());
    }
    results->recordSubmissions(testSetHash, recordsOf(doneFiles));
    // A stored verdict is read and its report rendered only for --reports.
    if (!options_.reportsFolder.empty()) {
      for (const PendingContent& content : done) {
        if (const auto stored = results->storedVerdict(testSetHash, content.hash))
          writeReports(options_.reportsFolder, content.files, reportOf(stored->outcome), guard_);
      }
    }
    return judge(shared, pending, done, *results, testSetHash);
  }

 private:
  // Reads the test set once more, hashing the very bytes that are read: the
  // verdicts are kept under the test set's hash, so it must be the hash of
  // the test set judged against. False when it fails its checks.
  bool readTestSetAsHashed(TestSet& testSet, const std::optional<FileDigest>& listed) const {
    HashedFile file(options_.input);
    if (file.error() != 0)
      throw ToolError{"cannot open " + shownFileName(options_.input) + ": " + std::strerror(file.error())};
    if (!readCheckedTestSet(file.stream(), options_.input, testSet)) return false;
    const std::optional<FileDigest> read = file.finish();
    if (!read || !listed) throw fileFailure("cannot read", options_.input, file.error());
    if (read->hash != listed->hash) {
      throw ToolError{"the test set " + shownFileName(options_.input) +
                      " changed while it was read; nothing was judged: run the judge again"};
    }
    return true;
  }

  // Made if missing; a folder that cannot take the reports stops the run
  // before anything is judged.
  void prepareReportsFolder() const {
    const std::string& folder = options_.reportsFolder;
    if (folder.empty()) return;
    ::mkdir(folder.c_str(), 0777);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || ::access(folder.c_str(), W_OK) != 0) {
      throw ToolError{"cannot write reports into " + shownFileName(folder)};
    }
  }

  int judge(const SharedTestSet& shared, const std::vector<PendingContent>& pending,
            const std::vector<PendingContent>& done, ResultsDatabase& results,
            const ContentHash& testSetHash) {
    JudgeTally tally;
    tally.submissions = static_cast<std::int64_t>(submissions_.size());
    tally.skipped = skipped_;
    tally.before = pathsOf(done);
    tally.beforeContents = static_cast<std::int64_t>(done.size());
    tally.pending = pathsOf(pending);
    tally.pendingContents = static_cast<std::int64_t>(pending.size());
    double seconds = 0;
    {
      Progress progress("contents judged", static_cast<std::int64_t>(pending.size()), options_.progress);
      const std::int64_t threads =
          options_.threads > 0 ? options_.threads : std::int64_t{std::thread::hardware_concurrency()};
      const auto record = [&](const PendingContent& content, const Judgement& judgement) {
        tally.add(content, judgement);
        progress.advance();
        // No verdict on bytes that are not the content's: the files are
        // named without one, and the next run judges them.
        if (!judgement.verdict) {
          std::cerr << TOOL << ": " << judgement.problem << "; it is left for the next run\n";
          results.recordSubmissions(testSetHash, recordsOf(content.files));
          return;
        }
        // Under --recheck, the stored verdict is read just before it is replaced.
        const EvaluationOutcome& outcome = judgement.verdict->outcome;
        if (options_.recheck && judgedBefore_.contains(content.hash)) {
          if (const auto stored = results.storedVerdict(testSetHash, content.hash))
            noteDifference(content, stored->outcome, outcome);
        }
        results.recordVerdict(testSetHash, content.hash, *judgement.verdict, recordsOf(content.files));
        if (!options_.reportsFolder.empty())
          writeReports(options_.reportsFolder, content.files, reportOf(outcome), guard_);
      };
      judgeAll(shared, pending, threads, record, [&] { return signals_.received() != 0; });
      seconds = progress.seconds();
    }
    if (options_.json) {
      tally.printJson(std::cout, seconds);
    } else {
      tally.print(std::cout, seconds);
    }
    std::cout.flush();
    results.close();
    const int signal = signals_.received();
    if (signal != 0) {
      std::cerr << TOOL << ": stopped by " << stopSignalName(signal) << "\n";
      return 128 + signal;
    }
    return tally.left() > 0 || differed_ > 0 ? 1 : 0;
  }

  // A stored verdict that judging again does not give: named, and counted.
  void noteDifference(const PendingContent& content, const EvaluationOutcome& stored,
                      const EvaluationOutcome& judged) {
    if (sameVerdict(stored, judged)) return;
    ++differed_;
    const auto firstLine = [](const EvaluationOutcome& outcome) {
      return quotedText(verdictLine(outcome), 120);
    };
    std::cerr << TOOL << ": the stored verdict of " << shownFileName(content.files.front()->path) << " was "
              << firstLine(stored) << ", judged again it is " << firstLine(judged)
              << "; the new one is kept\n";
  }

  const JudgeOptions& options_;
  std::vector<SubmissionFile> submissions_;
  std::vector<std::string> skipped_;
  OutputGuard& guard_;
  const StopSignals& signals_;
  std::set<ContentHash> judgedBefore_;  // the contents with a stored verdict
  std::int64_t differed_ = 0;
};

int judgeContest(const JudgeOptions& options) {
  const StopSignals signals;
  const SubmissionListing named = listSubmissions(options.submissions);
  OutputGuard guard = refuseClashingOutputs(options, named.files);
  std::vector<SubmissionFile> submissions = shardOf(named.files, options.shard);
  hashSubmissions(submissions);
  return JudgeRun(options, std::move(submissions), named.skipped, guard, signals).run();
}

}  // namespace

int runJudgeCommand(const std::vector<std::string>& arguments) {
  return runTool<JudgeOptions>(TOOL, JUDGE_HELP, arguments, parseJudgeOptions, judgeContest);
}
