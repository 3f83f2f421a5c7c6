#pragma once

#include <string>

#include "visualise/grid_pixels.h"

// Whether this build can write PNG files (it needs libpng).
bool pngSupported();

// The picture as the bytes of an RGB PNG file, encoded in memory, so that
// writing it is the tool's own plain file writing; throws ToolError.
std::string encodePng(const GridPixels& picture);
