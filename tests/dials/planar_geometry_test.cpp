#include "dials/planar_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/pascal_math.h"
#include "astro/sun_position.h"
#include "dials/planar_lines.h"
#include "planar_test_support.h"
#include "platform/scripted_ui.h"

namespace lumtar::dials {
namespace {

using astro::kDegPerRad;
using astro::kRadPerDeg;

// A screen page 840 units wide: G = 840 x 35 / 420 = 70 for a 35 mm gnomon.
const Rect kPage{0, 0, 840, 600};

model::Model Horizontal(double latitude = 47.25) {
  model::Model m;
  m.DialKind = 'h';
  m.parameters.Latitude = latitude;
  m.parameters.WallDeclination = 0;
  m.parameters.Inclination = 0;
  m.options.ApparentAtSite = true;
  return m;
}

PlanarSetup ScreenSetup(const model::Model& m, Point origin = {420, 450}) {
  return MakePlanarSetup(m, kPage, 70, origin);
}

TEST(PlanarGeometry, GnomonFloorRaisesZoom) {
  double zoom = 1;
  EXPECT_EQ(DrawnGnomonMm(35, zoom), 35);
  EXPECT_EQ(zoom, 1);
  EXPECT_EQ(DrawnGnomonMm(4, zoom), 5);
  EXPECT_EQ(zoom, 1.25);
  zoom = 2;
  EXPECT_EQ(DrawnGnomonMm(12.344, zoom), 24.69);
}

TEST(PlanarGeometry, HorizontalHourLinesMeetTheTextbookAngles) {
  // tan(theta) = sin(phi) tan(H) at the foot of the polar style.
  model::Model m = Horizontal();
  const PlanarSetup s = ScreenSetup(m);
  const Point f = FootPoint(s);
  EXPECT_NEAR(f.y - s.origin.y, 70 / std::tan(47.25 * kRadPerDeg), 1e-9);
  RecordingPen pen;
  m.options.ApparentHourSubdivisions = '0';
  TraceHourLines(s, m, false, pen);
  const auto lines = pen.Of(LineRole::kApparentHour);
  ASSERT_EQ(lines.size(), 12u);  // 8 to 19 h
  for (const auto* l : lines) {
    const double h = 15 * (l->value - 12);
    const double expected =
        std::atan(std::sin(47.25 * kRadPerDeg) * std::tan(h * kRadPerDeg)) *
        kDegPerRad;
    const auto pts = l->DrawnPoints();
    // The early and late lines may fall beyond this small page.
    if (l->value >= 9 && l->value <= 15) {
      EXPECT_FALSE(pts.empty()) << l->label;
    }
    for (const Point& p : pts) {
      // Angle from the noon line (north, up) towards east (right).
      const double theta = std::atan2(p.x - f.x, f.y - p.y) * kDegPerRad;
      EXPECT_NEAR(theta, expected, 1e-6) << l->label;
    }
    if (l->value == 12) {
      for (const Point& p : pts) {
        EXPECT_NEAR(p.x, s.origin.x, 1e-6);
        EXPECT_LT(p.y, s.origin.y);  // north of the gnomon foot
      }
    }
  }
}

TEST(PlanarGeometry, SouthWallHourLinesAndFootPoint) {
  // tan(theta) = cos(phi) tan(H); the foot point G tan(phi) above O.
  model::Model m = Horizontal();
  m.DialKind = 'v';
  m.parameters.Inclination = 90;
  const PlanarSetup s = ScreenSetup(m, {420, 100});
  const Point f = FootPoint(s);
  EXPECT_NEAR(f.x, s.origin.x, 1e-9);
  EXPECT_NEAR(s.origin.y - f.y, 70 * std::tan(47.25 * kRadPerDeg), 1e-9);
  EXPECT_EQ(HorizonLineY(s).value_or(-1), s.origin.y);
  RecordingPen pen;
  TraceHourLines(s, m, false, pen);
  for (const auto* l : pen.Of(LineRole::kApparentHour)) {
    const double h = 15 * (l->value - 12);
    const double expected =
        std::atan(std::cos(47.25 * kRadPerDeg) * std::tan(h * kRadPerDeg)) *
        kDegPerRad;
    for (const Point& p : l->DrawnPoints()) {
      const double theta = std::atan2(p.x - f.x, p.y - f.y) * kDegPerRad;
      EXPECT_NEAR(theta, expected, 1e-6) << l->label;
      EXPECT_GE(p.y, s.origin.y);  // cut at the horizon line through O
    }
  }
}

TEST(PlanarGeometry, EquinoxLineIsStraight) {
  // At the equinox the shadow of the nodus runs along y = O_y - G tan(phi).
  model::Model m = Horizontal();
  m.options.DateLineMode = '0';
  const PlanarSetup s = ScreenSetup(m);
  RecordingPen pen;
  platform::ScriptedUi ui;
  TraceDeclinationLines(s, m, pen, ui);
  const auto lines = pen.Of(LineRole::kDeclination);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[3]->label, "date line 22.9.");
  const auto pts = lines[3]->DrawnPoints();
  ASSERT_GT(pts.size(), 10u);
  for (const Point& p : pts)
    EXPECT_NEAR(p.y, s.origin.y - 70 * std::tan(47.25 * kRadPerDeg), 1e-6);
}

TEST(PlanarGeometry, OwnDatesEmptyListGivesThreeLines) {
  model::Model m = Horizontal();
  m.options.DateLineMode = '2';
  m.DateLineList.clear();
  RecordingPen pen;
  platform::ScriptedUi ui;
  TraceDeclinationLines(ScreenSetup(m), m, pen, ui);
  ASSERT_EQ(pen.Of(LineRole::kDeclination).size(), 3u);
  EXPECT_EQ(pen.lines[1].label, "date line 23.09.");
}

TEST(PlanarGeometry, TenMinuteSubdivisionsGiveSixLinesAnHour) {
  model::Model m = Horizontal();
  m.options.ApparentHourSubdivisions = '4';
  m.times.ApparentHoursFrom = 10;
  m.times.ApparentHoursTo = 11;
  RecordingPen pen;
  TraceHourLines(ScreenSetup(m), m, false, pen);
  EXPECT_EQ(pen.Of(LineRole::kApparentHour).size(), 2u);
  ASSERT_EQ(pen.Of(LineRole::kApparentSubdivision).size(), 5u);  // 10:10..10:50
  EXPECT_EQ(pen.Of(LineRole::kApparentSubdivision)[0]->label,
            "apparent time 10:10");
}

TEST(PlanarGeometry, TemporalSixthHourIsTheNoonLine) {
  model::Model m = Horizontal();
  m.times.PlanarTemporalFrom = 6;
  m.times.PlanarTemporalTo = 6;
  m.options.ExtendTemporalHours = false;
  const PlanarSetup s = ScreenSetup(m);
  RecordingPen pen;
  platform::ScriptedUi ui;
  TraceTemporalHours(s, m, pen, ui);
  const auto lines = pen.Of(LineRole::kTemporalHour);
  ASSERT_EQ(lines.size(), 1u);
  for (const Point& p : lines[0]->DrawnPoints())
    EXPECT_NEAR(p.x, s.origin.x, 1e-6);

  model::Model arctic = Horizontal(67);
  RecordingPen none;
  TraceTemporalHours(ScreenSetup(arctic), arctic, none, ui);
  EXPECT_TRUE(none.lines.empty());
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().caption, platform::Caption::kProblem);
}

TEST(PlanarGeometry, TemporalHoursAreNotExtendedSouthOfTheEquator) {
  model::Model m = Horizontal(-30);
  m.options.ExtendTemporalHours = true;
  m.times.PlanarTemporalFrom = 3;
  m.times.PlanarTemporalTo = 3;
  model::Model plain = m;
  plain.options.ExtendTemporalHours = false;
  RecordingPen a, b;
  platform::ScriptedUi ui;
  TraceTemporalHours(ScreenSetup(m), m, a, ui);
  TraceTemporalHours(ScreenSetup(plain), plain, b, ui);
  ASSERT_EQ(a.lines.size(), 1u);
  EXPECT_EQ(a.lines[0].pieces.size(), b.lines[0].pieces.size());
}

TEST(PlanarGeometry, AltitudeLinesAboveTheNoonSunAreSkipped) {
  model::Model m = Horizontal(47);
  m.times.AltitudeLinesFrom = 60;
  m.times.AltitudeLinesTo = 80;
  m.times.AltitudeLineStep = 0;
  RecordingPen pen;
  TraceAltitudeLines(ScreenSetup(m), m, pen);
  // 80 > 113.45 - 47 has no line; 70 > 66.45 neither; 60 is a summer arc
  // through the meridian (no winter azimuth: 60 >= 66.55 - 47).
  const auto lines = pen.Of(LineRole::kAltitude);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->value, 60);
  // Its points lie on the circle of shadow length G / tan(60) around O.
  const PlanarSetup s = ScreenSetup(m);
  for (const Point& p : lines[0]->DrawnPoints())
    EXPECT_NEAR(std::hypot(p.x - s.origin.x, p.y - s.origin.y),
                70 / std::tan(60 * kRadPerDeg), 1e-6);
}

TEST(PlanarGeometry, BabylonianAndItalianLinesAreStraight) {
  model::Model m = Horizontal();
  m.options.ShowBabylonianHours = true;
  m.options.ShowItalianHours = true;
  m.times.BabylonianFrom = 2;
  m.times.BabylonianTo = 4;
  m.times.ItalianFrom = 20;
  m.times.ItalianTo = 22;
  RecordingPen pen;
  platform::ScriptedUi ui;
  const auto labels = TraceBabylonianItalianHours(ScreenSetup(m), m, pen, ui);
  EXPECT_TRUE(ui.shown.empty());
  int checked = 0;
  for (const auto& l : pen.lines) {
    // With the geometric sunrise every point of an hour lies on one line.
    const auto pts = l.DrawnPoints();
    if (pts.size() < 3) continue;
    const Point a = pts.front(), b = pts.back();
    for (const Point& p : pts) {
      const double cross =
          (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
      EXPECT_NEAR(cross / std::hypot(b.x - a.x, b.y - a.y), 0, 1e-6) << l.label;
    }
    ++checked;
  }
  EXPECT_GE(checked, 4);
  // Even hours are labelled at their 21 September point.
  ASSERT_FALSE(labels.empty());
  for (const auto& lp : labels) EXPECT_EQ(lp.hour % 2, 0);

  model::Model north = Horizontal(66);
  north.options.ShowBabylonianHours = true;
  RecordingPen none;
  TraceBabylonianItalianHours(ScreenSetup(north), north, none, ui);
  EXPECT_TRUE(none.lines.empty());
  EXPECT_FALSE(ui.shown.empty());
}

TEST(PlanarGeometry, AnalemmaMarksFirstOfTheMonthFilled) {
  model::Model m = Horizontal();
  m.values.AnalemmaHour = 12;
  m.options.AnalemmaMarkDays = 1;  // 1st and 15th
  RecordingPen pen;
  TraceAnalemma(ScreenSetup(m, {420, 560}), m, pen);
  ASSERT_EQ(pen.lines.size(), 1u);
  const auto& marks = pen.lines[0].marks;
  ASSERT_FALSE(marks.empty());
  int filled = 0;
  for (const auto& mk : marks) filled += mk.second;
  EXPECT_GT(filled, 0);
  EXPECT_LE(filled, 12);
  EXPECT_EQ(static_cast<int>(marks.size()) - filled <= 12, true);
}

TEST(SolsticeAzimuthAtAltitude, AgreesWithSphericalTrigonometry) {
  // cos A = (sin a sin phi - sin dec) / (cos a cos phi), morning: A < 0.
  for (double a : {10.0, 30.0, 50.0}) {
    const double dec = 23.44;
    const double c = (std::sin(a * kRadPerDeg) * std::sin(47.25 * kRadPerDeg) -
                      std::sin(dec * kRadPerDeg)) /
                     (std::cos(a * kRadPerDeg) * std::cos(47.25 * kRadPerDeg));
    const double expected = -std::acos(c) * kDegPerRad;
    EXPECT_NEAR(SolsticeAzimuthAtAltitude(a, 47.25, true, 2020), expected, 0.3)
        << a;
  }
  // Never reached in winter at 47.25: the noon sun stands at 19.3 degrees.
  EXPECT_EQ(SolsticeAzimuthAtAltitude(25, 47.25, false, 2020), -180);
}

TEST(StyleFootOffset, WallsNearEastAndWest) {
  // D = 89.99 is computed as 89.93, D = 90.05 as 90.07.
  const Point a = StyleFootOffset(70, 90, 47.25, 89.99);
  const Point b = StyleFootOffset(70, 90, 47.25, 89.93);
  EXPECT_DOUBLE_EQ(a.x, b.x);
  EXPECT_DOUBLE_EQ(a.y, b.y);
  const Point c = StyleFootOffset(70, 90, 47.25, 90.05);
  const Point d = StyleFootOffset(70, 90, 47.25, 90.07);
  EXPECT_DOUBLE_EQ(c.x, d.x);
  EXPECT_TRUE(std::isfinite(StyleFootOffset(70, 90, 90, 0).y));
}

TEST(ClipToRectangle, ClosedRectangleAndCorners) {
  const Rect r{0, 0, 100, 100};
  // Leaves through the right edge.
  Point p = ClipToRectangle({150, 50}, {50, 50}, r);
  EXPECT_DOUBLE_EQ(p.x, 100);
  EXPECT_DOUBLE_EQ(p.y, 50);
  // Beyond a corner: x is clipped first, then y, and the result is on the
  // border.
  p = ClipToRectangle({200, -300}, {50, 50}, r);
  EXPECT_GE(p.x, 0);
  EXPECT_LE(p.x, 100);
  EXPECT_DOUBLE_EQ(p.y, 0);
  // An inside point on the border itself counts as inside.
  p = ClipToRectangle({100, 150}, {100, 50}, r);
  EXPECT_DOUBLE_EQ(p.y, 100);
  // An "inside" point that is outside: the outside point comes back.
  p = ClipToRectangle({150, 50}, {120, 50}, r);
  EXPECT_DOUBLE_EQ(p.x, 150);
}

TEST(SunshineDeclinations, WholeHourDays) {
  const auto d = SunshineDeclinations(47.25, 23.44);
  EXPECT_EQ(d[0], 0);
  // 15 h day at 47.25: tan(dec) = sin(22.5) / tan(47.25).
  EXPECT_NEAR(
      d[3],
      std::atan(std::sin(22.5 * kRadPerDeg) / std::tan(47.25 * kRadPerDeg)) *
          kDegPerRad,
      1e-12);
  EXPECT_EQ(d[4], 999);  // a 16-hour day is longer than the longest day there
  for (double v : SunshineDeclinations(0.001, 23.44)) EXPECT_EQ(v, 0);
}

TEST(PlanarGeometry, InclinedPlaneIsItsEquivalentHorizontalDial) {
  // A south-facing plane inclined by 30 degrees at 47.25 N is a horizontal
  // dial of latitude 17.25: same hour-line angles.
  model::Model m = Horizontal();
  m.DialKind = 'i';
  m.parameters.Inclination = 30;
  const PlanarSetup s = ScreenSetup(m);
  EXPECT_NEAR(s.phi_e, 17.25, 1e-9);
  EXPECT_NEAR(s.e_hours, 0, 1e-12);
  RecordingPen pen;
  TraceHourLines(s, m, false, pen);
  const Point f = FootPoint(s);
  for (const auto* l : pen.Of(LineRole::kApparentHour)) {
    const double h = 15 * (l->value - 12);
    const double expected =
        std::atan(std::sin(17.25 * kRadPerDeg) * std::tan(h * kRadPerDeg)) *
        kDegPerRad;
    for (const Point& p : l->DrawnPoints()) {
      const double theta = std::atan2(p.x - f.x, f.y - p.y) * kDegPerRad;
      EXPECT_NEAR(theta, expected, 1e-5) << l->label;
    }
  }
}

}  // namespace
}  // namespace lumtar::dials
