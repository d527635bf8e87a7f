// The planar dials drawn on a canvas: what stands where, in which colour,
// and what is refused. Asserted on the figures of a RecordingCanvas.
#include "dials/planar_dial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "astro/pascal_math.h"
#include "dials/hour_line_angles.h"
#include "output/recording_canvas.h"
#include "platform/scripted_ui.h"

namespace lumtar::dials {
namespace {

using Figure = output::RecordingCanvas::Figure;
using Kind = output::RecordingCanvas::Kind;
using astro::kRadPerDeg;

// A palette whose twelve entries are 1..12, so a colour names its index.
model::ColorTable IndexPalette() {
  model::ColorTable c{};
  for (int k = 0; k < 12; ++k) c[k] = 0x100 + k;
  return c;
}

model::Model Plain(char kind) {
  model::Model m;
  m.DialKind = kind;
  m.Language = texts::Language::kEnglish;
  m.parameters.Latitude = 47.25;
  if (kind == 'h') m.parameters.WallDeclination = 0;
  m.options.ApparentAtSite = true;
  m.options.ShowAnalemmaMarks = false;
  m.Colors = IndexPalette();
  return m;
}

// The screen target of the Part's example: 840 units wide, so a 35 mm
// gnomon is G = 840 x 35 / 420 = 70 units.
const DrawTarget kScreen{true, 840, 600};

void PickOrigin(model::Model& m, int x, int y) {
  m.window.OriginPicked = true;
  m.window.OriginPoint = {x, y};
  m.window.ImageWidth = kScreen.width;
  m.window.ImageHeight = kScreen.height;
}

std::vector<const Figure*> LinesIn(const output::RecordingCanvas& c,
                                   platform::Color color) {
  std::vector<const Figure*> out;
  for (const auto& f : c.figures())
    if (f.kind == Kind::kLine && f.pen.color == color) out.push_back(&f);
  return out;
}

const Figure* TextStartingWith(const output::RecordingCanvas& c,
                               const std::string& prefix) {
  for (const auto& f : c.figures())
    if (f.kind == Kind::kText && f.text.rfind(prefix, 0) == 0) return &f;
  return nullptr;
}

TEST(DrawPlanarDial, NoonLineOfAHorizontalDialRunsNorthThroughO) {
  model::Model m = Plain('h');
  PickOrigin(m, 420, 450);
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  ASSERT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
  // Full apparent hours in colour 2: the noon line is the one on x = 420,
  // entirely north of O (smaller y), from the summer shadow G tan(phi -
  // 23.44) = 30.9 units to the winter one, 200 units.
  int on_noon_line = 0;
  for (const Figure* f : LinesIn(canvas, m.Colors[2])) {
    if (f->points[0].x != 420 || f->points[1].x != 420) continue;
    ++on_noon_line;
    for (const auto& p : f->points) {
      EXPECT_LT(p.y, 450 - 30);
      EXPECT_GT(p.y, 450 - 201);
    }
  }
  EXPECT_GT(on_noon_line, 5);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(DrawPlanarDial, EachFamilyTakesItsColour) {
  struct Case {
    void (*enable)(model::Model&);
    std::set<int> colours;  // ColorTable indexes of the family's lines
    const char* why;
  };
  const Case cases[] = {
      {[](model::Model& m) { m.options.DateLineMode = '0'; }, {0}, "dates"},
      {[](model::Model& m) { m.options.ShowHourLines = true; },
       {2, 7},
       "apparent hours and half hours"},
      {[](model::Model& m) { m.options.ShowMeanHourLines = true; },
       {3, 1},
       "mean hours and half hours"},
      {[](model::Model& m) { m.options.ShowTemporalHours = true; },
       {9},
       "temporal hours"},
      {[](model::Model& m) { m.options.ShowBabylonianHours = true; },
       {6},
       "Babylonian hours"},
      {[](model::Model& m) { m.options.ShowItalianHours = true; },
       {5, 7},
       "Italian hours and subdivisions"},
      {[](model::Model& m) { m.options.ShowAltitudeLines = true; },
       {4},
       "altitude lines"},
      {[](model::Model& m) { m.window.ShowSunshineLines = true; },
       {10},
       "sunshine lines"},
  };
  // The colours of the lines of a drawing, as ColorTable indexes (-1 for
  // colours outside the palette: frame, margins, the red style).
  const auto colours = [](const model::Model& m) {
    output::RecordingCanvas canvas;
    platform::ScriptedUi ui;
    model::Model copy = m;
    EXPECT_TRUE(DrawPlanarDial(canvas, copy, kScreen, ui));
    std::set<int> seen;
    for (const auto& f : canvas.figures()) {
      if (f.kind != Kind::kLine) continue;
      const int index = static_cast<int>(f.pen.color) - 0x100;
      seen.insert(index >= 0 && index < 12 ? index : -1);
    }
    return seen;
  };
  model::Model none = Plain('h');
  PickOrigin(none, 420, 400);
  none.options.DateLineMode = '3';
  none.options.ShowHourLines = false;
  none.options.ApparentHourSubdivisions = '1';
  none.options.MeanHourSubdivisions = '1';
  none.times.ItalianSubdivisions = 1;
  // The cross at O and the gnomon legend: colour 3.
  const std::set<int> base = colours(none);
  EXPECT_EQ(base, (std::set<int>{-1, 3}));
  for (const auto& c : cases) {
    model::Model m = none;
    c.enable(m);
    std::set<int> added, expected;
    for (int k : colours(m))
      if (!base.count(k)) added.insert(k);
    for (int k : c.colours)
      if (!base.count(k)) expected.insert(k);
    EXPECT_EQ(added, expected) << c.why;
  }
}

TEST(DrawPlanarDial, GnomonFloorRaisesTheZoom) {
  // A 4 mm gnomon is drawn as 5 mm; the zoom becomes 5 / 4.
  model::Model m = Plain('h');
  m.parameters.GnomonHeight = 4;
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  ASSERT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
  EXPECT_EQ(m.window.Zoom, 1.25);
  const Figure* legend = TextStartingWith(canvas, "Gnomon Height (=");
  ASSERT_NE(legend, nullptr);
  EXPECT_EQ(legend->text, "Gnomon Height (=  5.00)");
}

TEST(DrawPlanarDial, DisplayScaleSetsTextOffsetAndGridSpacing) {
  // Text offset wh / 14 or wh / 21 (wh = 420): 30 or 20, so the legend
  // stands at 0.73 t = 21.9 or 14.6; grid lines every round(10 x 820 / 280)
  // = 29 or round(10 x 820 / 420) = 20 units.
  struct Case {
    bool print_like;
    int legend_x;
    int spacing;
  } cases[] = {{true, 22, 29}, {false, 15, 20}};
  for (const auto& c : cases) {
    model::Model m = Plain('h');
    PickOrigin(m, 420, 400);
    m.window.PrintLikeScreen = c.print_like;
    m.window.DrawGrid = true;
    output::RecordingCanvas canvas;
    platform::ScriptedUi ui;
    ASSERT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
    const Figure* legend = TextStartingWith(canvas, "Straight hour lines");
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->points[0].x, c.legend_x) << c.print_like;
    EXPECT_EQ(legend->text, "Straight hour lines show Local Apparent Time");
    std::vector<int> xs;
    for (const Figure* f : LinesIn(canvas, m.Colors[8]))
      if (f->points[0].x == f->points[1].x && f->points[0].y == 0)
        xs.push_back(f->points[0].x);
    std::sort(xs.begin(), xs.end());
    ASSERT_GT(xs.size(), 10u);
    for (std::size_t k = 1; k < xs.size(); ++k)
      EXPECT_EQ(xs[k] - xs[k - 1], c.spacing);
    EXPECT_TRUE(std::binary_search(xs.begin(), xs.end(), 420));
  }
}

TEST(DrawPlanarDial, DataBlockPerKind) {
  struct Case {
    char kind;
    bool umbrella;
    const char* title;
    const char* second;  // nullptr: no second line
  } cases[] = {
      {'h', false, "horizontal SUNDIAL", nullptr},
      {'h', true, "horizontal Umbrella Sundial",
       "Disk radius r =   0.35 x height"},
      {'v', false, "vertical SUNDIAL", "Deviation = -11.70 deg "},
      {'v', true, "vertical Umbrella Sundial",
       "Deviation = -11.70 deg ; Radius r =   0.35 x h"},
      {'i', false, "inclining SUNDIAL",
       "Deviation = -11.70 deg ;  Inclination=  25.46 deg "},
      {'i', true, "inclining Umbrella Sundial",
       "Inclination= 25.46 deg ; Deviation = -11.70 deg ; r =   0.35 x h"},
  };
  for (const auto& c : cases) {
    model::Model m = Plain(c.kind);
    m.parameters.WallDeclination = -11.7;
    m.selectors.UmbrellaFlag = c.umbrella;
    output::RecordingCanvas canvas;
    platform::ScriptedUi ui;
    ASSERT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui)) << c.title;
    const Figure* title = TextStartingWith(canvas, c.title);
    ASSERT_NE(title, nullptr) << c.title;
    const Figure* site = TextStartingWith(canvas, "Latitude =  47.25 deg ");
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(site->text, "Latitude =  47.25 deg , Longitude =  -9.59 deg ");
    EXPECT_GT(site->points[0].y, title->points[0].y);
    const Figure* next = nullptr;
    for (const auto& f : canvas.figures())
      if (f.kind == Kind::kText && f.points[0].x == site->points[0].x &&
          f.points[0].y > site->points[0].y && f.font == site->font)
        next = &f;
    if (c.second == nullptr) {
      EXPECT_EQ(next, nullptr) << c.title;
    } else {
      ASSERT_NE(next, nullptr) << c.title;
      EXPECT_EQ(next->text, c.second);
    }
  }
}

TEST(DrawPlanarDial, UmbrellaChecksRefuseBeforeDrawing) {
  struct Case {
    char kind;
    double ratio, inclination;
    platform::Caption caption;
    const char* why;
  } cases[] = {
      {'h', 0, 0, platform::Caption::kError, "disk ratio 0"},
      {'i', 0.35, 90, platform::Caption::kWarning, "inclination 90"},
      // tan(71) = 2.90 >= 1 / 0.35 = 2.86
      {'i', 0.35, 71, platform::Caption::kWarning, "too steep for the disk"},
  };
  for (const auto& c : cases) {
    model::Model m = Plain(c.kind);
    m.selectors.UmbrellaFlag = 1;
    m.parameters.UmbrellaDiskRatio = c.ratio;
    m.parameters.Inclination = c.inclination;
    output::RecordingCanvas canvas;
    platform::ScriptedUi ui;
    EXPECT_FALSE(DrawPlanarDial(canvas, m, kScreen, ui)) << c.why;
    EXPECT_TRUE(canvas.figures().empty()) << c.why;
    ASSERT_EQ(ui.shown.size(), 1u) << c.why;
    EXPECT_EQ(ui.shown[0].caption, c.caption) << c.why;
  }
  // tan(70) = 2.75 is still below 2.86: drawn.
  model::Model m = Plain('i');
  m.selectors.UmbrellaFlag = 1;
  m.parameters.Inclination = 70;
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  EXPECT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
}

TEST(DrawPlanarDial, TinyImagesAndRunawayZoom) {
  model::Model m = Plain('v');
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  EXPECT_FALSE(DrawPlanarDial(canvas, m, {true, 0, 600}, ui));
  EXPECT_FALSE(DrawPlanarDial(canvas, m, {true, 840, 0}, ui));
  EXPECT_TRUE(canvas.figures().empty());
  // A zoom of 1000 is brought back to 64; the drawing stays finite.
  m.window.Zoom = 1000;
  EXPECT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
  EXPECT_EQ(m.window.Zoom, 64);
  for (const auto& f : canvas.figures())
    for (const auto& p : f.points) {
      EXPECT_LE(std::abs(p.x), 10000000);
      EXPECT_LE(std::abs(p.y), 10000000);
    }
}

TEST(DrawPlanarDial, AngleTableIsRecomputedForEveryDraw) {
  model::Model m = Plain('v');
  m.window.HourLineAngles[12][0] = 123;
  m.window.HourAngleLimits = {7, 8};
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  ASSERT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
  const HourLineAngleTable t = ComputeHourLineAngles(m, false);
  EXPECT_EQ(m.window.HourLineAngles, t.HourLineAngles);
  EXPECT_EQ(m.window.HourAngleLimits[0], t.first_limit);
  EXPECT_EQ(m.window.HourAngleLimits[1], t.last_limit);
  // Its sunshine text stands at the bottom in bold maroon.
  const Figure* sun = TextStartingWith(canvas, "Sun on Sundial Plane: ");
  ASSERT_NE(sun, nullptr);
  EXPECT_EQ(sun->text, t.sunshine_text);
  EXPECT_EQ(sun->font.weight, platform::kWeightBold);
  EXPECT_EQ(sun->font.color, 0x000080u);
}

TEST(DrawPlanarDial, PrinterScalesThePickedOriginAndKeepsItsMargin) {
  // Picked at (100, 50) on an image of 800 x 600; a printer page of 4000 x
  // 3000 puts O at (500, 250). The cross of arm t / 2 = 42.5 (t = 50 + 35,
  // rounded to 43) is drawn there.
  model::Model m = Plain('v');
  m.window.OriginPicked = true;
  m.window.OriginPoint = {100, 50};
  m.window.ImageWidth = 800;
  m.window.ImageHeight = 600;
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  ASSERT_TRUE(DrawPlanarDial(canvas, m, {false, 4000, 3000}, ui));
  bool cross = false;
  for (const Figure* f : LinesIn(canvas, m.Colors[3]))
    if (f->points[0] == platform::Point{457, 250} &&
        f->points[1] == platform::Point{543, 250})
      cross = true;
  EXPECT_TRUE(cross);
  // Every line of the construction stays inside the 5 mm margin.
  for (int k : {0, 2, 7}) {
    for (const Figure* f : LinesIn(canvas, m.Colors[k]))
      for (const auto& p : f->points) {
        EXPECT_GE(p.x, 50);
        EXPECT_LE(p.x, 3950);
        EXPECT_GE(p.y, 50);
        EXPECT_LE(p.y, 2950);
      }
  }
}

TEST(DrawPlanarDial, ExtendedTemporalHoursSouthOfTheEquatorAreAnnounced) {
  model::Model m = Plain('h');
  m.parameters.Latitude = -30;
  m.options.ShowTemporalHours = true;
  m.options.ExtendTemporalHours = true;
  const std::string text =
      "Extended Temporal Hour Lines not calculated for negative Latitudes!";
  output::RecordingCanvas screen, printer;
  platform::ScriptedUi ui;
  ASSERT_TRUE(DrawPlanarDial(screen, m, kScreen, ui));
  const Figure* f = TextStartingWith(screen, text);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->font.color, platform::kRed);
  EXPECT_EQ(f->points[0], (platform::Point{40, 20}));  // (2t, t), t = 20
  ASSERT_TRUE(DrawPlanarDial(printer, m, {false, 4000, 3000}, ui));
  EXPECT_EQ(TextStartingWith(printer, text), nullptr);
}

TEST(DrawPlanarDial, PoleTriangleInRedWithItsLetters) {
  model::Model m = Plain('v');
  m.parameters.WallDeclination = 0;
  m.options.ShowPoleTriangle = true;
  PickOrigin(m, 420, 300);
  output::RecordingCanvas canvas;
  platform::ScriptedUi ui;
  ASSERT_TRUE(DrawPlanarDial(canvas, m, kScreen, ui));
  // The corners O (420, 300), C (350, 300) and F (420, 300 - 70 tan 47.25).
  const int fy =
      static_cast<int>(std::lround(300 - 70 * std::tan(47.25 * kRadPerDeg)));
  std::set<std::pair<int, int>> ends;
  for (const Figure* f : LinesIn(canvas, platform::kRed))
    for (const auto& p : f->points) ends.insert({p.x, p.y});
  EXPECT_TRUE(ends.count({420, 300}));
  EXPECT_TRUE(ends.count({350, 300}));
  EXPECT_TRUE(ends.count({420, fy}));
  const Figure* s = nullptr;
  for (const auto& f : canvas.figures())
    if (f.kind == Kind::kText && f.text == "S") s = &f;
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->points[0], (platform::Point{427, fy + 4}));
  EXPECT_EQ(s->font.weight, platform::kWeightBold);
}

}  // namespace
}  // namespace lumtar::dials
