#include "contest/database/self_check.h"

#include <set>
#include <tuple>
#include <vector>

#include "check/check.h"
#include "common/escaped_bytes.h"
#include "common/tool_error.h"
#include "contest/database/schema.h"
#include "testset/test_case.h"

namespace {

// One schema object as SQLite keeps it: its kind, name, table and SQL.
using SchemaObject = std::tuple<std::string, std::string, std::string, std::string>;

std::set<SchemaObject> schemaObjects(const Connection& connection) {
  std::set<SchemaObject> objects;
  Statement rows(connection, "SELECT type, name, tbl_name, coalesce(sql, '') FROM sqlite_schema");
  while (rows.step()) objects.emplace(rows.bytes(0), rows.bytes(1), rows.bytes(2), rows.bytes(3));
  return objects;
}

// The objects that the results schema of `version` makes, made in memory
// for the comparison.
std::set<SchemaObject> resultsSchemaObjects(std::int64_t version) {
  const Connection schema(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  schema.execute(version == RESULTS_SCHEMA_VERSION_1 ? RESULTS_SCHEMA_V1 : RESULTS_SCHEMA);
  return schemaObjects(schema);
}

// The check lines that the evaluator has, as an SQL list.
std::string checkLines() {
  std::string list;
  for (const CheckInfo& info : CHECKS)
    list += (list.empty() ? "" : ", ") + std::to_string(checkLine(info.check));
  return "(" + list + ")";
}

[[noreturn]] void refuse(const Connection& connection, const std::string& fault) {
  throw ToolError{"will not use results database " + shownFileName(connection.path()) + ": " + fault};
}

// Each query gives the first row that breaks one rule of what the judge
// writes, as the text that says how, and no row while the rule holds; so
// whatever is built from the file is bounded by its rows and by the format's
// limits, never by a number in it.
std::vector<std::string> valueRules() {
  const std::string side = std::to_string(MAX_GRID_SIDE), colours = std::to_string(MAX_COLOURS);
  std::vector<std::string> rules;
  rules.push_back(
      "SELECT 'its test set ' || hash || ' counts ' || case_count || ' test cases but describes ' || "
      "(SELECT count(*) FROM test_cases WHERE test_set = hash) FROM test_sets "
      "WHERE case_count <> (SELECT count(*) FROM test_cases WHERE test_set = hash) LIMIT 1");
  rules.push_back(
      "SELECT 'its test set ' || test_set || ' numbers a test case ' || number || ' outside 1 to its count' "
      "FROM test_cases WHERE number < 1 OR number > (SELECT case_count FROM test_sets WHERE hash = test_set) "
      "LIMIT 1");
  rules.push_back(
      "SELECT 'its test set ' || test_set || ' gives test case ' || number || ' a size outside the format''s "
      "limits' FROM test_cases WHERE typeof(w) <> 'integer' OR typeof(h) <> 'integer' OR typeof(b) <> "
      "'integer' "
      "OR w NOT BETWEEN 1 AND " +
      side + " OR h NOT BETWEEN 1 AND " + side + " OR b NOT BETWEEN 1 AND " + colours + " LIMIT 1");
  rules.push_back(
      "SELECT 'the verdict of content ' || submission_hash || ' is none that the judge writes' FROM verdicts "
      "WHERE outcome IS NOT 'passed' AND outcome IS NOT 'unexpected' AND (outcome IS NOT 'failed' "
      "OR typeof(check_line) <> 'integer' OR check_line NOT IN " +
      checkLines() +
      " OR typeof(message) <> 'blob') "
      "OR (outcome IN ('passed', 'unexpected') AND (check_line IS NOT NULL OR message IS NOT NULL)) "
      "LIMIT 1");
  rules.push_back(
      "SELECT 'the verdict of content ' || v.submission_hash || ' has sections beside the outcome ' || "
      "v.outcome FROM sections s JOIN verdicts v ON v.id = s.verdict WHERE v.outcome <> 'passed' LIMIT 1");
  rules.push_back(
      "SELECT 'it holds sections of no verdict' FROM sections WHERE verdict NOT IN (SELECT id FROM verdicts) "
      "LIMIT 1");
  rules.push_back(
      "SELECT 'the verdict of content ' || v.submission_hash || ' has a section for test case ' || "
      "s.test_case || ', which its test set lacks' FROM sections s JOIN verdicts v ON v.id = s.verdict "
      "WHERE NOT EXISTS (SELECT 1 FROM test_cases c WHERE c.test_set = v.test_set AND c.number = "
      "s.test_case) "
      "LIMIT 1");
  rules.push_back(
      "SELECT 'the verdict of content ' || v.submission_hash || ' gives ' || s.moves || ' moves on test case "
      "' "
      "|| s.test_case || ', whose grid has ' || (c.w * c.h) || ' cells' FROM sections s "
      "JOIN verdicts v ON v.id = s.verdict JOIN test_cases c ON c.test_set = v.test_set AND c.number = "
      "s.test_case WHERE typeof(s.moves) <> 'integer' OR s.moves NOT BETWEEN 0 AND c.w * c.h LIMIT 1");
  return rules;
}

}  // namespace

void proveResultsDatabase(const Connection& connection, std::int64_t version) {
  std::string firstFault;
  try {
    Statement check(connection, "PRAGMA quick_check");
    while (check.step()) {
      const std::string line = check.bytes(0);
      if (line != "ok" && firstFault.empty()) firstFault = line;
    }
  } catch (const ToolError&) {
    // A page so damaged that the check itself cannot read it.
    firstFault = "the quick check cannot read it";
  }
  if (!firstFault.empty()) refuse(connection, "it is damaged (" + terminalText(firstFault, 200) + ")");

  const std::set<SchemaObject> expected = resultsSchemaObjects(version);
  const std::set<SchemaObject> found = schemaObjects(connection);
  for (const SchemaObject& object : found) {
    if (expected.count(object) == 0) {
      refuse(connection, "it holds a " + terminalText(std::get<0>(object), 40) + " " +
                             terminalText(std::get<1>(object), 80) + " that the judge never makes");
    }
  }
  for (const SchemaObject& object : expected) {
    if (found.count(object) == 0)
      refuse(connection, "its " + std::get<0>(object) + " " + std::get<1>(object) + " is missing or changed");
  }

  // Last, as these queries read the very tables just proved to be ours; a
  // file of the first version is proved again once it is converted.
  if (version != RESULTS_SCHEMA_VERSION) return;
  for (const std::string& rule : valueRules()) {
    Statement broken(connection, rule);
    if (broken.step()) refuse(connection, terminalText(broken.bytes(0), 300));
  }
}
