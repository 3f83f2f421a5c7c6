#include "visualise/png_image.h"

#include <png.h>

#include "common/tool_error.h"

bool pngSupported() { return true; }

std::string encodePng(const GridPixels& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  // The first call only measures; the second fills the buffer.
  if (png_image_write_to_memory(&image, nullptr, &size, 0, picture.rgb.data(), 0, nullptr) != 0) {
    std::string bytes(size, '\0');
    if (png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.rgb.data(), 0, nullptr) != 0) {
      bytes.resize(size);
      return bytes;
    }
  }
  const std::string reason = image.message;
  png_image_free(&image);
  throw ToolError{"cannot encode the PNG picture: " + reason};
}
