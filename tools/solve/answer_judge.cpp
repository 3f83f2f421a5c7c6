#include "solve/answer_judge.h"

#include <sstream>

#include "common/submission_writer.h"
#include "driver/evaluation_run.h"
#include "driver/report.h"

namespace {

// Whether the evaluator's results are the answers: one line per test case,
// in test set order, each with its answer's number of moves.
bool resultsAreTheAnswers(const TestSet& testSet, const std::vector<std::vector<std::int32_t>>& answers,
                          const ResultList& results) {
  if (results.size() != answers.size()) return false;
  for (std::size_t at = 0; at < answers.size(); ++at) {
    if (results[at].number != testSet[at].number ||
        static_cast<std::size_t>(results[at].moveCount) != answers[at].size()) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<std::string> evaluatorObjection(const TestSet& testSet,
                                              const std::vector<std::vector<std::int32_t>>& answers) {
  std::ostringstream text;
  writeSubmissionHeader(text, "000000");
  for (std::size_t at = 0; at < answers.size(); ++at) writeSection(text, testSet[at].number, answers[at]);
  std::istringstream submission(text.str());
  const EvaluationOutcome outcome = outcomeOf([&] { return evaluateSubmission(testSet, submission); });
  if (outcome.passed() && resultsAreTheAnswers(testSet, answers, *outcome.results())) return std::nullopt;
  return reportOf(outcome);
}
