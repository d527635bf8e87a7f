#include "output/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

// libjpeg needs FILE declared first.
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace lumtar::output {
namespace {

// A JPEG made by libjpeg's own encoder: `width` x `height`, `components`
// 3 (RGB) or 1 (grey), pixels from `pixel(x, y, channel)`.
template <class Pixel>
std::vector<std::uint8_t> EncodeJpeg(int width, int height, int components,
                                     Pixel pixel) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * components);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < components; ++c)
        row[x * components + c] = pixel(x, y, c);
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

TEST(DecodeJpeg, ColoursAndSizeSurviveAnEncodedPicture) {
  // Left half red, right half blue, 32 x 16 pixels.
  const auto jpeg = EncodeJpeg(32, 16, 3, [](int x, int, int c) {
    const bool red = x < 16;
    return static_cast<std::uint8_t>(c == 0   ? (red ? 255 : 0)
                                     : c == 2 ? (red ? 0 : 255)
                                              : 0);
  });
  const auto image = DecodeJpeg(jpeg);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 32);
  EXPECT_EQ(image->height, 16);
  ASSERT_EQ(image->rgb.size(), 32u * 16u * 3u);
  const auto at = [&](int x, int y, int c) {
    return static_cast<int>(image->rgb[(y * 32 + x) * 3 + c]);
  };
  // Lossy, so within a few steps; away from the colour edge.
  EXPECT_NEAR(at(4, 8, 0), 255, 12);
  EXPECT_NEAR(at(4, 8, 2), 0, 12);
  EXPECT_NEAR(at(28, 8, 0), 0, 12);
  EXPECT_NEAR(at(28, 8, 2), 255, 12);
}

TEST(DecodeJpeg, GreyPicturesComeOutAsRgb) {
  const auto jpeg = EncodeJpeg(
      8, 8, 1, [](int, int, int) { return static_cast<std::uint8_t>(128); });
  const auto image = DecodeJpeg(jpeg);
  ASSERT_TRUE(image.has_value());
  ASSERT_EQ(image->rgb.size(), 8u * 8u * 3u);
  EXPECT_EQ(image->rgb[0], image->rgb[1]);
  EXPECT_EQ(image->rgb[1], image->rgb[2]);
  EXPECT_NEAR(image->rgb[0], 128, 3);
}

TEST(DecodeJpeg, RefusesWhatIsNoJpeg) {
  const std::vector<std::uint8_t> empty;
  EXPECT_FALSE(DecodeJpeg(empty).has_value());
  const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
  EXPECT_FALSE(DecodeJpeg(png).has_value());
  // A JPEG start marker followed by rubbish.
  std::vector<std::uint8_t> rubbish = {0xFF, 0xD8, 0xFF, 0xE0, 0, 2, 1, 2, 3};
  rubbish.resize(200, 0x55);
  EXPECT_FALSE(DecodeJpeg(rubbish).has_value());
  // A real JPEG cut inside its header.
  auto cut = EncodeJpeg(
      8, 8, 1, [](int, int, int) { return static_cast<std::uint8_t>(0); });
  cut.resize(20);
  EXPECT_FALSE(DecodeJpeg(cut).has_value());
}

}  // namespace
}  // namespace lumtar::output
