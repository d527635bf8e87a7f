// Byte-exact DXF: the header and tables are fixed by the file format we
// write, and so are the entity records of a small plot.
#include <gtest/gtest.h>

#include "dxf_test_util.h"

namespace lumtar::output {
namespace {

using testing::Convert;
using testing::CrLines;

// The fixed part of every DXF we write, line by line: the header with the
// plot page (411 x 287.5 mm), four line types, layers L_0 (colour 7) and
// L_1..L_12, the three text styles, empty blocks, the entities section.
std::string ExpectedHeader() {
  std::string h = CrLines({
      "0", "SECTION", "  2", "HEADER",
      "  9", "$EXTMIN", " 10", "0.000", " 20", "0.0",
      "  9", "$EXTMAX", " 10", "  411.00", " 20", "  287.50",
      "  9", "$LIMMIN", " 10", "0.000", " 20", "0.0",
      "  9", "$LIMMAX", " 10", "  411.00", " 20", "  287.50",
      "  9", "$LTSCALE", " 40", "0.0005",
      "  0", "ENDSEC",
      "  0", "SECTION", "  2", "TABLES",
      "  0", "TABLE", "  2", "LTYPE", " 70", "     4",
      "  0", "LTYPE", "  2", "CONTINUOUS", " 70", "64", "  3", "Solid line",
      " 72", "65", " 73", "0", " 40", "0.0",
      "  0", "LTYPE", "  2", "DASHED", " 70", "64", "  3", "- - - - - - ",
      " 72", "65", " 73", "2", " 40", "3.000001", " 49", "3.000001",
      " 49", "-0.000000",
      "  0", "LTYPE", "  2", "DASHDOT", " 70", "64", "  3",
      "- . - . - . - . ", " 72", "65", " 73", "4", " 40", "12.000004",
      " 49", "6.000002", " 49", "-3.000001", " 49", "0.00000",
      " 49", "-3.00001",
      "  0", "LTYPE", "  2", "DOT", " 70", "64", "  3", ". . . .  ",
      " 72", "65", " 73", "2", " 40", "3.000001", " 49", "0.00000",
      " 49", "-3.000001",
      "  0", "ENDTAB",
      "  0", "TABLE", "  2", "LAYER", " 70", "    13",
  });
  for (int n = 0; n <= 12; ++n) {
    const std::string name = "L_" + std::to_string(n);
    const std::string colour = std::to_string(n == 0 ? 7 : n);
    h += CrLines({"  0", "LAYER", " 70", "64", "  2", name, " 62", colour,
                  "  6", "CONTINUOUS"});
  }
  h += CrLines({
      "  0", "ENDTAB",
      "  0", "TABLE", "  2", "STYLE", " 70", "   3",
      "  0", "STYLE", "  2", "STANDARD", " 70", "0", " 40", "0.0",
      " 41", "1.00", " 50", "0.0", " 71", "     0", " 42", "2.4",
      "  3", "txt", "  4", "",
      "  0", "STYLE", "  2", "shx-font", " 70", "  1", " 40", "0.0",
      " 41", "1.00", " 50", "0.0", " 71", "     0", " 42", "2.4",
      "  3", "ltypeshp.shx", "  4", "",
      "  0", "STYLE", " 5", "2D", "100", "AcDbSymbolTableRecord",
      "100", "AcDbTextSTyleTableRecord", "  2", "symbols", " 70", "0",
      " 40", "0.0", " 41", "1.0", " 50", "0.0", " 71", "     0",
      " 42", "2.4", "  3", "WINGDING.TTF", "  4", "",
      "  0", "ENDTAB",
      "  0", "ENDSEC",
      "  0", "SECTION", "  2", "BLOCKS",
      "  0", "ENDSEC",
      "0", "SECTION", "2", "ENTITIES", "0",
  });
  return h;
}

TEST(DxfGolden, HeaderIsTheSameForBothDivisors) {
  EXPECT_EQ(DxfHeader(), ExpectedHeader());
  // The page extents are millimetres whatever the plot resolution.
  for (double d : {40.0, 1000.0}) {
    const auto c = Convert("IN;SP 1;", d);
    EXPECT_EQ(c.dxf.substr(0, ExpectedHeader().size()), ExpectedHeader())
        << "divisor " << d;
  }
}

TEST(DxfGolden, SmallPlotWithOneOfEachEntity) {
  // At 40 plot units per millimetre: a line from (10, 10) to (20, 10) mm,
  // a circle of 2 mm there, a quarter arc around (10, 20) starting from
  // (20, 10) (direction 315 degrees, radius 10 sqrt 2), which leaves the
  // pen at (20, 30); a label "°N" in SI 0.24,0.32 (height 0.32 x 400 / 40 =
  // 3.20, width factor 0.24 x 400 x 1.4 / 40 / 3.2 = 1.05), direction 90;
  // then a rectangle from there to (30, 30) mm.
  const auto c = Convert(
      "IN;IW 0 0 4000 4000;SP1;PU 400 400;PD 800 400;PU;CI 80;"
      "AA 400,800,90;SI 0.24,0.32;DI 0,100;LB\xB0N\x03"
      "EA 1200 1200;SP 0;IN;");
  ASSERT_TRUE(c.result.converted);
  const std::string w = "0.0E+0000";  // (6 x 1 - 6) / 40 mm
  const std::string expected = CrLines({
      "POLYLINE", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS", " 66", "1",
      " 40 ", w, " 41 ", w, "  0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "10.0000", " 20", "10.0000", "0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "20.0000", " 20", "10.0000", "0",
      "SEQEND", "  8", "L_1", "  0",
      "CIRCLE", "  8", "L_1", " 62", "1", " 10", "20.0000", " 20", "10.0000",
      " 40", "2.0000", "0",
      "ARC", "  8", "L_1", " 62", "1", " 10", "10.0000", " 20", "20.0000",
      " 40 ", "   14.1421", " 50", " 315.00", " 51", " 405.00", "0",
      "TEXT", "  8", "L_1", " 62", "1", " 10", "   20.00000",
      " 20", "   30.00000", " 40", "  3.20", " 41", "  1.05",
      "  1", "\xB0N", " 50", " 90.0", " 51", "0.0", "  7", "STANDARD", "  0",
      "POLYLINE", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS", " 66", "1",
      " 40", w, " 41 ", w, "  0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "   20.00000", " 20", "   30.00000", "0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "30.0000", " 20", "   30.00000", "0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "30.0000", " 20", "30.0000", "0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "   20.00000", " 20", "30.0000", "0",
      "VERTEX", "  8", "L_1", " 62", "1", "  6", "CONTINUOUS",
      " 10", "   20.00000", " 20", "   30.00000", "0",
      "SEQEND", "  8", "L_1", "  0",
      "ENDSEC", "  0", "EOF",
  });
  EXPECT_EQ(c.entities, expected);
}

}  // namespace
}  // namespace lumtar::output
