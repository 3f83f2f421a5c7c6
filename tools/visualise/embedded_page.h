#pragma once

#include <string_view>

// The page's markup, with the marker where the data and the script go, and
// its script; both compiled in from page/ by cmake/embed_text.cmake.
std::string_view viewerHtml();
std::string_view viewerScript();
