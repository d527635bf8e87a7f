#pragma once

#include <string>
#include <string_view>

namespace lumtar::output {

// The faces the drawing code names and the free faces that stand in for
// them on every platform we build for.
struct FontMapping {
  std::string_view requested;  // e.g. "Arial"
  std::string_view family;     // e.g. "Liberation Sans"
  std::string_view generic;    // CSS generic family: serif, sans-serif, ...
  bool symbol;                 // a symbol face whose letters stand for glyphs
};

// The mapping of `face` (compared without regard to case); an unknown face
// maps to Liberation Sans.
const FontMapping& MapFont(std::string_view face);

// Text written in the Wingdings symbol face turned into the Unicode zodiac
// signs it shows: "^" Aries (U+2648) through "i" Pisces (U+2653). Other
// characters pass unchanged.
std::string WingdingsToUnicode(std::string_view text);

}  // namespace lumtar::output
