#include "contest/judge/tally.h"

#include <set>

#include "common/escaped_bytes.h"
#include "common/json_object.h"

namespace {

JsonArray pathsOf(const std::vector<std::string>& paths) {
  JsonArray array;
  for (const std::string& path : paths) array.add(jsonString(escapedBytes(path)));
  return array;
}

}  // namespace

void JudgeTally::add(const PendingContent& content, const Judgement& judgement) {
  if (!judgement.verdict) return;
  ++judgedContents;
  for (const SubmissionFile* file : content.files) judged.push_back(file->path);
  if (judgement.verdict->outcome.passed()) ++passed;
}

void JudgeTally::print(std::ostream& out, double seconds) const {
  out << submissions << " submissions, " << beforeContents + pendingContents
      << " contents: " << beforeContents << " judged before, " << judgedContents << " judged now (" << passed
      << " OK, " << judgedContents - passed << " failed) in " << static_cast<long long>(seconds * 1000)
      << " ms";
  if (!skipped.empty()) out << "; " << skipped.size() << " hidden or backup files skipped";
  if (left() > 0) out << "; " << left() << " not judged yet: run the judge again to finish";
  out << "\n";
}

void JudgeTally::printJson(std::ostream& out, double seconds) const {
  // The pending files in their order: judged now if their content got a
  // verdict, else left for the next run.
  const std::set<std::string> withVerdict(judged.begin(), judged.end());
  std::vector<std::string> judgedInOrder;
  std::vector<std::string> leftFiles;
  for (const std::string& path : pending)
    (withVerdict.contains(path) ? judgedInOrder : leftFiles).push_back(path);
  out << JsonObject()
             .number("submissions", submissions)
             .number("contents", beforeContents + pendingContents)
             .number("judged_before", beforeContents)
             .number("judged_now", judgedContents)
             .number("passed", passed)
             .number("failed", judgedContents - passed)
             .number("left", left())
             .number("skipped", static_cast<std::int64_t>(skipped.size()))
             .number("milliseconds", static_cast<std::int64_t>(seconds * 1000))
             .raw("files", JsonObject()
                               .array("judged_now", pathsOf(judgedInOrder))
                               .array("judged_before", pathsOf(before))
                               .array("left", pathsOf(leftFiles))
                               .array("skipped", pathsOf(skipped))
                               .str())
             .str()
      << "\n";
}
