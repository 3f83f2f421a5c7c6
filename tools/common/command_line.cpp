#include "common/command_line.h"

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

}  // namespace

bool OptionCursor::next() {
  if (next_ >= arguments_.size()) return false;
  current_ = arguments_[next_++];
  if (!operandsOnly_ && current_ == "--") {
    operandsOnly_ = true;
    return next();
  }
  return true;
}

bool OptionCursor::matches(std::string_view longName, std::string_view shortName) {
  if (operandsOnly_) return false;
  const auto equals = current_.find('=');
  const std::string_view name = std::string_view(current_).substr(0, equals);
  if (name != longName && (shortName.empty() || current_ != shortName)) return false;
  name_ = std::string(name);
  hasValue_ = equals != std::string::npos && current_.starts_with("--");
  value_ = hasValue_ ? current_.substr(equals + 1) : std::string();
  return true;
}

bool OptionCursor::isFlag(std::string_view longName, std::string_view shortName) {
  if (!matches(longName, shortName)) return false;
  if (hasValue_) throw UsageError{"option " + name_ + " takes no value"};
  return true;
}

bool OptionCursor::isOption(std::string_view longName, std::string_view shortName) {
  return matches(longName, shortName);
}

std::string OptionCursor::value() {
  if (hasValue_) return value_;
  if (next_ >= arguments_.size()) throw UsageError{"option " + name_ + " needs a value"};
  return arguments_[next_++];
}

std::string OptionCursor::operand() {
  if (!operandsOnly_ && current_.size() > 1 && current_.starts_with("-")) {
    throw UsageError{"unknown option " + quotedArgument(current_)};
  }
  return current_;
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
