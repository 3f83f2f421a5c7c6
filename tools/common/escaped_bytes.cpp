#include "common/escaped_bytes.h"

namespace {

bool isPlain(unsigned char byte) { return byte >= 0x20 && byte < 0x7f && byte != '\\'; }

}  // namespace

void appendHex(std::string& text, unsigned char byte) {
  static constexpr char HEX[] = "0123456789abcdef";
  text += HEX[byte >> 4];
  text += HEX[byte & 15];
}

std::string escapedBytes(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (isPlain(byte)) {
      text += c;
    } else {
      text += "\\x";
      appendHex(text, byte);
    }
  }
  return text;
}

std::string terminalText(std::string_view bytes, std::size_t limit) {
  return terminalText(bytes, bytes.size(), limit);
}

std::string quotedText(std::string_view bytes, std::size_t limit) {
  // Appended piece by piece: GCC 12 misreads chained concatenation (-Wrestrict).
  std::string quoted = "'";
  quoted += terminalText(bytes, limit);
  quoted += '\'';
  return quoted;
}

std::string terminalText(std::string_view head, std::size_t fullLength, std::size_t limit) {
  if (fullLength <= limit) return escapedBytes(head.substr(0, fullLength));
  return escapedBytes(head.substr(0, limit)) + "... (" + std::to_string(fullLength) + " bytes in all)";
}

std::string shownFileName(std::string_view name) { return quotedText(name); }
