#include "output/fonts.h"

#include <array>

namespace lumtar::output {
namespace {

constexpr std::array<FontMapping, 5> kFonts = {{
    {"Arial", "Liberation Sans", "sans-serif", false},
    {"Times New Roman", "Liberation Serif", "serif", false},
    {"Courier New", "Liberation Mono", "monospace", false},
    {"MS Serif", "Liberation Mono", "monospace", false},
    {"Wingdings", "DejaVu Sans", "sans-serif", true},
}};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

bool SameFace(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace

const FontMapping& MapFont(std::string_view face) {
  for (const auto& f : kFonts)
    if (SameFace(f.requested, face)) return f;
  return kFonts[0];
}

std::string WingdingsToUnicode(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= '^' && c <= 'i') {
      // U+2648 + k in UTF-8: E2 99 88+k.
      const int k = c - '^';
      out += '\xE2';
      out += '\x99';
      out += static_cast<char>(0x88 + k);
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace lumtar::output
