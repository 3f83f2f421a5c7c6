#pragma once

// The C locale's classes, fixed here so that no locale can change them.
inline bool isWhitespace(unsigned char byte) { return byte == ' ' || (byte >= 9 && byte <= 13); }
inline bool isDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }
