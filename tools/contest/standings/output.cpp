#include "contest/standings/output.h"

#include "common/escaped_bytes.h"
#include "common/file_status.h"

std::optional<OutputFormat> outputFormatOf(std::string_view path) {
  if (path.ends_with(".csv")) return OutputFormat::csv;
  if (path.ends_with(".json")) return OutputFormat::json;
  if (path.ends_with(".html")) return OutputFormat::html;
  return std::nullopt;
}

void writeStandings(std::ostream& output, const Standings& standings, OutputFormat format) {
  switch (format) {
    case OutputFormat::csv:
      writeStandingsCsv(output, standings);
      break;
    case OutputFormat::json:
      writeStandingsJson(output, standings);
      break;
    case OutputFormat::html:
      writeStandingsPage(output, standings);
      break;
  }
}

std::string rankText(const StandingsRow& row) { return row.rank ? std::to_string(*row.rank) : "ref"; }

std::string shownContestant(const StandingsRow& row) {
  return row.submission.contestant ? escapedBytes(*row.submission.contestant) : std::string();
}

std::string shownSubmission(const StandingsRow& row) { return escapedBytes(fileNameOf(row.submission.path)); }

std::string shownVerdict(const StandingsRow& row) {
  switch (row.submission.verdict) {
    case EvaluationOutcome::Verdict::Success:
      return "OK";
    case EvaluationOutcome::Verdict::FailedCheck:
      return toDecimal(row.submission.checkLine);
    case EvaluationOutcome::Verdict::UnexpectedError:
      break;
  }
  return "unexpected";
}

std::string movesText(std::optional<std::int32_t> moves) {
  return moves ? std::to_string(*moves) : std::string();
}
