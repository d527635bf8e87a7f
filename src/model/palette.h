#pragma once

#include <array>
#include <cstdint>

namespace lumtar::model {

// The twelve construction colours, index 0..11 (shown to the user as
// colour 1..12; plot pen n draws what index n - 1 draws on screen). Each
// value is 0x00BBGGRR.
using ColorTable = std::array<std::uint32_t, 12>;

inline constexpr ColorTable kDefaultColors = {
    0x000000,  // 1 black
    0xFF0000,  // 2 blue
    0x0000FF,  // 3 red
    0x800000,  // 4 navy
    0x008080,  // 5 olive
    0x008000,  // 6 green
    0xFFFF00,  // 7 aqua
    0x808080,  // 8 grey
    0x00FF00,  // 9 lime
    0xFF00FF,  // 10 fuchsia
    0x808080,  // 11 grey
    0xA0E0DF,  // 12 pale khaki
};

// Red, green and blue parts of a colour value.
inline constexpr std::uint8_t ColorRed(std::uint32_t c) { return c & 0xFF; }
inline constexpr std::uint8_t ColorGreen(std::uint32_t c) {
  return (c >> 8) & 0xFF;
}
inline constexpr std::uint8_t ColorBlue(std::uint32_t c) {
  return (c >> 16) & 0xFF;
}

}  // namespace lumtar::model
