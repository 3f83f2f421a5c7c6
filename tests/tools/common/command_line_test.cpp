#include "common/command_line.h"

#include <gtest/gtest.h>

#include "support/usage_error_of.h"

namespace {

// A command line as a tool reads one: --size/-s with a value, a flag
// --quiet/-q, --sort with a value, and operands; what it read, as one line
// of text.
constexpr KnownOption OPTIONS[] = {{"--size", 's', true}, {"--quiet", 'q'}, {"--sort", 0, true}};

std::string readCommandLine(const std::vector<std::string>& arguments) {
  OptionCursor cursor(arguments, OPTIONS);
  std::string read;
  while (cursor.next()) {
    if (cursor.is("--quiet")) {
      read += "quiet ";
    } else if (cursor.is("--size")) {
      read += "size=" + std::to_string(parseWhole(cursor.value(), "--size", 1, 9)) + " ";
    } else if (cursor.is("--sort")) {
      read += "sort=" + cursor.value() + " ";
    } else {
      read += "operand=" + cursor.operand() + " ";
    }
  }
  return read;
}

std::string outcomeOf(const std::vector<std::string>& arguments) {
  const std::string message = usageErrorOf(readCommandLine, arguments);
  return message == "(accepted)" ? readCommandLine(arguments) : message;
}

TEST(CommandLine, ReadsOptionsOperandsAndTheirErrors) {
  const std::pair<std::vector<std::string>, std::string> rows[] = {
      {{"-s", "3", "a"}, "size=3 operand=a "},
      {{"--size", "3"}, "size=3 "},
      {{"--size=3", "-q"}, "size=3 quiet "},
      {{"--size="}, "invalid value '' for --size: a whole number from 1 to 9"},
      {{"a", "--", "-q", "--size=3"}, "operand=a operand=-q operand=--size=3 "},
      {{"-"}, "operand=- "},
      {{"--size"}, "option --size needs a value"},
      {{"-s"}, "option -s needs a value"},
      {{"--quiet=yes"}, "option --quiet takes no value"},
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"--bogus=3"}, "unknown option '--bogus'"},
      {{"-x"}, "unknown option '-x'"},
      {{"-qx"}, "unknown option '-x'"},
      // GNU's conventions: joined values, bundled flags, unambiguous prefixes.
      {{"-s3"}, "size=3 "},
      {{"-qs", "3", "a"}, "quiet size=3 operand=a "},
      {{"-qs3"}, "quiet size=3 "},
      {{"--si=3", "--q", "--so", "up"}, "size=3 quiet sort=up "},
      {{"--s=3"}, "ambiguous option '--s' (--size, --sort)"},
      {{"--so"}, "option --sort needs a value"},
      {{"--qui=yes"}, "option --quiet takes no value"},
      {{"-s", "-q"}, "invalid value '-q' for --size: a whole number from 1 to 9"},  // as GNU takes it
      {{"a", "-q", "b"}, "operand=a quiet operand=b "},
      {{"--size", "\x1b[2J"}, "invalid value '\\x1b[2J' for --size: a whole number from 1 to 9"},
      {{std::string(100, '-')}, "unknown option '" + std::string(80, '-') + "... (100 bytes in all)'"},
  };
  for (const auto& [arguments, expected] : rows) EXPECT_EQ(outcomeOf(arguments), expected) << arguments[0];
}

// The value readers take the whole text as the value, or name what they want.
TEST(CommandLine, ValueReadersTakeTheWholeTextOrSayWhatTheyWant) {
  const auto whole = [](const std::string& text) { return std::to_string(parseWhole(text, "--n", -2, 5)); };
  const auto seed = [](const std::string& text) { return std::to_string(parseSeed(text, "--seed")); };
  const auto range = [](const std::string& text) {
    const SizeRange read = parseRange(text, "--w", 1, 10);
    return std::to_string(read.low) + ".." + std::to_string(read.high);
  };
  const auto probability = [](const std::string& text) {
    return std::to_string(parseProbability(text, "--p"));
  };
  const auto read = [](auto parse, const std::string& text) {
    try {
      return parse(text);
    } catch (const UsageError& error) {
      return error.message;
    }
  };
  const std::pair<std::string, std::string> rows[] = {
      {read(whole, "-2"), "-2"},
      {read(whole, "6"), "invalid value '6' for --n: a whole number from -2 to 5"},
      {read(whole, " 1"), "invalid value ' 1' for --n: a whole number from -2 to 5"},
      {read(whole, "1x"), "invalid value '1x' for --n: a whole number from -2 to 5"},
      {read(seed, "18446744073709551615"), "18446744073709551615"},
      {read(seed, "18446744073709551616"),
       "invalid value '18446744073709551616' for --seed: a whole number from 0 to 18446744073709551615"},
      {read(seed, "-1"), "invalid value '-1' for --seed: a whole number from 0 to 18446744073709551615"},
      {read(range, "7"), "7..7"},
      {read(range, "2..10"), "2..10"},
      {read(range, "5..4"), "invalid value '5..4' for --w: a number or a range A..B within 1..10"},
      {read(range, "0..4"), "invalid value '0..4' for --w: a number or a range A..B within 1..10"},
      {read(range, "3.."), "invalid value '3..' for --w: a number or a range A..B within 1..10"},
      {read(probability, "0.25"), "0.250000"},
      {read(probability, "1.5"), "invalid value '1.5' for --p: a probability from 0 to 1"},
      {read(probability, "nan"), "invalid value 'nan' for --p: a probability from 0 to 1"},
  };
  for (const auto& [got, expected] : rows) EXPECT_EQ(got, expected);
}

}  // namespace
