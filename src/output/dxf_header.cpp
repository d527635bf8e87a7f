#include <array>
#include <string>

#include "output/fast_fixed.h"
#include "output/hpgl_converter.h"
#include "output/hpgl_to_dxf.h"

namespace lumtar::output {

using hpgl::kExtentX;
using hpgl::kExtentY;

std::string DxfHeader() {
  std::string h;
  const auto pair = [&h](std::string_view code, std::string_view value) {
    h.append(code);
    h += '\r';
    h.append(value);
    h += '\r';
  };
  const std::string xmax = FastFixed(8, 2, kExtentX);
  const std::string ymax = FastFixed(8, 2, kExtentY);
  pair("0", "SECTION");
  pair("  2", "HEADER");
  pair("  9", "$EXTMIN");
  pair(" 10", "0.000");
  pair(" 20", "0.0");
  pair("  9", "$EXTMAX");
  pair(" 10", xmax);
  pair(" 20", ymax);
  pair("  9", "$LIMMIN");
  pair(" 10", "0.000");
  pair(" 20", "0.0");
  pair("  9", "$LIMMAX");
  pair(" 10", xmax);
  pair(" 20", ymax);
  pair("  9", "$LTSCALE");
  pair(" 40", "0.0005");
  pair("  0", "ENDSEC");
  pair("  0", "SECTION");
  pair("  2", "TABLES");
  pair("  0", "TABLE");
  pair("  2", "LTYPE");
  pair(" 70", "     4");
  pair("  0", "LTYPE");
  pair("  2", "CONTINUOUS");
  pair(" 70", "64");
  pair("  3", "Solid line");
  pair(" 72", "65");
  pair(" 73", "0");
  pair(" 40", "0.0");
  pair("  0", "LTYPE");
  pair("  2", "DASHED");
  pair(" 70", "64");
  pair("  3", "- - - - - - ");
  pair(" 72", "65");
  pair(" 73", "2");
  pair(" 40", "3.000001");
  pair(" 49", "3.000001");
  pair(" 49", "-0.000000");
  pair("  0", "LTYPE");
  pair("  2", "DASHDOT");
  pair(" 70", "64");
  pair("  3", "- . - . - . - . ");
  pair(" 72", "65");
  pair(" 73", "4");
  pair(" 40", "12.000004");
  pair(" 49", "6.000002");
  pair(" 49", "-3.000001");
  pair(" 49", "0.00000");
  pair(" 49", "-3.00001");
  pair("  0", "LTYPE");
  pair("  2", "DOT");
  pair(" 70", "64");
  pair("  3", ". . . .  ");
  pair(" 72", "65");
  pair(" 73", "2");
  pair(" 40", "3.000001");
  pair(" 49", "0.00000");
  pair(" 49", "-3.000001");
  pair("  0", "ENDTAB");
  // Pens 0..12: the frame before the first pen selection is pen 0,
  // coastlines 11 and borders 12.
  constexpr int kLayers = 13;
  pair("  0", "TABLE");
  pair("  2", "LAYER");
  pair(" 70", FastFixed(6, 0, kLayers));
  for (int n = 0; n < kLayers; ++n) {
    pair("  0", "LAYER");
    pair(" 70", "64");
    pair("  2", "L_" + std::to_string(n));
    pair(" 62", std::to_string(n == 0 ? 7 : n));
    pair("  6", "CONTINUOUS");
  }
  pair("  0", "ENDTAB");
  pair("  0", "TABLE");
  pair("  2", "STYLE");
  pair(" 70", "   3");
  pair("  0", "STYLE");
  pair("  2", "STANDARD");
  pair(" 70", "0");
  pair(" 40", "0.0");
  pair(" 41", "1.00");
  pair(" 50", "0.0");
  pair(" 71", "     0");
  pair(" 42", "2.4");
  pair("  3", "txt");
  pair("  4", "");
  pair("  0", "STYLE");
  pair("  2", "shx-font");
  pair(" 70", "  1");
  pair(" 40", "0.0");
  pair(" 41", "1.00");
  pair(" 50", "0.0");
  pair(" 71", "     0");
  pair(" 42", "2.4");
  pair("  3", "ltypeshp.shx");
  pair("  4", "");
  pair("  0", "STYLE");
  pair(" 5", "2D");
  pair("100", "AcDbSymbolTableRecord");
  pair("100", "AcDbTextSTyleTableRecord");
  pair("  2", "symbols");
  pair(" 70", "0");
  pair(" 40", "0.0");
  pair(" 41", "1.0");
  pair(" 50", "0.0");
  pair(" 71", "     0");
  pair(" 42", "2.4");
  pair("  3", "WINGDING.TTF");
  pair("  4", "");
  pair("  0", "ENDTAB");
  pair("  0", "ENDSEC");
  pair("  0", "SECTION");
  pair("  2", "BLOCKS");
  pair("  0", "ENDSEC");
  pair("0", "SECTION");
  pair("2", "ENTITIES");
  h += "0\r";
  return h;
}

void OemToAnsi(std::string& bytes) {
  // Windows-1252 to Windows-1252: every byte stands for itself.
  static const auto kTable = [] {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
    return t;
  }();
  for (char& c : bytes)
    c = static_cast<char>(kTable[static_cast<unsigned char>(c)]);
}

}  // namespace lumtar::output
