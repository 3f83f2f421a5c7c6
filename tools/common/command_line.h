#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/size_range.h"

// A command line that cannot be used; the tool prints the message and ends
// with exit status 2.
struct UsageError {
  std::string message;
};

// A command-line argument as its message shows it: between quotes, bytes
// outside printable ASCII as \xHH, cut after 80 bytes with a note of its
// length, so that no argument can drive the terminal or flood it.
std::string quotedArgument(std::string_view text);

// One option of a tool: its long name ("--name"), its short letter if any,
// and whether it takes a value.
struct KnownOption {
  std::string_view name;
  char letter = 0;
  bool takesValue = false;
};

// Reads a command line as the GNU tools do, with the C library's
// getopt_long: short options bundled ("-qn 2") or with their value joined
// ("-n2"), long options by any unambiguous prefix ("--se=5", "--strat
// greedy"), "--" ending the options, options and operands in any order.
// The whole line is read at once: an unknown or ambiguous option, a missing
// value or a value given to a flag is a UsageError from the constructor.
// getopt_long keeps its place in the C library's globals, which the reading
// resets: a tool reads its command line once, on one thread.
class OptionCursor {
 public:
  // With `optionsFirst`, the first operand ends the options: what follows
  // it is operands (a command's own command line).
  OptionCursor(const std::vector<std::string>& arguments, std::span<const KnownOption> options,
               bool optionsFirst = false);

  // Moves to the next option or operand, in the order given; false at the end.
  bool next();
  // Whether the current item is the option `longName` ("--name"), however
  // it was written.
  bool is(std::string_view longName) const;
  // The value of the current option.
  const std::string& value() const { return current().value; }
  // The current item, an operand.
  const std::string& operand() const;
  // The operands after the current item.
  std::vector<std::string> rest() const;

 private:
  struct Item {
    std::size_t option;  // an index into options_, or OPERAND
    std::string value;   // the option's value, or the operand
  };
  static constexpr std::size_t OPERAND = static_cast<std::size_t>(-1);

  const Item& current() const { return items_[at_ - 1]; }
  // The option of getopt_long's code, its index and its name as messages show it.
  std::size_t indexOf(int code) const;
  std::string nameOf(int code) const;
  // The message for a long option that names none of the options, or more than one.
  std::string unknownLong(std::string_view written) const;

  std::vector<KnownOption> options_;
  std::vector<Item> items_;
  std::size_t at_ = 0;  // one past the current item
};

// Strict readers of option values: the whole text must be the value.
std::int64_t parseWhole(std::string_view text, std::string_view option, std::int64_t low, std::int64_t high);
std::uint64_t parseSeed(std::string_view text, std::string_view option);
SizeRange parseRange(std::string_view text, std::string_view option, std::int32_t low, std::int32_t high);
double parseProbability(std::string_view text, std::string_view option);
