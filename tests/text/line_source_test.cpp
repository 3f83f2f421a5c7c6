#include "text/line_source.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "support/failing_stream.h"
#include "text/line_buffer.h"

namespace {

std::vector<std::string> allLines(const std::string& bytes) {
  std::istringstream input(bytes);
  std::vector<std::string> lines;
  std::string line;
  while (readLine(input, line)) lines.push_back(line);
  return lines;
}

// The same lines through the block reader, which hands them out in place.
std::vector<std::string> allBufferedLines(const std::string& bytes) {
  std::istringstream input(bytes);
  LineBuffer buffer(input);
  std::vector<std::string> lines;
  std::string_view line;
  while (buffer.next(line)) lines.emplace_back(line);
  return lines;
}

struct LineCase {
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const LineCase& lineCase, std::ostream* out) {
  // Megabytes of a long line would bury the failure: those show their length.
  constexpr std::size_t SHOWN = 80;
  if (lineCase.bytes.size() > SHOWN) {
    *out << lineCase.bytes.size() << " bytes";
  } else {
    *out << ::testing::PrintToString(lineCase.bytes);
  }
}

class LineSplitting : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineSplitting, GivesTheLinesWithoutTheirEnds) {
  EXPECT_EQ(allLines(GetParam().bytes), GetParam().lines);
  EXPECT_EQ(allBufferedLines(GetParam().bytes), GetParam().lines);
}

using namespace std::string_literals;

// The block reader reads 1 MiB at a time: lines across and beyond a block.
constexpr std::size_t BLOCK = std::size_t{1} << 20;
const std::string JUST_BELOW_A_BLOCK(BLOCK - 1, 'a');
const std::string THREE_BLOCKS_AND_MORE(3 * BLOCK + 5, 'x');

INSTANTIATE_TEST_SUITE_P(
    Files, LineSplitting,
    ::testing::Values(LineCase{"", {}},                    // an empty file holds no lines
                      LineCase{"A", {"A"}},                // last line without a line end
                      LineCase{"A\n", {"A"}},              // a final LF starts no new line
                      LineCase{"A\n\n", {"A", ""}},        // but a second one ends an empty line
                      LineCase{"\n", {""}},                //
                      LineCase{"A\r\nB\r\n", {"A", "B"}},  // CR LF ends a line like LF
                      LineCase{"A\rB\n", {"A\rB"}},        // a lone CR is an ordinary byte
                      LineCase{"A\r\r\n", {"A\r"}},        // CR CR LF keeps one CR
                      LineCase{"A\r", {"A\r"}},            // a CR at the end of the file stays
                      LineCase{"\r\n\r\n", {"", ""}},      //
                      LineCase{"a\0b\n\xff\x80\n"s, {"a\0b"s, "\xff\x80"}},  // any byte, NUL included
                      LineCase{" x \t\n", {" x \t"}},                        // nothing is trimmed
                      // CR and LF on either side of the first block's end
                      LineCase{JUST_BELOW_A_BLOCK + "\r\nB", {JUST_BELOW_A_BLOCK, "B"}},
                      // a line longer than the buffer, which grows, and lines after it
                      LineCase{"A\n" + THREE_BLOCKS_AND_MORE + "\r\nB\n", {"A", THREE_BLOCKS_AND_MORE, "B"}},
                      LineCase{THREE_BLOCKS_AND_MORE, {THREE_BLOCKS_AND_MORE}}));

TEST(ReadLine, KeepsFailingAfterTheEnd) {
  std::istringstream input("A");
  std::string line;
  ASSERT_TRUE(readLine(input, line));
  EXPECT_FALSE(readLine(input, line));
  EXPECT_FALSE(readLine(input, line));
}

TEST(OpenInput, MissingFileReadsLikeAnEmptyOne) {
  auto input = openInput("/nonexistent/folder/file.txt");
  std::string line;
  EXPECT_FALSE(readLine(input, line));
}

TEST(OpenInput, DirectoryReadsLikeAnEmptyOne) {
  auto input = openInput("/");
  std::string line;
  EXPECT_FALSE(readLine(input, line));
}

// A read error is no end of file: the lines before it are read, then it
// raises ReadError, also where it cuts a line short or falls on a line start.
struct ReadFailureCase {
  std::size_t goodBytes;
  std::vector<std::string> linesBefore;
};

class ReadFailures : public ::testing::TestWithParam<ReadFailureCase> {};

TEST_P(ReadFailures, RaiseAfterTheWholeLinesBeforeThem) {
  FailingStream input("AB\nCD\r\nEF", GetParam().goodBytes);
  std::vector<std::string> lines;
  std::string line;
  try {
    while (readLine(input, line)) lines.push_back(line);
    FAIL() << "the read error was taken for the end of the file";
  } catch (const ReadError& error) {
    EXPECT_STREQ(error.what(), std::strerror(EIO));
  }
  EXPECT_EQ(lines, GetParam().linesBefore);
}

INSTANTIATE_TEST_SUITE_P(Points, ReadFailures,
                         ::testing::Values(ReadFailureCase{0, {}}, ReadFailureCase{1, {}},
                                           ReadFailureCase{3, {"AB"}}, ReadFailureCase{6, {"AB"}},
                                           ReadFailureCase{7, {"AB", "CD"}},
                                           ReadFailureCase{8, {"AB", "CD"}}));

TEST(OpenInputFile, SaysWhyAFileReadsAsEmpty) {
  EXPECT_EQ(openInputFile("/nonexistent/folder/file.txt").openError, ENOENT);
  EXPECT_EQ(openInputFile("/").openError, EISDIR);
  EXPECT_EQ(openInputFile("/dev/null").openError, 0);
}

}  // namespace
