#include "contest/standings/input.h"

#include <fstream>
#include <iostream>

#include "common/escaped_bytes.h"
#include "contest/database/content_hash.h"
#include "contest/database/verdict_text.h"
#include "driver/evaluation_run.h"

std::string testSetFileHash(const std::string& path) {
  const std::optional<FileDigest> digest = hashFile(path);
  if (!digest) throw StandingsError("cannot read test set '" + path + "'");
  return digest->hash;
}

StandingsSubmission judgeReference(const TestSet& testSet, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw StandingsError("cannot read reference '" + path + "'");
  const VerdictRecord record =
      judgedVerdict([&](SectionObserver& observer) { return evaluateSubmission(testSet, file, &observer); });
  const std::string firstLine = record.report.substr(0, record.report.find('\n'));
  StandingsSubmission reference{path, record.contestant, record.verdict,
                                shownReportLine(firstLine, firstLine.size()),
                                fewestMovesOf(record.sections, testSet.size())};
  if (reference.verdict != VERDICT_OK) {
    throw StandingsError("reference '" + path + "' fails the evaluator's checks: " + reference.message);
  }
  return reference;
}
