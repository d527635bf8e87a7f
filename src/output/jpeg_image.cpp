#include "output/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

// libjpeg needs FILE declared first.
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace lumtar::output {

namespace {

constexpr JDIMENSION kMaxSide = 16384;

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the decoder, which then cleans up.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void QuietMessage(j_common_ptr) {}

void Prepare(jpeg_decompress_struct& info, ErrorManager& errors) {
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = ErrorExit;
  errors.base.output_message = QuietMessage;
}

// The header pass: the picture's size into image.width and image.height.
bool ReadSize(jpeg_decompress_struct& info, ErrorManager& errors,
              const std::uint8_t* data, std::size_t size, RgbImage& image) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (info.image_width == 0 || info.image_height == 0 ||
      info.image_width > kMaxSide || info.image_height > kMaxSide)
    return false;
  image.width = static_cast<int>(info.image_width);
  image.height = static_cast<int>(info.image_height);
  return true;
}

// The decoding itself, free of objects with destructors, so that a jump
// out of libjpeg skips nothing that needs cleaning up.
bool Decode(jpeg_decompress_struct& info, ErrorManager& errors,
            const std::uint8_t* data, std::size_t size, RgbImage& image) {
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  if (info.image_width == 0 || info.image_height == 0 ||
      info.image_width > kMaxSide || info.image_height > kMaxSide)
    return false;
  // CMYK stays CMYK in libjpeg's own colour conversion; everything else
  // can be asked for as RGB.
  const bool cmyk =
      info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&info);
  const int channels = info.output_components;
  image.width = static_cast<int>(info.output_width);
  image.height = static_cast<int>(info.output_height);
  // image.rgb was sized by the caller for four channels at most.
  std::uint8_t* out = image.rgb.data();
  const std::size_t stride = static_cast<std::size_t>(image.width) * channels;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out + info.output_scanline * stride;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  if (channels == 4) {
    // Adobe writes inverted CMYK; the product of the inverted values with
    // the inverted K is the RGB value.
    const std::size_t n = static_cast<std::size_t>(image.width) * image.height;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint8_t* p = out + 4 * i;
      const int k = p[3];
      out[3 * i] = static_cast<std::uint8_t>(p[0] * k / 255);
      out[3 * i + 1] = static_cast<std::uint8_t>(p[1] * k / 255);
      out[3 * i + 2] = static_cast<std::uint8_t>(p[2] * k / 255);
    }
  }
  return true;
}

}  // namespace

std::optional<RgbImage> DecodeJpeg(std::span<const std::uint8_t> data) {
  if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8)
    return std::nullopt;
  // The size is known only after the header: a first pass reads it, so the
  // buffer exists before the decoding pass starts.
  RgbImage image;
  {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    Prepare(info, errors);
    const bool ok = ReadSize(info, errors, data.data(), data.size(), image);
    jpeg_destroy_decompress(&info);
    if (!ok) return std::nullopt;
  }
  image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 4);
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  Prepare(info, errors);
  const bool ok = Decode(info, errors, data.data(), data.size(), image);
  jpeg_destroy_decompress(&info);
  if (!ok) return std::nullopt;
  image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
  return image;
}

}  // namespace lumtar::output
