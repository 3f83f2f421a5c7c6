#pragma once

#include <string_view>

// The standings page's style sheet and script, compiled in from page/ by
// cmake/embed_text.cmake.
std::string_view standingsStyle();
std::string_view standingsScript();
