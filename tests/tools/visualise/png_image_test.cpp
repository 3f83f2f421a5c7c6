// Built only with libpng: the file written reads back as the same pixels.
#include "visualise/png_image.h"

#include <gtest/gtest.h>
#include <png.h>

#include <filesystem>

namespace {

TEST(PngImage, ReadsBackPixelForPixel) {
  ASSERT_TRUE(pngSupported());
  GridPixels picture{3, 2, {}};
  for (int i = 0; i < 18; ++i) picture.rgb.push_back(static_cast<std::uint8_t>(i * 14));
  const std::filesystem::path file = std::filesystem::path(testing::TempDir()) / "visualise_test.png";
  writePng(file.string(), picture);

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_NE(png_image_begin_read_from_file(&image, file.c_str()), 0) << image.message;
  image.format = PNG_FORMAT_RGB;
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  std::vector<std::uint8_t> read(PNG_IMAGE_SIZE(image));
  ASSERT_NE(png_image_finish_read(&image, nullptr, read.data(), 0, nullptr), 0) << image.message;
  EXPECT_EQ(read, picture.rgb);
  std::filesystem::remove(file);
}

TEST(PngImage, SaysWhenTheFileCannotBeWritten) {
  const GridPixels picture{1, 1, {1, 2, 3}};
  EXPECT_THROW(writePng("/nonexistent-folder/x.png", picture), std::runtime_error);
}

}  // namespace
