#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The tools' one way to write JSON: compact objects built member by member.

// A JSON string. The markup characters <, > and & are escaped too, so that the
// text can stand inside a page's script element; control bytes as \u00XX.
std::string jsonString(std::string_view text);

class JsonObject {
 public:
  JsonObject& number(std::string_view key, std::int64_t value) { return raw(key, std::to_string(value)); }
  JsonObject& boolean(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
  JsonObject& text(std::string_view key, std::string_view value) { return raw(key, jsonString(value)); }
  // A member whose value is already JSON: an object, an array, null.
  JsonObject& raw(std::string_view key, std::string_view json);
  std::string str() const { return body_.empty() ? "{}" : body_ + "}"; }

 private:
  std::string body_;
};
