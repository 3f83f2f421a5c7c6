// Built only with libpng: the bytes encoded in memory read back as the same pixels.
#include "visualise/png_image.h"

#include <gtest/gtest.h>
#include <png.h>

namespace {

TEST(PngImage, ReadsBackPixelForPixel) {
  ASSERT_TRUE(pngSupported());
  GridPixels picture{3, 2, {}};
  for (int i = 0; i < 18; ++i) picture.rgb.push_back(static_cast<std::uint8_t>(i * 14));
  const std::string bytes = encodePng(picture);
  ASSERT_TRUE(bytes.starts_with("\x89PNG\r\n\x1a\n"));

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()), 0) << image.message;
  image.format = PNG_FORMAT_RGB;
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  std::vector<std::uint8_t> read(PNG_IMAGE_SIZE(image));
  ASSERT_NE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr), 0) << image.message;
  EXPECT_EQ(read, picture.rgb);
}

}  // namespace
