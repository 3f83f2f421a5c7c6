#include "contest/standings/input.h"

#include <iostream>

#include "common/escaped_bytes.h"
#include "common/input_file.h"
#include "contest/database/content_hash.h"
#include "contest/database/verdict_text.h"
#include "driver/evaluation_run.h"

std::string testSetFileHash(const std::string& path) {
  // Opened first, which names the reason when it cannot be.
  if (!ToolInput(path).stream()) throw readFailure(path, "it cannot be read");
  const std::optional<FileDigest> digest = hashFile(path);
  if (!digest) throw readFailure(path, "a read failed");
  return digest->hash;
}

StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path) {
  ToolInput file(path);
  const VerdictRecord record = judgedVerdict(
      [&](SectionObserver& observer) { return evaluateSubmission(testSet, file.stream(), &observer); });
  const std::string firstLine = record.report.substr(0, record.report.find('\n'));
  StandingsSubmission reference{path, record.contestant, record.verdict,
                                shownReportLine(firstLine, firstLine.size()),
                                fewestMovesOf(record.sections, testSet.size())};
  if (reference.verdict != VERDICT_OK) {
    throw StandingsError("reference " + shownFileName(path) +
                         " fails the evaluator's checks: " + reference.message);
  }
  return reference;
}
