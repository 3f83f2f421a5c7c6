#include "solve/answer_judge.h"

#include <sstream>

#include "common/submission_writer.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"

std::optional<std::string> evaluatorObjection(const TestSet& testSet,
                                              const std::vector<std::vector<std::int32_t>>& answers) {
  std::ostringstream text;
  writeSubmissionHeader(text, "000000");
  std::string expected = "OK\n" + std::to_string(answers.size()) + "\n";
  for (std::size_t at = 0; at < answers.size(); ++at) {
    writeSection(text, testSet[at].number, answers[at]);
    expected += std::to_string(testSet[at].number) + " " + std::to_string(answers[at].size()) + "\n";
  }
  std::istringstream submission(text.str());
  std::string report = reportOf([&] { return evaluateSubmission(testSet, submission); });
  if (report == expected) return std::nullopt;
  return report;
}
