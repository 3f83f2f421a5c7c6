#include "submission_checks.h"

#include "../check/assertion.h"
#include "../testset/task_name.h"
#include "../text/leading_int.h"
#include "../text/quoted_line.h"

namespace {

const std::string Q = "\"";
constexpr std::size_t CONTESTANT_NUMBER_LENGTH = 6;

}  // namespace

std::string checkSubmissionHeader(std::istream& submission, LineCounter& lineCounter) {
  std::string line;
  lineCounter = 1;
  if (!readLine(submission, line)) failCheck(Check::ContestantLineMissing, "manjka stevilka tekmovalca");
  if (line.size() != CONTESTANT_NUMBER_LENGTH) {
    failCheck(Check::ContestantNumberLength, "stevilka tekmovalca bi morala imeti 6 stevk");
  }
  if (!scanLeadingInt(line)) {
    failCheck(Check::ContestantNumberNotNumber,
              quotedLine("v prvi vrstici bi morala biti stevilka tekmovalca, ne pa ", line));
  }

  std::string contestantNumber = line;
  lineCounter = 2;
  if (!readLine(submission, line)) failCheck(Check::SubmissionTaskLineMissing, "manjka druga vrstica");
  if (line != TASK_NAME) {
    failCheck(
        Check::SubmissionTaskNameWrong,
        quotedLine("v drugi vrstici bi moral biti niz " + Q + std::string(TASK_NAME) + Q + ", ne pa ", line));
  }
  return contestantNumber;
}

bool readSectionStart(std::istream& submission, LineCounter& lineCounter, std::string& line) {
  while (true) {
    const bool present = readLine(submission, line);
    ++lineCounter;
    if (!present) return false;
    if (!line.empty()) return true;
  }
}

const TestCase& findAnsweredTestCase(const TestSet& testSet, const std::string& line, LineCounter lineNumber,
                                     std::int32_t& number) {
  const auto scanned = scanLeadingInt(line);
  if (!scanned) {
    failCheck(Check::SectionNumberNotNumber,
              quotedLine(
                  "v " + toDecimal(lineNumber) + ". vrstici bi morala biti stevilka testnega primera, ne pa ",
                  line));
  }
  number = *scanned;
  // The test set numbers its cases 1, 2, ... in file order, so the first
  // case with this number stands at position number - 1.
  if (number < 1 || static_cast<std::size_t>(number) > testSet.size()) {
    failCheck(Check::SectionNumberUnknown,
              "v " + toDecimal(lineNumber) +
                  ". vrstici se pojavlja neveljavna stevilka testnega primera: " + toDecimal(number));
  }
  return testSet[static_cast<std::size_t>(number) - 1];
}
