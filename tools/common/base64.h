#pragma once

#include <string>
#include <string_view>

// The standard base64 text of some bytes, with padding: the page carries its
// grid, moves and texts this way, as bytes rather than verbose JSON.
std::string toBase64(std::string_view bytes);
