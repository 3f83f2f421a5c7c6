#include "contest/database/version1.h"

#include <map>
#include <variant>
#include <vector>

#include "common/escaped_bytes.h"
#include "common/tool_error.h"
#include "contest/database/records.h"
#include "contest/database/schema.h"
#include "contest/database/self_check.h"
#include "contest/database/verdict_rows.h"
#include "driver/report.h"

namespace {

// The tables in the order their rows may be copied: each after those it names.
constexpr std::string_view TABLES[] = {"test_sets", "test_cases", "submissions", "verdicts", "sections"};
constexpr std::string_view VERDICT_OK = "OK";
constexpr std::string_view VERDICT_UNEXPECTED = "unexpected";

// The outcome that a stored verdict and its sections stand for; a failed
// check's message lies between its fixed head and the form's "-1" line.
// Whether the stored report is the one it renders is checked apart.
std::variant<EvaluationOutcome, std::string> outcomeOfVersion1(const std::string& verdict,
                                                               const std::string& report,
                                                               ResultList sections) {
  if (verdict == VERDICT_OK) return EvaluationOutcome(std::move(sections));
  std::optional<EvaluationOutcome> outcome;
  if (verdict == VERDICT_UNEXPECTED) outcome = EvaluationOutcome(UnexpectedError{});
  for (const CheckInfo& info : CHECKS) {
    const std::int32_t line = checkLine(info.check);
    if (verdict != toDecimal(line)) continue;
    const std::string head = verdictLine(EvaluationOutcome(EAssertion("", std::string(CHECK_FILE), line)));
    constexpr std::string_view TAIL = "\n-1\n";
    const bool framed = report.size() >= head.size() + TAIL.size() && report.starts_with(head);
    outcome = EvaluationOutcome(
        EAssertion(framed ? report.substr(head.size(), report.size() - head.size() - TAIL.size()) : "",
                   std::string(CHECK_FILE), line));
  }
  if (!outcome) return "its verdict " + quotedText(verdict, 40) + " is none that the judge gives";
  if (!sections.empty()) return "it has sections beside the verdict " + verdict;
  return *outcome;
}

ToolError neverWritten(const Connection& old, const std::string& content, const std::string& fault) {
  return {shownFileName(old.path()) + " holds a verdict that the judge never writes, for content " +
          terminalText(content, 80) + ": " + fault};
}

// Every verdict's sections, by content and test set.
std::map<std::pair<std::string, std::string>, ResultList> sectionsOf(const Connection& old) {
  std::map<std::pair<std::string, std::string>, ResultList> sections;
  Statement rows(old,
                 "SELECT submission_hash, test_set, test_case, moves FROM sections "
                 "ORDER BY submission_hash, test_set, position");
  while (rows.step()) {
    sections[{rows.bytes(0), rows.bytes(1)}].push_back(
        {static_cast<std::int32_t>(rows.number(2)), static_cast<std::int32_t>(rows.number(3))});
  }
  return sections;
}

void convertVerdicts(const Connection& old, const Connection& converted) {
  auto sections = sectionsOf(old);
  Statement rows(old, "SELECT submission_hash, test_set, contestant, verdict, report FROM verdicts");
  while (rows.step()) {
    const std::string content = rows.bytes(0), testSet = rows.bytes(1), verdict = rows.bytes(3);
    const std::string report = rows.bytes(4);
    const auto found = sections.find({content, testSet});
    ResultList results;
    if (found != sections.end()) {
      results = std::move(found->second);
      sections.erase(found);
    }
    VerdictRecord record;
    if (!rows.isNull(2)) record.contestant = rows.bytes(2);
    auto outcome = outcomeOfVersion1(verdict, report, std::move(results));
    if (auto* derived = std::get_if<EvaluationOutcome>(&outcome);
        derived != nullptr && reportOf(*derived) != report)
      outcome = "its report is not of the verdict " + verdict;
    if (const auto* fault = std::get_if<std::string>(&outcome)) throw neverWritten(old, content, *fault);
    record.outcome = std::get<EvaluationOutcome>(std::move(outcome));
    writeVerdictRows(converted, testSet, content, record);
  }
  if (!sections.empty()) throw neverWritten(old, sections.begin()->first.first, "sections without a verdict");
}

}  // namespace

Connection convertedVersion1(const Connection& old) {
  proveResultsDatabase(old, RESULTS_SCHEMA_VERSION_1);
  Connection converted(old.path(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, ":memory:");
  converted.execute(RESULTS_SCHEMA);
  converted.inTransaction("BEGIN", [&] {
    for (const std::string_view table : {TABLES[0], TABLES[1], TABLES[2]}) converted.copyRows(old, table);
    convertVerdicts(old, converted);
  });
  proveResultsDatabase(converted);
  return converted;
}

void convertVersion1InPlace(const Connection& connection) {
  connection.inTransaction("BEGIN IMMEDIATE", [&] {
    // Another judge that found the same file may have converted it while
    // this one waited for the file.
    if (connection.number("PRAGMA user_version") == RESULTS_SCHEMA_VERSION) {
      proveResultsDatabase(connection);
      return;
    }
    const Connection converted = convertedVersion1(connection);
    for (auto table = std::rbegin(TABLES); table != std::rend(TABLES); ++table) {
      connection.execute("DROP TABLE " + std::string(*table));
    }
    connection.execute(RESULTS_SCHEMA);
    for (const std::string_view table : TABLES) connection.copyRows(converted, table);
  });
}
