// NUL bytes, bytes 128 to 255 (written as octal escapes) and random binary files in every kind of line,
// evaluated in memory, each with its exact report.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/evaluate_in_memory.h"

using namespace std::string_literals;

namespace {

// One test case, w = h = b = 2, rows "1 2" and "2 1"; the section "1 / 2 / 2 1" floods it.
const std::string SMALL_TEST_SET = "Barvotok\n1\n\n1\n2 2 2\n1 2\n2 1\n";

struct ByteCase {
  const char* what;
  std::string input;
  std::string submission;
  std::string report;
};

std::string badCharacter(int code) {
  return failureReport(58, "namesto stevke se pojavlja znak s kodo " + std::to_string(code));
}

std::vector<ByteCase> byteCases() {
  const std::string header = SUBMISSION_HEADER;
  return {
      {"task name line of the test set", "Barvotok\000\n1\n"s, header,
       failureReport(112, "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted("Barvotok\000"s))},
      {"task name line, byte 200", "Barvo\310tok\n", header,
       failureReport(112, "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted("Barvo\310tok"))},
      {"count of test cases, NUL first", "Barvotok\n\0001\n"s, header,
       failureReport(118,
                     "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa " + quoted("\0001"s))},
      {"count of test cases, NUL after the number", "Barvotok\n1\000\n\n1\n2 2 2\n1 2\n2 1\n"s,
       header + "1\n2\n2 1\n", successReport({{1, 2}})},
      {"count of test cases, byte 255 first", "Barvotok\n\3771\n", header,
       failureReport(118,
                     "v drugi vrstici bi moralo biti stevilo testnih primerov, ne pa " + quoted("\3771"))},
      {"empty block line holding a NUL", "Barvotok\n1\n\000\n"s, header,
       failureReport(86, "vrstica 3 bi morala biti prazna, ne pa " + quoted("\000"s))},
      {"empty block line holding byte 128", "Barvotok\n1\n\200\n", header,
       failureReport(86, "vrstica 3 bi morala biti prazna, ne pa " + quoted("\200"))},
      {"test case number line", "Barvotok\n1\n\n1\000\n"s, header, badCharacter(0)},
      {"size line", "Barvotok\n1\n\n1\n2 2 2\377\n", header, badCharacter(255)},
      {"grid row", "Barvotok\n1\n\n1\n2 2 2\n1 2\200\n", header, badCharacter(128)},
      {"grid row, NUL", "Barvotok\n1\n\n1\n2 2 2\n1 2\n\0002 1\n"s, header, badCharacter(0)},
      {"contestant number with a NUL after its digits", SMALL_TEST_SET, "12\000abc\nBarvotok\n1\n2\n2 1\n"s,
       successReport({{1, 2}})},
      {"contestant number of NULs", SMALL_TEST_SET, "\000\000\000\000\000\000\nBarvotok\n"s,
       failureReport(221, "v prvi vrstici bi morala biti stevilka tekmovalca, ne pa " +
                              quoted("\000\000\000\000\000\000"s))},
      {"contestant number of bytes 200", SMALL_TEST_SET, "\310\310\310\310\310\310\nBarvotok\n",
       failureReport(221, "v prvi vrstici bi morala biti stevilka tekmovalca, ne pa " +
                              quoted("\310\310\310\310\310\310"))},
      {"contestant number of five bytes and a NUL", SMALL_TEST_SET, "12345\000\nBarvotok\n"s,
       successReport({})},
      {"task name line of the submission", SMALL_TEST_SET, "123456\nBarvotok\000\n"s,
       failureReport(223,
                     "v drugi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted("Barvotok\000"s))},
      {"task name line of the submission, byte 255", SMALL_TEST_SET, "123456\n\377Barvotok\n",
       failureReport(223, "v drugi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted("\377Barvotok"))},
      {"line of a lone NUL where a section may begin", SMALL_TEST_SET, header + "\000\n"s,
       failureReport(231, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa " + quoted("\000"s))},
      {"test case number line of the submission, byte 200", SMALL_TEST_SET, header + "\n\3101\n",
       failureReport(231, "v 4. vrstici bi morala biti stevilka testnega primera, ne pa " + quoted("\3101"))},
      {"test case number followed by bytes", SMALL_TEST_SET, header + "1\000\310\n2\n2 1\n"s,
       successReport({{1, 2}})},
      {"count line", SMALL_TEST_SET, header + "1\n2\000\n2 1\n"s, badCharacter(0)},
      {"count line, byte 128", SMALL_TEST_SET, header + "1\n\2002\n2 1\n", badCharacter(128)},
      {"sequence line", SMALL_TEST_SET, header + "1\n2\n2\0001\n"s, badCharacter(0)},
      {"sequence line, byte 255", SMALL_TEST_SET, header + "1\n2\n2 1\377\n", badCharacter(255)},
  };
}

TEST(HostileBytes, NulAndHighBytesInEveryKindOfLine) {
  for (const ByteCase& byteCase : byteCases()) {
    SCOPED_TRACE(byteCase.what);
    EXPECT_EQ(reportFor(byteCase.input, byteCase.submission), byteCase.report);
  }
}

std::string randomBytes(std::uint32_t seed, std::size_t size) {
  std::mt19937 random(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

// A file's first line as the line source gives it.
std::string firstLine(const std::string& bytes) {
  const std::size_t lineFeed = bytes.find('\n');
  std::string line = bytes.substr(0, lineFeed);
  if (lineFeed != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

TEST(HostileBytes, RandomBinaryTestSet) {
  for (std::uint32_t seed = 1; seed <= 8; ++seed) {
    const std::string input = randomBytes(seed, std::size_t{1} << 20);
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(reportFor(input, SUBMISSION_HEADER),
              failureReport(
                  112, "v prvi vrstici bi moral biti niz \"Barvotok\", ne pa " + quoted(firstLine(input))));
  }
}

TEST(HostileBytes, RandomBinarySubmission) {
  for (std::uint32_t seed = 11; seed <= 18; ++seed) {
    const std::string submission = randomBytes(seed, std::size_t{1} << 20);
    SCOPED_TRACE("seed " + std::to_string(seed));
    // These seeds give no first line of six bytes, which is the first check.
    ASSERT_NE(firstLine(submission).size(), 6u);
    EXPECT_EQ(reportFor(SMALL_TEST_SET, submission),
              failureReport(219, "stevilka tekmovalca bi morala imeti 6 stevk"));
  }
}

TEST(HostileBytes, RandomBinaryAfterAGoodHeader) {
  for (std::uint32_t seed = 21; seed <= 28; ++seed) {
    std::string tail = randomBytes(seed, std::size_t{1} << 20);
    // Where a section may begin, a line that does not start with a number.
    tail[0] = 'x';
    SCOPED_TRACE("seed " + std::to_string(seed));
    EXPECT_EQ(reportFor(SMALL_TEST_SET, SUBMISSION_HEADER + tail),
              failureReport(231, "v 3. vrstici bi morala biti stevilka testnega primera, ne pa " +
                                     quoted(firstLine(tail))));
  }
}

}  // namespace
