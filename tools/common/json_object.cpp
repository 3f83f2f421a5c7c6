#include "common/json_object.h"

#include "common/escaped_bytes.h"

std::string jsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (byte < 0x20 || c == '<' || c == '>' || c == '&') {
      json += "\\u00";
      appendHex(json, byte);
    } else {
      json += c;
    }
  }
  return json + "\"";
}

JsonObject& JsonObject::raw(std::string_view key, std::string_view json) {
  // Appended piece by piece: GCC 12 misreads chained concatenation (-Wrestrict).
  body_ += body_.empty() ? '{' : ',';
  if (lineBreak_) body_ += '\n';
  lineBreak_ = false;
  body_ += jsonString(key);
  body_ += ':';
  body_ += json;
  return *this;
}

JsonArray& JsonArray::add(std::string_view json) {
  items_.emplace_back(json);
  return *this;
}

std::string JsonArray::str(bool itemPerLine) const {
  std::string json = "[";
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (i > 0) json += ',';
    if (itemPerLine) json += "\n  ";
    json += items_[i];
  }
  if (itemPerLine && !items_.empty()) json += '\n';
  return json + "]";
}
