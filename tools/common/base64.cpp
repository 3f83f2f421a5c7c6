#include "common/base64.h"

#include <cstdint>

std::string toBase64(std::string_view bytes) {
  static constexpr char DIGITS[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16 |
                                static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                                static_cast<unsigned char>(bytes[i + 2]);
    text += DIGITS[group >> 18];
    text += DIGITS[(group >> 12) & 63];
    text += DIGITS[(group >> 6) & 63];
    text += DIGITS[group & 63];
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t group = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (rest == 2) group |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    text += DIGITS[group >> 18];
    text += DIGITS[(group >> 12) & 63];
    text += rest == 2 ? DIGITS[(group >> 6) & 63] : '=';
    text += '=';
  }
  return text;
}
