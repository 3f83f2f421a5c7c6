#include "common/tool_error.h"
#include "visualise/png_image.h"

// Built when libpng is missing: the tool still writes pages.
bool pngSupported() { return false; }

std::string encodePng(const GridPixels&) {
  throw ToolError{"this build has no PNG support (libpng was missing)"};
}
