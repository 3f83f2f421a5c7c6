#include "common/escaped_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Shown {
  std::string bytes;
  std::string text;
};

TEST(EscapedBytes, ShowsOnlyPrintableAsciiAsItIs) {
  const Shown cases[] = {
      {"Barvotok 12", "Barvotok 12"},
      {std::string("a\0b", 3), "a\\x00b"},
      {"\x1b]0;x\x07\x1b[2J", "\\x1b]0;x\\x07\\x1b[2J"},
      {"back\\slash", "back\\x5cslash"},
      {"\xc4\x8d\xff\x7f", "\\xc4\\x8d\\xff\\x7f"},
      {"<&\"'>", "<&\"'>"},
  };
  for (const Shown& c : cases) EXPECT_EQ(escapedBytes(c.bytes), c.text);
}

TEST(TerminalText, CutsLongTextWithItsLength) {
  EXPECT_EQ(terminalText("abcdef", 6), "abcdef");
  EXPECT_EQ(terminalText("abcdefg", 6), "abcdef... (7 bytes in all)");
  EXPECT_EQ(terminalText(std::string("\0\0\0", 3), 2), "\\x00\\x00... (3 bytes in all)");
}

}  // namespace
