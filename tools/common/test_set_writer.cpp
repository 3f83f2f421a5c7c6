#include "common/test_set_writer.h"

#include <array>
#include <string>

#include "common/number_line.h"
#include "testset/task_name.h"

void writeTestSetHeader(std::ostream& output, std::int64_t caseCount) {
  output << TASK_NAME << '\n' << caseCount << '\n';
}

void writeTestCase(std::ostream& output, const TestCase& testCase) {
  std::string text = "\n";
  appendNumberLine(text, std::array{testCase.number});
  appendNumberLine(text, std::array{testCase.w, testCase.h, testCase.b});
  const std::span<const std::int32_t> cells(testCase.cells);
  for (std::int32_t y = 0; y < testCase.h; ++y) {
    appendNumberLine(text, cells.subspan(static_cast<std::size_t>(y) * testCase.w, testCase.w));
  }
  output.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writeTestSet(std::ostream& output, const TestSet& testSet) {
  writeTestSetHeader(output, static_cast<std::int64_t>(testSet.size()));
  for (const TestCase& testCase : testSet) writeTestCase(output, testCase);
}
