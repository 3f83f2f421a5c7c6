#include "common/command_line.h"

#include <getopt.h>

#include <charconv>

#include "common/escaped_bytes.h"

std::string quotedArgument(std::string_view text) { return quotedText(text, 80); }

namespace {

[[noreturn]] void badValue(std::string_view option, std::string_view text, std::string_view wanted) {
  throw UsageError{"invalid value " + quotedArgument(text) + " for " + std::string(option) + ": " +
                   std::string(wanted)};
}

template <typename Number>
bool readExactly(std::string_view text, Number& number) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  return error == std::errc() && stop == end && !text.empty();
}

// getopt_long's code for the long option at index k: above every letter.
constexpr int LONG_CODES = 256;

}  // namespace

OptionCursor::OptionCursor(const std::vector<std::string>& arguments, std::span<const KnownOption> options,
                           bool optionsFirst)
    : options_(options.begin(), options.end()) {
  // "-" returns each operand in its place (code 1) and "+" stops at the
  // first, whatever POSIXLY_CORRECT says; ":" tells a missing value from
  // other faults; getopt_long prints nothing, the tool's frame prints ours.
  std::string shortOptions = optionsFirst ? "+:" : "-:";
  std::vector<option> longOptions;
  longOptions.reserve(options_.size() + 1);
  for (std::size_t at = 0; at < options_.size(); ++at) {
    const KnownOption& known = options_[at];
    if (known.letter != 0)
      shortOptions += known.takesValue ? std::string{known.letter, ':'} : std::string{known.letter};
    // The names are string literals, as the table that holds them is.
    longOptions.push_back({known.name.data() + 2, known.takesValue ? required_argument : no_argument, nullptr,
                           LONG_CODES + static_cast<int>(at)});
  }
  longOptions.push_back({nullptr, 0, nullptr, 0});
  std::vector<std::string> texts{"barvotok"};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  argv.reserve(texts.size() + 1);
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const auto argc = static_cast<int>(texts.size());
  optind = 0;  // a fresh start, as glibc defines it
  opterr = 0;
  for (int code = 0;
       (code = getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(), nullptr)) != -1;) {
    if (code == 1) {
      items_.push_back({OPERAND, optarg});
    } else if (code == ':') {
      throw UsageError{"option " + nameOf(optopt) + " needs a value"};
    } else if (code == '?' && optopt >= LONG_CODES) {
      throw UsageError{"option " + nameOf(optopt) + " takes no value"};
    } else if (code == '?' && optopt != 0) {
      throw UsageError{"unknown option " + quotedArgument(std::string{'-', static_cast<char>(optopt)})};
    } else if (code == '?') {
      // An unknown or ambiguous long option; getopt_long has passed it.
      throw UsageError{unknownLong(argv[static_cast<std::size_t>(optind) - 1])};
    } else {
      items_.push_back({indexOf(code), optarg != nullptr ? std::string(optarg) : std::string()});
    }
  }
  for (auto at = static_cast<std::size_t>(optind); at < texts.size(); ++at)
    items_.push_back({OPERAND, texts[at]});
}

std::size_t OptionCursor::indexOf(int code) const {
  if (code >= LONG_CODES) return static_cast<std::size_t>(code - LONG_CODES);
  for (std::size_t at = 0; at < options_.size(); ++at) {
    if (options_[at].letter == code) return at;
  }
  return OPERAND;  // not reached: getopt_long returns only the letters it was given
}

std::string OptionCursor::nameOf(int code) const {
  if (code < LONG_CODES) return std::string{'-', static_cast<char>(code)};
  return std::string(options_[indexOf(code)].name);
}

std::string OptionCursor::unknownLong(std::string_view written) const {
  const std::string_view name = written.substr(0, written.find('='));
  std::string candidates;
  for (const KnownOption& known : options_) {
    if (known.name.starts_with(name))
      candidates += (candidates.empty() ? "" : ", ") + std::string(known.name);
  }
  if (candidates.find(',') == std::string::npos) return "unknown option " + quotedArgument(name);
  return "ambiguous option " + quotedArgument(name) + " (" + candidates + ")";
}

bool OptionCursor::next() {
  if (at_ >= items_.size()) return false;
  ++at_;
  return true;
}

bool OptionCursor::is(std::string_view longName) const {
  const Item& item = current();
  return item.option != OPERAND && options_[item.option].name == longName;
}

const std::string& OptionCursor::operand() const {
  const Item& item = current();
  // An option the tool lists but does not handle: a fault of the tool.
  if (item.option != OPERAND)
    throw UsageError{"unexpected option " + std::string(options_[item.option].name)};
  return item.value;
}

std::vector<std::string> OptionCursor::rest() const {
  std::vector<std::string> operands;
  for (std::size_t at = at_; at < items_.size(); ++at) operands.push_back(items_[at].value);
  return operands;
}

std::int64_t parseWhole(std::string_view text, std::string_view option, std::int64_t low, std::int64_t high) {
  std::int64_t number = 0;
  if (!readExactly(text, number) || number < low || number > high) {
    badValue(option, text, "a whole number from " + std::to_string(low) + " to " + std::to_string(high));
  }
  return number;
}

std::uint64_t parseSeed(std::string_view text, std::string_view option) {
  std::uint64_t seed = 0;
  if (!readExactly(text, seed)) badValue(option, text, "a whole number from 0 to 18446744073709551615");
  return seed;
}

SizeRange parseRange(std::string_view text, std::string_view option, std::int32_t low, std::int32_t high) {
  const std::string wanted =
      "a number or a range A..B within " + std::to_string(low) + ".." + std::to_string(high);
  const auto dots = text.find("..");
  std::int32_t first = 0;
  std::int32_t last = 0;
  const bool read = dots == std::string_view::npos ? readExactly(text, first) && readExactly(text, last)
                                                   : readExactly(text.substr(0, dots), first) &&
                                                         readExactly(text.substr(dots + 2), last);
  if (!read || first < low || last > high || first > last) badValue(option, text, wanted);
  return {first, last};
}

double parseProbability(std::string_view text, std::string_view option) {
  double probability = 0;
  if (!readExactly(text, probability) || !(probability >= 0 && probability <= 1)) {
    badValue(option, text, "a probability from 0 to 1");
  }
  return probability;
}
