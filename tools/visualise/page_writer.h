#pragma once

#include <ostream>

#include "common/page_data.h"

// Writes the self-contained page: markup, data and script in one file.
void writePage(std::ostream& out, const SectionView& view, const PageSources& sources);
