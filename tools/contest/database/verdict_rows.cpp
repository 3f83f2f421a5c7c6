#include "contest/database/verdict_rows.h"

#include "check/assertion.h"

std::string_view outcomeWord(EvaluationOutcome::Verdict verdict) {
  switch (verdict) {
    case EvaluationOutcome::Verdict::Success:
      return "passed";
    case EvaluationOutcome::Verdict::FailedCheck:
      return "failed";
    case EvaluationOutcome::Verdict::UnexpectedError:
      break;
  }
  return "unexpected";
}

EvaluationOutcome outcomeOfRow(std::string_view word, std::int32_t line, std::string message,
                               ResultList sections) {
  if (word == outcomeWord(EvaluationOutcome::Verdict::Success)) return EvaluationOutcome(std::move(sections));
  if (word == outcomeWord(EvaluationOutcome::Verdict::FailedCheck)) {
    return EvaluationOutcome(EAssertion(std::move(message), std::string(CHECK_FILE), line));
  }
  return EvaluationOutcome(UnexpectedError{});
}

void writeVerdictRows(const Connection& connection, const ContentHash& testSet, const ContentHash& content,
                      const VerdictRecord& verdict) {
  Statement forgetSections(connection,
                           "DELETE FROM sections WHERE verdict IN "
                           "(SELECT id FROM verdicts WHERE submission_hash = ?1 AND test_set = ?2)");
  forgetSections.bind(1, content).bind(2, testSet).run();
  Statement forget(connection, "DELETE FROM verdicts WHERE submission_hash = ?1 AND test_set = ?2");
  forget.bind(1, content).bind(2, testSet).run();

  const EvaluationOutcome& outcome = verdict.outcome;
  Statement row(connection,
                "INSERT INTO verdicts (submission_hash, test_set, contestant, outcome, check_line, message) "
                "VALUES (?, ?, ?, ?, ?, ?)");
  row.bind(1, content).bind(2, testSet);
  if (verdict.contestant) {
    row.bindBlob(3, *verdict.contestant);
  } else {
    row.bindNull(3);
  }
  row.bind(4, outcomeWord(outcome.verdict()));
  if (const EAssertion* failure = outcome.failure()) {
    row.bind(5, std::int64_t{failure->line}).bindBlob(6, failure->message);
  } else {
    row.bindNull(5).bindNull(6);
  }
  row.run();
  const ResultList* results = outcome.results();
  if (results == nullptr) return;
  const std::int64_t id = connection.lastRowId();
  Statement section(connection,
                    "INSERT INTO sections (verdict, position, test_case, moves) VALUES (?, ?, ?, ?)");
  for (std::size_t i = 0; i < results->size(); ++i) {
    const TestResult& result = (*results)[i];
    section.bind(1, id).bind(2, static_cast<std::int64_t>(i + 1)).bind(3, std::int64_t{result.number});
    section.bind(4, std::int64_t{result.moveCount}).run();
  }
}

std::optional<VerdictRecord> readVerdictRows(const Connection& connection, const ContentHash& testSet,
                                             const ContentHash& content) {
  Statement row(connection,
                "SELECT id, contestant, outcome, check_line, message FROM verdicts "
                "WHERE submission_hash = ?1 AND test_set = ?2");
  row.bind(1, content).bind(2, testSet);
  if (!row.step()) return std::nullopt;
  const std::int64_t id = row.number(0);
  std::optional<std::string> contestant;
  if (!row.isNull(1)) contestant = row.bytes(1);
  const std::string word = row.bytes(2);
  const auto line = static_cast<std::int32_t>(row.number(3));
  std::string message = row.bytes(4);
  row.run();
  ResultList sections;
  Statement rows(connection, "SELECT test_case, moves FROM sections WHERE verdict = ?1 ORDER BY position");
  rows.bind(1, id);
  while (rows.step()) {
    sections.push_back(
        {static_cast<std::int32_t>(rows.number(0)), static_cast<std::int32_t>(rows.number(1))});
  }
  return VerdictRecord{std::move(contestant),
                       outcomeOfRow(word, line, std::move(message), std::move(sections))};
}
