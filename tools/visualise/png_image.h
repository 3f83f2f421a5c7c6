#pragma once

#include <string>

#include "visualise/grid_pixels.h"

// Whether this build can write PNG files (it needs libpng).
bool pngSupported();

// Writes the picture as an RGB PNG file; throws std::runtime_error on failure.
void writePng(const std::string& fileName, const GridPixels& picture);
