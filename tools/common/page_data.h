#pragma once

#include <string>

#include "common/section_view.h"

// What the page says about where the section came from.
struct PageSources {
  std::string inputName;
  std::string submissionName;
};

// The data the viewer draws, as one JSON object: numbers, and every byte
// string (grid, moves, the recorded replay, texts) in base64.
std::string pageData(const SectionView& view, const PageSources& sources);
