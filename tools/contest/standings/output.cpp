#include "contest/standings/output.h"

#include "common/escaped_bytes.h"
#include "common/file_status.h"

std::optional<OutputFormat> formatByName(std::string_view name) {
  if (name == "csv") return OutputFormat::csv;
  if (name == "json") return OutputFormat::json;
  if (name == "html") return OutputFormat::html;
  return std::nullopt;
}

std::optional<OutputFormat> outputFormatOf(std::string_view path) {
  const auto dot = path.rfind('.');
  return dot == std::string_view::npos ? std::nullopt : formatByName(path.substr(dot + 1));
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
