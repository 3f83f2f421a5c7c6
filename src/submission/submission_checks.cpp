#include "submission_checks.h"

#include "../driver/assertion.h"
#include "../testset/test_set_reader.h"
#include "../text/leading_int.h"

namespace {

const std::string Q = "\"";
constexpr std::size_t CONTESTANT_NUMBER_LENGTH = 6;

}  // namespace

void checkSubmissionHeader(std::istream& submission, LineCounter& lineCounter) {
  std::string line;
  if (!readLine(submission, line)) raiseAssertion("manjka stevilka tekmovalca", CHECK_FILE, 218);
  if (line.size() != CONTESTANT_NUMBER_LENGTH) {
    raiseAssertion("stevilka tekmovalca bi morala imeti 6 stevk", CHECK_FILE, 219);
  }
  if (!scanLeadingInt(line)) {
    raiseAssertion("v prvi vrstici bi morala biti stevilka tekmovalca, ne pa " + Q + line + Q, CHECK_FILE,
                   221);
  }

  if (!readLine(submission, line)) raiseAssertion("manjka druga vrstica", CHECK_FILE, 222);
  if (line != TASK_NAME) {
    raiseAssertion(
        "v drugi vrstici bi moral biti niz " + Q + std::string(TASK_NAME) + Q + ", ne pa " + Q + line + Q,
        CHECK_FILE, 223);
  }
  lineCounter = 2;
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
    raiseAssertion("v " + toDecimal(lineNumber) +
                       ". vrstici bi morala biti stevilka testnega primera, ne pa " + Q + line + Q,
                   CHECK_FILE, 231);
  }
  number = *scanned;
  // The test set numbers its cases 1, 2, ... in file order, so the first
  // case with this number stands at position number - 1.
  if (number < 1 || static_cast<std::size_t>(number) > testSet.size()) {
    raiseAssertion("v " + toDecimal(lineNumber) +
                       ". vrstici se pojavlja neveljavna stevilka testnega primera: " + toDecimal(number),
                   CHECK_FILE, 233);
  }
  return testSet[static_cast<std::size_t>(number) - 1];
}
