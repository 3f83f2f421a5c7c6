#include "visualise/png_image.h"
#include "visualise/visualise_error.h"

// Built when libpng is missing: the tool still writes pages.
bool pngSupported() { return false; }

std::string encodePng(const GridPixels&) {
  throw VisualiseError{"this build has no PNG support (libpng was missing)"};
}
