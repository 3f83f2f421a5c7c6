#include "common/json_object.h"

std::string jsonString(std::string_view text) {
  static constexpr char HEX[] = "0123456789abcdef";
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
      json += "\\u00";
      json += HEX[byte >> 4];
      json += HEX[byte & 15];
    } else {
      json += c;
    }
  }
  return json + "\"";
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
  // Appended piece by piece: GCC 12 misreads chained concatenation (-Wrestrict).
  body_ += body_.empty() ? '{' : ',';
  body_ += jsonString(key);
  body_ += ':';
  body_ += json;
  return *this;
}
