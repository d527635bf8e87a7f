// Drawing primitives on the recording canvas, and the SVG canvas.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "output/fonts.h"
#include "output/markers.h"
#include "output/page_model.h"
#include "output/recording_canvas.h"
#include "output/svg_canvas.h"

namespace lumtar::output {
namespace {

using platform::Point;
using Kind = RecordingCanvas::Kind;

TEST(Markers, CrossAndPoint) {
  RecordingCanvas c;
  CrossMarker(c, 10, 20, 3);
  ASSERT_EQ(c.figures().size(), 2u);
  EXPECT_EQ(c.figures()[0].points, (std::vector<Point>{{7, 20}, {13, 20}}));
  EXPECT_EQ(c.figures()[1].points, (std::vector<Point>{{10, 17}, {10, 23}}));
  PointMarker(c, 5, 6, 2);
  const auto& e = c.figures().back();
  EXPECT_EQ(e.kind, Kind::kEllipse);
  EXPECT_EQ(e.points, (std::vector<Point>{{3, 4}, {7, 8}}));
  EXPECT_EQ(e.pen.color, 255u);
  EXPECT_EQ(e.pen.width, 1);
}

TEST(Markers, RotatedTextRestoresTheFont) {
  RecordingCanvas c;
  platform::Font f;
  f.name = "Times New Roman";
  c.SetFont(f);
  RotatedText(c, 100, 200, "12", platform::kWeightBold, 30, 90);
  RotatedText(c, 100, 200, "", platform::kWeightBold, 30, 90);
  RotatedText(c, 100, 200, "6", platform::kWeightNormal, 30, -90);
  ASSERT_EQ(c.figures().size(), 2u);  // the empty text draws nothing
  EXPECT_EQ(c.figures()[0].font.escapement, 900);  // runs upwards
  EXPECT_EQ(c.figures()[0].font.name, "Times New Roman");
  EXPECT_EQ(c.figures()[0].font.height, 30);
  EXPECT_EQ(c.figures()[0].font.weight, platform::kWeightBold);
  EXPECT_EQ(c.figures()[1].font.escapement, -900);  // downwards
  EXPECT_EQ(c.font(), f);
}

TEST(Markers, ClearOriginAndLabelBox) {
  RecordingCanvas c;
  const platform::Pen pen{0x123456, 3};
  c.SetPen(pen);
  ClearCanvas(c, 640, 480);
  OriginMarker(c, {50, 60});
  LabelBoxMarker(c, {10, 20}, 700, 'v');
  LabelBoxMarker(c, {10, 20}, 700, 'c');
  LabelBoxMarker(c, {10, 20}, 700, 'h');
  LabelBoxMarker(c, {10, 20}, 700, 'w');  // no label box for this kind
  const auto& f = c.figures();
  ASSERT_EQ(f.size(), 5u);
  EXPECT_EQ(f[0].points, (std::vector<Point>{{0, 0}, {640, 480}}));
  EXPECT_EQ(f[0].brush.color, platform::kWhite);
  EXPECT_EQ(f[1].points, (std::vector<Point>{{46, 56}, {54, 64}}));
  EXPECT_EQ(f[1].pen.mode, platform::PenMode::kNotXor);
  // 700 x 0.3 = 210, 700 x 0.29 = 203, 700 x 0.33 = 231; 700 / 14 = 50.
  EXPECT_EQ(f[2].points, (std::vector<Point>{{10, 20}, {220, 70}}));
  EXPECT_EQ(f[3].points, (std::vector<Point>{{10, 20}, {213, 70}}));
  EXPECT_EQ(f[4].points, (std::vector<Point>{{10, 20}, {241, 70}}));
  EXPECT_EQ(f[2].pen.color, 0xFF0000u);
  EXPECT_EQ(f[2].pen.mode, platform::PenMode::kNotXor);
  EXPECT_EQ(c.pen(), pen);  // markers leave the pen as it was
}

TEST(PageModel, ScalesAndZoom) {
  EXPECT_DOUBLE_EQ(UnitsPerMm(OutputSpace::kScreen, 840, true), 3);
  EXPECT_DOUBLE_EQ(UnitsPerMm(OutputSpace::kScreen, 840, false), 2);
  EXPECT_DOUBLE_EQ(UnitsPerMm(OutputSpace::kPrinter, 0, false), 10);
  EXPECT_DOUBLE_EQ(UnitsPerMm(OutputSpace::kPlotFile, 0, false, 25), 1000);
  // Eight steps double the zoom; it stays within its bounds.
  EXPECT_NEAR(ZoomAfterSteps(1, 8), 2, 1e-12);
  EXPECT_NEAR(ZoomAfterSteps(1, -8), 0.5, 1e-12);
  EXPECT_EQ(ZoomAfterSteps(1, 1000), kZoomMax);
  EXPECT_EQ(ZoomAfterSteps(0, 0), 1);
  EXPECT_DOUBLE_EQ(ScaledLength(50, 2, 10), 1000);
}

TEST(Fonts, MappingTable) {
  EXPECT_EQ(MapFont("Arial").family, "Liberation Sans");
  EXPECT_EQ(MapFont("times new roman").family, "Liberation Serif");
  EXPECT_EQ(MapFont("Courier New").family, "Liberation Mono");
  EXPECT_EQ(MapFont("MS Serif").family, "Liberation Mono");
  EXPECT_TRUE(MapFont("Wingdings").symbol);
  EXPECT_EQ(MapFont("Unknown").family, "Liberation Sans");
  // Wingdings "^" is Aries, "i" Pisces.
  EXPECT_EQ(WingdingsToUnicode("^i"), "\u2648\u2653");
}

TEST(Svg, TrueSizeDocument) {
  // An A4 landscape printer page: 2970 x 2100 tenths of a millimetre.
  SvgCanvas svg(2970, 2100);
  svg.MoveTo(50, 50);
  svg.LineTo(150, 50);
  svg.LineTo(150, 150);
  const std::string doc = svg.Document();
  EXPECT_NE(doc.find("width=\"297.00mm\" height=\"210.00mm\" "
                     "viewBox=\"0 0 2970 2100\""),
            std::string::npos);
  EXPECT_NE(doc.find("<polyline points=\"50,50 150,50 150,150\""),
            std::string::npos);
}

TEST(Svg, TextIsEscapedRotatedAndMapped) {
  SvgCanvas svg(1000, 1000);
  platform::Font f;
  f.name = "Arial";
  f.height = 40;
  f.escapement = 900;
  svg.SetFont(f);
  svg.Text(100, 200, "a<b & \"c\"\x01");
  f.name = "Wingdings";
  f.escapement = 0;
  svg.SetFont(f);
  svg.Text(0, 0, "^");
  const std::string doc = svg.Document();
  EXPECT_NE(doc.find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos);
  EXPECT_NE(doc.find("font-family=\"Liberation Sans, sans-serif\""),
            std::string::npos);
  // Anticlockwise on the page is a negative angle in SVG's y-down frame.
  EXPECT_NE(doc.find("transform=\"rotate(-90.0 100 200)\""), std::string::npos);
  EXPECT_NE(doc.find(">\u2648</text>"), std::string::npos);
}

TEST(Svg, EscapeRepairsMalformedUtf8) {
  EXPECT_EQ(EscapeXml("\xC3\xA4"), "\xC3\xA4");
  EXPECT_EQ(EscapeXml("a\xFF"
                      "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(EscapeXml("\xE2\x82"), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(SvgColor(0x0000FF), "#ff0000");
  EXPECT_EQ(SvgColor(0xFF0000), "#0000ff");
}

TEST(Svg, DocumentIsWellFormedXml) {
  // Checked by Python's XML parser, when Debian's Python is there.
  if (std::system("/usr/bin/python3 -c 'import xml.etree.ElementTree' "
                  ">/dev/null 2>&1") != 0)
    GTEST_SKIP() << "/usr/bin/python3 with xml.etree not available";
  SvgCanvas svg(500, 400);
  svg.SetBrush({platform::BrushStyle::kClear, 0});
  svg.Rectangle(10, 10, 490, 390);
  svg.Ellipse(20, 20, 60, 80);
  const Point tri[] = {{1, 1}, {5, 1}, {3, 4}};
  svg.Polygon(tri);
  svg.Text(5, 5, "Süd <&> \xFF");
  const std::string path = ::testing::TempDir() + "lumtar_canvas_test.svg";
  {
    std::ofstream out(path, std::ios::binary);
    out << svg.Document();
  }
  const std::string cmd =
      "/usr/bin/python3 -c \"import sys, xml.etree.ElementTree as E; "
      "r = E.parse(sys.argv[1]).getroot(); "
      "sys.exit(0 if r.get('width') == '50.00mm' else 3)\" " +
      path;
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace lumtar::output
