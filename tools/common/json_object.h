#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The tools' one way to write JSON: compact objects built member by member.

// A JSON string. The markup characters <, > and & are escaped too, so that the
// text can stand inside a page's script element; control bytes as \u00XX.
std::string jsonString(std::string_view text);

// A JSON array of values that are already JSON.
class JsonArray {
 public:
  JsonArray& add(std::string_view json);
  JsonArray& number(std::int64_t value) { return add(std::to_string(value)); }
  // "[a,b]"; or, for a listing a reader scans, one item a line, indented by
  // two: "[\n  a,\n  b\n]" ("[]" when empty).
  std::string str(bool itemPerLine = false) const;

 private:
  std::vector<std::string> items_;
};

class JsonObject {
 public:
  JsonObject& number(std::string_view key, std::int64_t value) { return raw(key, std::to_string(value)); }
  JsonObject& boolean(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
  JsonObject& text(std::string_view key, std::string_view value) { return raw(key, jsonString(value)); }
  // A member whose value is already JSON: an object, an array, null.
  JsonObject& raw(std::string_view key, std::string_view json);
  JsonObject& array(std::string_view key, const JsonArray& items, bool itemPerLine = false) {
    return raw(key, items.str(itemPerLine));
  }
  // The next member starts a line of its own.
  JsonObject& lineBreak() {
    lineBreak_ = true;
    return *this;
  }
  std::string str() const { return body_.empty() ? "{}" : body_ + "}"; }

 private:
  std::string body_;
  bool lineBreak_ = false;
};
