#include "test_set_reader.h"

#include <cstdint>
#include <vector>

#include "../driver/assertion.h"
#include "../text/leading_int.h"
#include "../text/numbers.h"

namespace {

const std::string Q = "\"";

[[noreturn]] void raiseMissingLine(LineCounter lineCounter, std::int32_t checkLine) {
  raiseAssertion("manjka " + toDecimal(lineCounter) + ". vrstica", CHECK_FILE, checkLine);
}

// Reads the next line of the block; a missing one fails with `checkLine`.
void readBlockLine(std::istream& input, std::string& line, LineCounter& lineCounter, std::int32_t checkLine) {
  const bool present = readLine(input, line);
  ++lineCounter;
  if (!present) raiseMissingLine(lineCounter, checkLine);
}

void readSizeLine(TestCase& testCase, std::istream& input, LineCounter& lineCounter, std::string& line,
                  std::vector<std::int32_t>& numbers) {
  readBlockLine(input, line, lineCounter, 90);
  parseNumbers(line, numbers);
  if (numbers.size() != 3) {
    raiseAssertion("v " + toDecimal(lineCounter) +
                       ". vrstici bi morala biti 3 stevila (velikost mreze in stevilo barv), ne pa " +
                       toDecimal(static_cast<std::int64_t>(numbers.size())),
                   CHECK_FILE, 91);
  }
  testCase.w = numbers[0];
  if (testCase.w < 1 || testCase.w > MAX_GRID_SIDE) {
    raiseAssertion("stevilo stolpcev w bi moralo biti med 1 in " + toDecimal(MAX_GRID_SIDE) + ", ne pa " +
                       toDecimal(testCase.w),
                   CHECK_FILE, 92);
  }
  testCase.h = numbers[1];
  if (testCase.h < 1 || testCase.h > MAX_GRID_SIDE) {
    raiseAssertion("stevilo vrstic h bi moralo biti med 1 in " + toDecimal(MAX_GRID_SIDE) + ", ne pa " +
                       toDecimal(testCase.h),
                   CHECK_FILE, 93);
  }
  testCase.b = numbers[2];
  if (testCase.b < 1 || testCase.b > MAX_COLOURS) {
    raiseAssertion("stevilo barv b bi moralo biti med 1 in " + toDecimal(MAX_COLOURS) + ", ne pa " +
                       toDecimal(testCase.b),
                   CHECK_FILE, 94);
  }
}

void readGridRow(TestCase& testCase, std::int32_t y, std::istream& input, LineCounter& lineCounter,
                 std::string& line, std::vector<std::int32_t>& numbers) {
  readBlockLine(input, line, lineCounter, 98);
  parseNumbers(line, numbers);
  if (numbers.size() != static_cast<std::size_t>(testCase.w)) {
    raiseAssertion("v " + toDecimal(lineCounter) + ". vrstici bi moralo biti " + toDecimal(testCase.w) +
                       " stevil (" + toDecimal(y + 1) + ". vrstica mreze), ne pa " +
                       toDecimal(static_cast<std::int64_t>(numbers.size())),
                   CHECK_FILE, 99);
  }
  for (std::int32_t x = 0; x < testCase.w; ++x) {
    const std::int32_t colour = numbers[static_cast<std::size_t>(x)];
    if (colour < 1 || colour > testCase.b) {
      raiseAssertion("barva " + toDecimal(x + 1) + ". celice v " + toDecimal(y + 1) +
                         ". vrstici bi morala biti od 1 do " + toDecimal(testCase.b) + ", ne pa " +
                         toDecimal(colour),
                     CHECK_FILE, 100);
    }
    testCase.cell(x, y) = colour;
  }
}

}  // namespace

void readTestCase(TestCase& testCase, std::istream& input, LineCounter& lineCounter) {
  std::string line;
  std::vector<std::int32_t> numbers;

  readBlockLine(input, line, lineCounter, 85);
  if (!line.empty()) {
    raiseAssertion("vrstica " + toDecimal(lineCounter) + " bi morala biti prazna, ne pa " + Q + line + Q,
                   CHECK_FILE, 86);
  }

  readBlockLine(input, line, lineCounter, 87);
  parseNumbers(line, numbers);
  if (numbers.size() != 1) {
    raiseAssertion("v " + toDecimal(lineCounter) +
                       ". vrstici bi moralo biti 1 stevilo (stevilka testnega primera), ne pa " +
                       toDecimal(static_cast<std::int64_t>(numbers.size())),
                   CHECK_FILE, 88);
  }
  testCase.number = numbers[0];

  readSizeLine(testCase, input, lineCounter, line, numbers);
  // The size is checked, so this is at most a million cells.
  testCase.cells.assign(static_cast<std::size_t>(testCase.w) * static_cast<std::size_t>(testCase.h), 0);
  for (std::int32_t y = 0; y < testCase.h; ++y) {
    readGridRow(testCase, y, input, lineCounter, line, numbers);
  }
}

void readTestSet(std::istream& input, TestSet& testSet) {
  std::string line;
  if (!readLine(input, line)) raiseAssertion("manjka prva vrstica z imenom naloge", CHECK_FILE, 111);
  if (line != TASK_NAME) {
    raiseAssertion(
        "v prvi vrstici bi moral biti niz " + Q + std::string(TASK_NAME) + Q + ", ne pa " + Q + line + Q,
        CHECK_FILE, 112);
  }

  if (!readLine(input, line)) {
    raiseAssertion("manjka druga vrstica s stevilom testnih primerov", CHECK_FILE, 115);
  }
  const auto count = scanLeadingInt(line);
  if (!count || *count < 1) {
    raiseAssertion("v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa " + Q + line + Q,
                   CHECK_FILE, 118);
  }

  // Nothing is reserved from the announced count: the file may end long before.
  testSet.clear();
  LineCounter lineCounter = 2;
  for (std::int64_t i = 1; i <= *count; ++i) {
    const LineCounter firstLine = lineCounter + 1;
    TestCase testCase;
    readTestCase(testCase, input, lineCounter);
    if (testCase.number != i) {
      raiseAssertion("v vrsticah " + toDecimal(firstLine) + ".." + toDecimal(lineCounter) +
                         " bi moral biti testni primer stevilka " + toDecimal(i) + ", ne pa " +
                         toDecimal(testCase.number),
                     CHECK_FILE, 125);
    }
    testSet.push_back(std::move(testCase));
  }
}

void readTestSet(const std::string& fileName, TestSet& testSet) {
  std::ifstream input = openInput(fileName);
  readTestSet(input, testSet);
}
