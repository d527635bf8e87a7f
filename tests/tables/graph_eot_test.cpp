// The equation-of-time graph: its curve, the longitude correction, the
// canvas layout and the plot file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "../dials/plot_reader.h"
#include "output/recording_canvas.h"
#include "tables/eot_graph.h"

namespace lumtar::tables {
namespace {

namespace fs = std::filesystem;

model::Model English() {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  return m;
}

// Known behaviour of the equation of time: zero near 15 April, 13 June,
// 1 September and 25 December, and within about -14.3 and +16.5 minutes.
TEST(EotGraph, CurveCrossesZeroFourTimesAndStaysInTheGrid) {
  for (int year : {1700, 2020, 2400}) {
    const std::vector<GraphPoint> curve = EotCurve(year, 0);
    int crossings = 0;
    for (std::size_t i = 1; i < curve.size(); ++i)
      if ((curve[i - 1].y < 0) != (curve[i].y < 0)) ++crossings;
    EXPECT_EQ(crossings, 4) << year;
    for (const GraphPoint& p : curve) {
      EXPECT_LT(std::abs(p.y), 17) << year;
    }
    EXPECT_EQ(curve.front().x, 0);
    EXPECT_EQ(curve.back().x,
              year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 366 : 365)
        << year;
  }
}

// The correction from the zone meridian to the site: at 9.55 degrees east
// with the zone meridian at 15 degrees east the site is 5.45 degrees (21.8
// minutes) west of its meridian's clock: e = round(-5.45 x 4) = -22, the
// remainder -5.45 + 5.5 = 0.05 degrees goes into the curve.
TEST(EotGraph, LongitudeCorrectionShiftsTheLabelsByMinusTwentyTwo) {
  const EotCorrection c = EotGraphCorrection(-9.55, -15, true);
  EXPECT_EQ(c.label_shift_min, -22);
  EXPECT_NEAR(c.curve_shift_deg, 0.05, 1e-12);
  const EotCorrection off = EotGraphCorrection(-9.55, -15, false);
  EXPECT_EQ(off.label_shift_min, 0);
  EXPECT_EQ(off.curve_shift_deg, 0);

  model::Model m = English();
  m.parameters.Longitude = -9.55;
  m.parameters.ZoneMeridian = -15;
  const auto axis_labels = [&](bool correction) {
    const GraphFigure f =
        EotGraphFigure(m, ScreenEotLayout(960, 450), 960, 450, correction);
    std::set<std::string> texts;
    for (const GraphLabel& l : f.labels)
      if (l.align_x == 1 && l.align_y == 0.5) texts.insert(l.text);
    return texts;
  };
  EXPECT_EQ(axis_labels(false),
            (std::set<std::string>{"-17", "-15", "-10", "-5", "0", "5", "10",
                                   "15", "17"}));
  EXPECT_EQ(axis_labels(true),
            (std::set<std::string>{"-39", "-37", "-32", "-27", "-22", "-17",
                                   "-12", "-7", "-5"}));
}

TEST(EotGraph, ScreenLayoutAndTexts) {
  const model::Model m = English();
  output::RecordingCanvas canvas;
  DrawEotGraph(canvas, m, 10, 20, false, true, 450, 960);
  std::vector<std::string> texts;
  int curve_points = 0;
  for (const auto& f : canvas.figures()) {
    if (f.kind == output::RecordingCanvas::Kind::kText) texts.push_back(f.text);
    if (f.kind == output::RecordingCanvas::Kind::kLine &&
        f.pen.color == m.Colors[1] && f.pen.width == 2) {
      ++curve_points;
      // One minute is 450 / 45 = 10 pixels, the zero line 0.45 x 450 below
      // the top: the curve stays within +-17 minutes of it.
      EXPECT_LE(std::abs(f.points[1].y - (20 + 202.5)), 170.5);
    }
  }
  EXPECT_EQ(curve_points, 122);  // days 1, 4, ..., 364 and 367
  for (const char* t : {"Jan", "Dec", "Sun is fast!", "Sun is late!",
                        "Local mean time = local apparent time - table value"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;

  output::RecordingCanvas corrected;
  DrawEotGraph(corrected, m, 0, 0, true, false, 2000, 2870);
  bool zone_text = false, fast = false;
  for (const auto& f : corrected.figures()) {
    zone_text |= f.text ==
                 "standard time (mean time of zone meridian) = local apparent "
                 "time - table value";
    fast |= f.text == "Sun is fast!";
  }
  EXPECT_TRUE(zone_text);
  EXPECT_FALSE(fast);
}

std::string PlotText(const model::Model& m, const EotPlotOptions& o) {
  const fs::path file = fs::temp_directory_path() / "lumtar_eot_graph.plt";
  {
    output::PlotFile plot;
    EXPECT_TRUE(plot.Open(file));
    PlotEotGraph(plot, m, o);
    EXPECT_TRUE(plot.Close());
  }
  std::ifstream in(file, std::ios::binary);
  std::string s{std::istreambuf_iterator<char>(in),
                std::istreambuf_iterator<char>()};
  fs::remove(file);
  return s;
}

std::vector<dials::PlotPoint> CurveOf(const std::string& hpgl) {
  std::vector<dials::PlotPoint> points;
  for (const auto& line : dials::PolylinesOfPen(dials::ReadPlot(hpgl), 2))
    points.insert(points.end(), line.begin(), line.end());
  return points;
}

TEST(EotGraph, PlotHeaderPensMirrorAndYFactor) {
  const model::Model m = English();
  const std::string plain = PlotText(m, {});
  EXPECT_EQ(plain.rfind("IN;SP 8;SI 0.14, 0.24;SP 8;", 0), 0u);
  EXPECT_TRUE(plain.ends_with(";SP 0;IN;"));
  EXPECT_NE(plain.find(";SI 0.22,0.33;PU"), std::string::npos);
  EXPECT_NE(plain.find("LBJan\x03"), std::string::npos);
  const std::vector<dials::PlotPoint> curve = CurveOf(plain);
  ASSERT_EQ(curve.size(), 123u);

  // Mirrored: every point turned over at the same horizontal line.
  EotPlotOptions mirrored;
  mirrored.mirror = true;
  const std::vector<dials::PlotPoint> turned = CurveOf(PlotText(m, mirrored));
  ASSERT_EQ(turned.size(), curve.size());
  const double sum = curve[0].y + turned[0].y;
  for (std::size_t i = 0; i < curve.size(); ++i) {
    EXPECT_EQ(turned[i].x, curve[i].x);
    EXPECT_NEAR(curve[i].y + turned[i].y, sum, 1.0);
  }

  // y factor 2: the curve's height doubles (5 mm = 200 units per minute).
  EotPlotOptions tall;
  tall.y_factor = 2;
  const std::vector<dials::PlotPoint> stretched = CurveOf(PlotText(m, tall));
  const auto span = [](const std::vector<dials::PlotPoint>& c) {
    const auto [lo, hi] = std::minmax_element(
        c.begin(), c.end(),
        [](const auto& a, const auto& b) { return a.y < b.y; });
    return hi->y - lo->y;
  };
  EXPECT_NEAR(span(stretched), 2 * span(curve), 2);
  // About 30.5 minutes from the February low to the November high.
  EXPECT_NEAR(span(curve) / 200, 30.5, 0.5);
}

}  // namespace
}  // namespace lumtar::tables
