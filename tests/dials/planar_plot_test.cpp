// The planar plot writer: the exact header, the origin rules, the grid
// question, pens, input windows and the fine resolution, asserted on the
// plot commands read back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "astro/pascal_math.h"
#include "dials/planar_dial.h"
#include "platform/scripted_ui.h"
#include "plot_reader.h"

namespace lumtar::dials {
namespace {

namespace fs = std::filesystem;
using astro::kRadPerDeg;

model::Model Plain(char kind, double latitude = 47.25) {
  model::Model m;
  m.DialKind = kind;
  m.Language = texts::Language::kEnglish;
  m.parameters.Latitude = latitude;
  if (kind == 'h') m.parameters.WallDeclination = 0;
  m.options.ApparentAtSite = true;
  return m;
}

// Runs the plot writer into a file of the test's own and returns its bytes.
std::string Plot(model::Model& m, PlotRequest request, platform::Ui& ui,
                 bool* drawn = nullptr) {
  const fs::path p =
      fs::temp_directory_path() /
      ("lumtar_plot_" +
       std::string(
           ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
       ".plt");
  output::PlotFile plot;
  EXPECT_TRUE(plot.Open(p));
  const bool ok = PlotPlanarDial(plot, m, ui, request);
  if (drawn != nullptr) *drawn = ok;
  EXPECT_TRUE(plot.Close());
  const std::string bytes = ReadFile(p);
  fs::remove(p);
  return bytes;
}

PlotRequest NoGrid(output::HpglMode mode = output::HpglMode::kHpgl) {
  PlotRequest r;
  r.mode = mode;
  r.grid = PlotGrid::kNone;
  return r;
}

TEST(PlotPlanarDial, HeaderInBothModes) {
  // The exact bytes a planar plot begins with, at base and fine resolution
  // (the frame 16157 x 11038 times 25).
  platform::ScriptedUi ui;
  model::Model m = Plain('v');
  EXPECT_EQ(
      Plot(m, NoGrid(), ui)
          .rfind("IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;"
                 "PU 0 0;",
                 0),
      0u);
  EXPECT_EQ(Plot(m, NoGrid(output::HpglMode::kForDxf), ui)
                .rfind("IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 "
                       "275950;;SP 4;PU 0 0;",
                       0),
            0u);
  const std::string hpgl = Plot(m, NoGrid(), ui);
  EXPECT_EQ(hpgl.find('\n'), std::string::npos);
  EXPECT_EQ(hpgl.find('\r'), std::string::npos);
  EXPECT_TRUE(hpgl.ends_with(";SP 0;IN;"));
}

struct OriginCase {
  char kind;
  double declination, phi_e, gnomon;
  int multiplier;
  double x, y;
  const char* why;
};
const OriginCase kOrigins[] = {
    {'v', 0, 47, 1400, 1, 8200, 11000, "wall"},
    {'v', 60, 47, 1400, 1, 10600, 11000, "wall turned west"},
    {'v', -60, 47, 1400, 1, 5800, 11000, "wall turned east"},
    {'h', 0, 47, 1400, 1, 8200, 4000, "beyond 30 degrees"},
    {'h', 0, 20, 1400, 1, 8200, 5500, "tropics"},
    {'h', 0, 55, 1400, 1, 8200, 2500, "beyond 49 degrees"},
    {'h', 0, 55, 3200, 1, 8200, 1500, "beyond 50 with a long gnomon"},
    {'h', 0, -40, 1400, 1, 8200, 7000, "south: 11000 - 4000"},
    {'i', 0, 17, 35000, 25, 205000, 137500, "fine resolution"},
};

TEST(PlanarPlotOrigin, PlaceOfTheGnomonFootPerKind) {
  for (const auto& c : kOrigins) {
    const Point o = PlanarPlotOrigin(c.kind, c.declination, c.phi_e, c.gnomon,
                                     c.multiplier);
    EXPECT_EQ(o.x, c.x) << c.why;
    EXPECT_EQ(o.y, c.y) << c.why;
  }
}

TEST(PlotPlanarDial, NoonLineOfAHorizontalDialIsVerticalThroughO) {
  // O at (8200, 4000) for 47.25 degrees; the noon line (pen 3) runs north
  // (up in the plot) from the summer shadow G tan(phi - 23.44) to the
  // winter one, with G = 40 x 35 = 1400 units.
  model::Model m = Plain('h');
  m.options.ApparentHourSubdivisions = '0';
  platform::ScriptedUi ui;
  const auto plot = ReadPlot(Plot(m, NoGrid(), ui));
  int noon = 0;
  for (const auto& line : PolylinesOfPen(plot, 3)) {
    if (std::fabs(line.front().x - 8200) > 0.5) continue;
    ++noon;
    for (const auto& p : line) {
      EXPECT_NEAR(p.x, 8200, 0.5);
      EXPECT_GT(p.y, 4000 + 1400 * std::tan((47.25 - 23.45) * kRadPerDeg) - 1);
      EXPECT_LT(p.y, 4000 + 1400 * std::tan((47.25 + 23.45) * kRadPerDeg) + 1);
    }
  }
  EXPECT_EQ(noon, 1);
}

TEST(PlotPlanarDial, FineResolutionIsTheSamePlotTwentyFiveTimesLarger) {
  model::Model m = Plain('v');
  platform::ScriptedUi ui;
  const auto base = PolylinesOfPen(ReadPlot(Plot(m, NoGrid(), ui)), 3);
  const auto fine = PolylinesOfPen(
      ReadPlot(Plot(m, NoGrid(output::HpglMode::kForDxf), ui)), 3);
  ASSERT_EQ(base.size(), fine.size());
  ASSERT_FALSE(base.empty());
  for (std::size_t k = 0; k < base.size(); ++k) {
    ASSERT_EQ(base[k].size(), fine[k].size());
    for (std::size_t j = 0; j < base[k].size(); ++j) {
      // Each base coordinate was rounded to a unit: 25 times it is within
      // 12.5 + 0.5 of the fine one.
      EXPECT_NEAR(fine[k][j].x, 25 * base[k][j].x, 13);
      EXPECT_NEAR(fine[k][j].y, 25 * base[k][j].y, 13);
    }
  }
}

TEST(PlotPlanarDial, EachFamilyHasItsPen) {
  struct Case {
    void (*enable)(model::Model&);
    std::set<int> pens;
    const char* why;
  };
  const Case cases[] = {
      {[](model::Model& m) { m.options.DateLineMode = '0'; }, {1}, "dates"},
      {[](model::Model& m) { m.options.ShowHourLines = true; },
       {3, 8},
       "apparent hours and subdivisions"},
      {[](model::Model& m) { m.options.ShowMeanHourLines = true; },
       {4, 2},
       "mean hours and subdivisions"},
      {[](model::Model& m) { m.options.ShowTemporalHours = true; },
       {10},
       "temporal hours"},
      {[](model::Model& m) { m.options.ShowBabylonianHours = true; },
       {7},
       "Babylonian hours"},
      {[](model::Model& m) { m.options.ShowItalianHours = true; },
       {6, 9},
       "Italian hours and subdivisions"},
      {[](model::Model& m) { m.options.ShowAltitudeLines = true; },
       {5},
       "altitude lines"},
      {[](model::Model& m) { m.window.ShowSunshineLines = true; },
       {11},
       "sunshine lines"},
  };
  // The pens of the pen-down commands of a plot.
  const auto pens_of = [](model::Model m) {
    platform::ScriptedUi ui;
    std::set<int> pens;
    for (const auto& cmd : ReadPlot(Plot(m, NoGrid(), ui)))
      if (cmd.name == "PD" && !cmd.values.empty()) pens.insert(cmd.pen);
    return pens;
  };
  model::Model none = Plain('h');
  none.options.DateLineMode = '3';
  none.options.ShowHourLines = false;
  none.options.ShowAnalemmaMarks = false;
  none.options.ApparentHourSubdivisions = '1';
  none.options.MeanHourSubdivisions = '1';
  none.times.ItalianSubdivisions = 1;
  // The bracket of the doubled gnomon and the square at O: pen 4.
  const std::set<int> base = pens_of(none);
  EXPECT_EQ(base, std::set<int>{4});
  for (const auto& c : cases) {
    model::Model m = none;
    c.enable(m);
    std::set<int> added, expected;
    for (int k : pens_of(m))
      if (!base.count(k)) added.insert(k);
    for (int k : c.pens)
      if (!base.count(k)) expected.insert(k);
    EXPECT_EQ(added, expected) << c.why;
  }
}

TEST(PlotPlanarDial, GridQuestionAndWidth) {
  // The width of the grid in mm becomes 40 units per mm; a width below
  // 1 mm or one that cannot be read gives 10 mm.
  struct Case {
    PlotGrid grid;
    double width;
    std::deque<platform::Answer> answers;
    std::deque<std::optional<std::string>> inputs;
    double spacing;  // 0: no grid
    const char* why;
  };
  const Case cases[] = {
      {PlotGrid::kWidth, 5, {}, {}, 200, "5 mm"},
      {PlotGrid::kWidth, 0.5, {}, {}, 400, "below 1 mm"},
      {PlotGrid::kNone, 5, {}, {}, 0, "no grid"},
      {PlotGrid::kAsk, 0, {platform::Answer::kYes}, {"7,5"}, 300, "asked"},
      {PlotGrid::kAsk, 0, {platform::Answer::kYes}, {"abc"}, 400, "unreadable"},
      {PlotGrid::kAsk, 0, {platform::Answer::kYes}, {"0.2"}, 400, "too fine"},
      {PlotGrid::kAsk, 0, {platform::Answer::kNo}, {}, 0, "declined"},
  };
  for (const auto& c : cases) {
    model::Model m = Plain('v');
    platform::ScriptedUi ui;
    ui.answers = c.answers;
    ui.inputs = c.inputs;
    PlotRequest r = NoGrid();
    r.grid = c.grid;
    r.grid_mm = c.width;
    const auto plot = ReadPlot(Plot(m, r, ui));
    std::vector<double> xs;  // vertical grid lines start at y = 0
    bool circle = false;
    for (std::size_t k = 0; k + 1 < plot.size(); ++k) {
      if (plot[k].pen != 9) continue;
      if (plot[k].name == "CI" && plot[k].values == std::vector<double>{80})
        circle = true;
      if (plot[k].name == "PU" && plot[k].values.size() == 2 &&
          plot[k].values[1] == 0 && plot[k + 1].name == "PD" &&
          plot[k + 1].values[0] == plot[k].values[0])
        xs.push_back(plot[k].values[0]);
    }
    if (c.spacing == 0) {
      EXPECT_FALSE(circle) << c.why;
      EXPECT_TRUE(xs.empty()) << c.why;
      continue;
    }
    EXPECT_TRUE(circle) << c.why;
    ASSERT_GT(xs.size(), 10u) << c.why;
    for (std::size_t k = 1; k < xs.size(); ++k)
      EXPECT_EQ(xs[k] - xs[k - 1], c.spacing) << c.why;
  }
}

TEST(PlotPlanarDial, InputWindowOfTheSunlitPart) {
  // A wall: the window ends 10 units above the horizon through O (y =
  // 11000); an inclined plane: 5 units above its horizon, G cos i / sin i
  // above O.
  platform::ScriptedUi ui;
  model::Model wall = Plain('v');
  bool found = false;
  for (const auto& c : ReadPlot(Plot(wall, NoGrid(), ui)))
    if (c.name == "IW" && c.values == std::vector<double>{0, 0, 16151, 11010})
      found = true;
  EXPECT_TRUE(found);

  model::Model inclined = Plain('i');
  inclined.parameters.WallDeclination = 0;
  inclined.parameters.Inclination = 60;
  // The equivalent latitude 47.25 - 60 < 0: O at y = 11000 - 5500.
  const double top = 5500 + 1400 / std::tan(60 * kRadPerDeg) + 5;
  found = false;
  for (const auto& c : ReadPlot(Plot(inclined, NoGrid(), ui)))
    if (c.name == "IW" && c.values.size() == 4 && c.values[2] == 16157 &&
        std::fabs(c.values[3] - top) <= 1)
      found = true;
  EXPECT_TRUE(found) << top;
}

TEST(PlotPlanarDial, UmbrellaRefusalWritesOnlyTheFrame) {
  model::Model m = Plain('i');
  m.selectors.UmbrellaFlag = 1;
  m.parameters.UmbrellaDiskRatio = 0;
  platform::ScriptedUi ui;
  bool drawn = true;
  EXPECT_EQ(Plot(m, NoGrid(), ui, &drawn),
            "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 "
            "0;;SP 0;IN;");
  EXPECT_FALSE(drawn);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Circle radius = 0  is not allowed");
}

TEST(PlotPlanarDial, LatitudeLimitsAreTheScreensOnes) {
  // Babylonian and Italian hours stop beyond 65 degrees, on screen as in
  // the plot: at 65.5 the plot holds no line of pens 6 and 7.
  model::Model m = Plain('h', 65.5);
  m.options.ShowBabylonianHours = true;
  m.options.ShowItalianHours = true;
  platform::ScriptedUi ui;
  const auto plot = ReadPlot(Plot(m, NoGrid(), ui));
  for (const auto& c : plot)
    if (c.name == "PD") {
      EXPECT_NE(c.pen, 6);
      EXPECT_NE(c.pen, 7);
    }
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Italian and Babylonian hours\rnot possible. Latitude to high!");
}

TEST(PlotPlanarDial, SubstyleDashedToTheFootPoint) {
  // A south wall: F lies G tan(phi) = 1512 units above O (8200, 11000),
  // beyond the frame; the dashed substyle is cut at the frame's top.
  model::Model m = Plain('v');
  m.parameters.WallDeclination = 0;
  platform::ScriptedUi ui;
  const std::string bytes = Plot(m, NoGrid(), ui);
  const std::size_t dash =
      bytes.find(";LT 2,2;;PU 8200 11000;PD 8200 11038;LT ;");
  EXPECT_NE(dash, std::string::npos) << bytes.substr(bytes.size() - 300);
  // South of the equator the foot point of a wall turned 40 degrees lies
  // below O, inside the frame: it gets its cross and the letter S.
  m.parameters.WallDeclination = 40;
  m.parameters.Latitude = -20;
  const auto plot = ReadPlot(Plot(m, NoGrid(), ui));
  bool s = false;
  for (const auto& c : plot) s = s || (c.name == "LB" && c.text == "S");
  EXPECT_TRUE(s);
}

}  // namespace
}  // namespace lumtar::dials
