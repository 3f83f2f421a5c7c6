#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Appends a byte as two lowercase hex digits.
void appendHex(std::string& text, unsigned char byte);

// Contestant-written bytes made safe to show: every byte outside printable
// ASCII, and the backslash itself, as \xHH, so nothing reaches a terminal or
// a page as a control sequence and the text stays valid UTF-8.
std::string escapedBytes(std::string_view bytes);

// The same for standard error, cut after `limit` bytes of the original with
// a note of its full length, so a 64 MiB line does not flood a terminal.
std::string terminalText(std::string_view bytes, std::size_t limit = 400);

// The same for a text of which only `head` is at hand: its first bytes, at
// least min(fullLength, limit) of them, of `fullLength` bytes in all.
std::string terminalText(std::string_view head, std::size_t fullLength, std::size_t limit);

// terminalText between single quotes, as messages quote a name or a value.
std::string quotedText(std::string_view bytes, std::size_t limit = 400);

// 'NAME' as messages show a file name: a contestant may have chosen its bytes.
std::string shownFileName(std::string_view name);
