#include "test_set_reader.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "../check/assertion.h"
#include "../text/leading_int.h"
#include "../text/numbers.h"
#include "../text/quoted_line.h"

namespace {

const std::string Q = "\"";

// Reads the next line of the block; a missing one fails `missing`.
void readBlockLine(LineBuffer& input, std::string_view& line, LineCounter& lineCounter, Check missing) {
  const bool present = input.next(line);
  ++lineCounter;
  if (!present) failCheck(missing, "manjka " + toDecimal(lineCounter) + ". vrstica");
}

void readSizeLine(TestCase& testCase, LineBuffer& input, LineCounter& lineCounter, std::string_view& line,
                  std::vector<std::int32_t>& numbers) {
  readBlockLine(input, line, lineCounter, Check::SizeLineMissing);
  parseNumbers(line, numbers);
  if (numbers.size() != 3) {
    failCheck(Check::SizeLineCount,
              "v " + toDecimal(lineCounter) +
                  ". vrstici bi morala biti 3 stevila (velikost mreze in stevilo barv), ne pa " +
                  toDecimal(static_cast<std::int64_t>(numbers.size())));
  }
  testCase.w = numbers[0];
  if (testCase.w < 1 || testCase.w > MAX_GRID_SIDE) {
    failCheck(Check::WidthOutOfRange, "stevilo stolpcev w bi moralo biti med 1 in " +
                                          toDecimal(MAX_GRID_SIDE) + ", ne pa " + toDecimal(testCase.w));
  }
  testCase.h = numbers[1];
  if (testCase.h < 1 || testCase.h > MAX_GRID_SIDE) {
    failCheck(Check::HeightOutOfRange, "stevilo vrstic h bi moralo biti med 1 in " +
                                           toDecimal(MAX_GRID_SIDE) + ", ne pa " + toDecimal(testCase.h));
  }
  testCase.b = numbers[2];
  if (testCase.b < 1 || testCase.b > MAX_COLOURS) {
    failCheck(Check::ColoursOutOfRange, "stevilo barv b bi moralo biti med 1 in " + toDecimal(MAX_COLOURS) +
                                            ", ne pa " + toDecimal(testCase.b));
  }
}

// The row's numbers go straight into place; only a row that fails a check
// is looked at again.
void readGridRow(TestCase& testCase, std::int32_t y, LineBuffer& input, LineCounter& lineCounter,
                 std::string_view& line) {
  readBlockLine(input, line, lineCounter, Check::GridRowMissing);
  const auto w = static_cast<std::size_t>(testCase.w);
  const std::span<std::int32_t> row(testCase.cells.data() + static_cast<std::size_t>(y) * w, w);
  const std::size_t count = parseNumbersInto(line, row);
  if (count != w) {
    failCheck(Check::GridRowCount, "v " + toDecimal(lineCounter) + ". vrstici bi moralo biti " +
                                       toDecimal(testCase.w) + " stevil (" + toDecimal(y + 1) +
                                       ". vrstica mreze), ne pa " +
                                       toDecimal(static_cast<std::int64_t>(count)));
  }
  // One pass without branches finds whether any colour is out of range.
  const auto colours = static_cast<std::uint32_t>(testCase.b);
  bool outOfRange = false;
  for (const std::int32_t colour : row) outOfRange |= static_cast<std::uint32_t>(colour - 1) >= colours;
  if (!outOfRange) return;
  for (std::int32_t x = 0; x < testCase.w; ++x) {
    const std::int32_t colour = row[static_cast<std::size_t>(x)];
    if (colour < 1 || colour > testCase.b) {
      failCheck(Check::CellColourOutOfRange, "barva " + toDecimal(x + 1) + ". celice v " + toDecimal(y + 1) +
                                                 ". vrstici bi morala biti od 1 do " + toDecimal(testCase.b) +
                                                 ", ne pa " + toDecimal(colour));
    }
  }
}

}  // namespace

void readTestCase(TestCase& testCase, LineBuffer& input, LineCounter& lineCounter) {
  std::string_view line;
  std::vector<std::int32_t> numbers;

  readBlockLine(input, line, lineCounter, Check::BlockEmptyLineMissing);
  // readBlockLine has just filled the line, which the analyser does not see.
  // cppcheck-suppress knownConditionTrueFalse
  if (!line.empty()) {
    failCheck(Check::BlockEmptyLineNotEmpty,
              quotedLine("vrstica " + toDecimal(lineCounter) + " bi morala biti prazna, ne pa ", line));
  }

  readBlockLine(input, line, lineCounter, Check::BlockNumberLineMissing);
  parseNumbers(line, numbers);
  if (numbers.size() != 1) {
    failCheck(Check::BlockNumberLineCount,
              "v " + toDecimal(lineCounter) +
                  ". vrstici bi moralo biti 1 stevilo (stevilka testnega primera), ne pa " +
                  toDecimal(static_cast<std::int64_t>(numbers.size())));
  }
  testCase.number = numbers[0];

  readSizeLine(testCase, input, lineCounter, line, numbers);
  // The size is checked, so this is at most a million cells.
  testCase.cells.assign(static_cast<std::size_t>(testCase.w) * static_cast<std::size_t>(testCase.h), 0);
  for (std::int32_t y = 0; y < testCase.h; ++y) {
    readGridRow(testCase, y, input, lineCounter, line);
  }
}

namespace {

void readWholeTestSet(LineBuffer& input, TestSet& testSet, LineCounter& lineCounter) {
  std::string_view line;
  lineCounter = 1;
  if (!input.next(line)) failCheck(Check::TaskNameLineMissing, "manjka prva vrstica z imenom naloge");
  if (line != TASK_NAME) {
    failCheck(
        Check::TaskNameWrong,
        quotedLine("v prvi vrstici bi moral biti niz " + Q + std::string(TASK_NAME) + Q + ", ne pa ", line));
  }

  lineCounter = 2;
  if (!input.next(line)) {
    failCheck(Check::CaseCountLineMissing, "manjka druga vrstica s stevilom testnih primerov");
  }
  const auto count = scanLeadingInt(line);
  if (!count || *count < 1) {
    failCheck(Check::CaseCountInvalid,
              quotedLine("v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa ", line));
  }

  // Nothing is reserved from the announced count: the file may end long before.
  testSet.clear();
  for (std::int64_t i = 1; i <= *count; ++i) {
    const LineCounter firstLine = lineCounter + 1;
    TestCase testCase;
    readTestCase(testCase, input, lineCounter);
    if (testCase.number != i) {
      failCheck(Check::BlockNumberOutOfOrder, "v vrsticah " + toDecimal(firstLine) + ".." +
                                                  toDecimal(lineCounter) +
                                                  " bi moral biti testni primer stevilka " + toDecimal(i) +
                                                  ", ne pa " + toDecimal(testCase.number));
    }
    testSet.push_back(std::move(testCase));
  }
}

}  // namespace

void readTestSet(std::istream& input, TestSet& testSet) {
  LineCounter lineCounter = 0;
  LineBuffer lines(input);
  withFileLine(lineCounter, [&] { readWholeTestSet(lines, testSet, lineCounter); });
}

void readTestSet(const std::string& fileName, TestSet& testSet) {
  std::ifstream input = openInput(fileName);
  readTestSet(input, testSet);
}
