#pragma once

#include <string_view>

// The standings page's style sheet and script, compiled in from page/ by
// cmake/embed_text.cmake.
std::string_view standingsStyle();
std::string_view standingsScript();
// Their SHA-256 hashes, as the page's content security policy names them.
std::string_view standingsStyleHash();
std::string_view standingsScriptHash();
