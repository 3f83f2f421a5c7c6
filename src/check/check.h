#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Every check of the evaluator. The value is the check line that the
// report prints for it: each number stands here and nowhere else.
enum class Check : std::int32_t {
  // Numbers on a line, in either file.
  BadCharacter = 58,
  NumberTooLarge = 64,
  // The test set.
  TestCaseCellOutsideGrid = 79,
  BlockEmptyLineMissing = 85,
  BlockEmptyLineNotEmpty = 86,
  BlockNumberLineMissing = 87,
  BlockNumberLineCount = 88,
  SizeLineMissing = 90,
  SizeLineCount = 91,
  WidthOutOfRange = 92,
  HeightOutOfRange = 93,
  ColoursOutOfRange = 94,
  GridRowMissing = 98,
  GridRowCount = 99,
  CellColourOutOfRange = 100,
  TaskNameLineMissing = 111,
  TaskNameWrong = 112,
  CaseCountLineMissing = 115,
  CaseCountInvalid = 118,
  BlockNumberOutOfOrder = 125,
  // A section and its replay.
  SolutionCellBelowGrid = 141,
  SolutionCellBeyondGrid = 142,
  MoveCountLineMissing = 152,
  MoveCountLineCount = 153,
  MoveCountOutOfRange = 154,
  MoveLineMissing = 155,
  MoveLineCount = 156,
  MoveColourOutOfRange = 169,
  WaitingCellOutOfPlace = 174,
  CellNotFlooded = 190,
  // The submission's header and the lines where sections begin.
  ContestantLineMissing = 218,
  ContestantNumberLength = 219,
  ContestantNumberNotNumber = 221,
  SubmissionTaskLineMissing = 222,
  SubmissionTaskNameWrong = 223,
  SectionNumberNotNumber = 231,
  SectionNumberUnknown = 233,
};

constexpr std::int32_t checkLine(Check check) { return static_cast<std::int32_t>(check); }

// Which file's text a check reads.
enum class CheckedFile { Either, Input, Submission };

struct CheckInfo {
  Check check;
  std::string_view name;  // what it guards, for people
  CheckedFile file;
  bool internal;  // guards the evaluator's own consistency; no input can fail it
};

// The table of every check, in check-line order.
inline constexpr CheckInfo CHECKS[] = {
    {Check::BadCharacter, "a byte that is neither a digit nor whitespace on a line of numbers",
     CheckedFile::Either, false},
    {Check::NumberTooLarge, "a number above 2147483647", CheckedFile::Either, false},
    {Check::TestCaseCellOutsideGrid, "a test case's cell asked for outside its grid", CheckedFile::Input,
     true},
    {Check::BlockEmptyLineMissing, "the empty line that opens a test case is missing", CheckedFile::Input,
     false},
    {Check::BlockEmptyLineNotEmpty, "the line that opens a test case is not empty", CheckedFile::Input,
     false},
    {Check::BlockNumberLineMissing, "a test case's number line is missing", CheckedFile::Input, false},
    {Check::BlockNumberLineCount, "a test case's number line holds other than one number", CheckedFile::Input,
     false},
    {Check::SizeLineMissing, "a test case's size line is missing", CheckedFile::Input, false},
    {Check::SizeLineCount, "a test case's size line holds other than three numbers", CheckedFile::Input,
     false},
    {Check::WidthOutOfRange, "w outside 1 to 1000", CheckedFile::Input, false},
    {Check::HeightOutOfRange, "h outside 1 to 1000", CheckedFile::Input, false},
    {Check::ColoursOutOfRange, "b outside 1 to 100", CheckedFile::Input, false},
    {Check::GridRowMissing, "a grid row is missing", CheckedFile::Input, false},
    {Check::GridRowCount, "a grid row holds other than w numbers", CheckedFile::Input, false},
    {Check::CellColourOutOfRange, "a cell's colour outside 1 to b", CheckedFile::Input, false},
    {Check::TaskNameLineMissing, "the test set has no first line", CheckedFile::Input, false},
    {Check::TaskNameWrong, "the test set's first line is not the task name", CheckedFile::Input, false},
    {Check::CaseCountLineMissing, "the test set has no second line", CheckedFile::Input, false},
    {Check::CaseCountInvalid, "the number of test cases is missing or below 1", CheckedFile::Input, false},
    {Check::BlockNumberOutOfOrder, "test case i is not numbered i", CheckedFile::Input, false},
    {Check::SolutionCellBelowGrid, "a section's cell asked for before its grid", CheckedFile::Submission,
     true},
    {Check::SolutionCellBeyondGrid, "a section's cell asked for beyond its grid", CheckedFile::Submission,
     true},
    {Check::MoveCountLineMissing, "a section's count line is missing", CheckedFile::Submission, false},
    {Check::MoveCountLineCount, "a section's count line holds other than one number", CheckedFile::Submission,
     false},
    {Check::MoveCountOutOfRange, "the number of moves outside 0 to w*h", CheckedFile::Submission, false},
    {Check::MoveLineMissing, "a section's move line is missing", CheckedFile::Submission, false},
    {Check::MoveLineCount, "a move line holds other than the announced number of moves",
     CheckedFile::Submission, false},
    {Check::MoveColourOutOfRange, "a move's colour outside 1 to b", CheckedFile::Submission, false},
    {Check::WaitingCellOutOfPlace, "the replay's lists hold a cell that does not wait there",
     CheckedFile::Submission, true},
    {Check::CellNotFlooded, "a cell left unflooded after the last move", CheckedFile::Submission, false},
    {Check::ContestantLineMissing, "the submission has no first line", CheckedFile::Submission, false},
    {Check::ContestantNumberLength, "the contestant number is not 6 bytes long", CheckedFile::Submission,
     false},
    {Check::ContestantNumberNotNumber, "the contestant number does not start with a number",
     CheckedFile::Submission, false},
    {Check::SubmissionTaskLineMissing, "the submission has no second line", CheckedFile::Submission, false},
    {Check::SubmissionTaskNameWrong, "the submission's second line is not the task name",
     CheckedFile::Submission, false},
    {Check::SectionNumberNotNumber, "a section's first line does not start with a number",
     CheckedFile::Submission, false},
    {Check::SectionNumberUnknown, "a section names no test case of the test set", CheckedFile::Submission,
     false},
};

// The entry of a check line, if the system has such a check.
constexpr std::optional<CheckInfo> checkInfo(std::int32_t line) {
  for (const CheckInfo& info : CHECKS) {
    if (checkLine(info.check) == line) return info;
  }
  return std::nullopt;
}
