#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumtar::output {

// A decoded picture: `width` x `height` pixels, three bytes (red, green,
// blue) per pixel, rows from the top, no padding.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// Decodes a JPEG file held in memory (baseline or progressive; grey,
// YCbCr or CMYK are turned into RGB) with libjpeg. nullopt when the data
// is not a JPEG or libjpeg gives up on it (a file cut short decodes, its
// missing rows grey); pictures larger than 16384 pixels on a side are
// refused.
std::optional<RgbImage> DecodeJpeg(std::span<const std::uint8_t> data);

}  // namespace lumtar::output
