#include <stdexcept>

#include "visualise/png_image.h"

// Built when libpng is missing: the tool still writes pages.
bool pngSupported() { return false; }

void writePng(const std::string& fileName, const GridPixels&) {
  throw std::runtime_error("cannot write " + fileName +
                           ": this build has no PNG support (libpng was missing)");
}
