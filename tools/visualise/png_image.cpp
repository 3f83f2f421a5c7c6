#include "visualise/png_image.h"

#include <png.h>

#include <stdexcept>

bool pngSupported() { return true; }

void writePng(const std::string& fileName, const GridPixels& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&image, fileName.c_str(), 0, picture.rgb.data(), 0, nullptr) == 0) {
    const std::string reason = image.message;
    png_image_free(&image);
    throw std::runtime_error("cannot write " + fileName + ": " + reason);
  }
}
