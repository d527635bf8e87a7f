// The polar style's parts of the planar construction: segment clipping,
// hour lines to the foot point, the pole triangle, the horizon line and
// the places of the hour numbers.
#include "dials/planar_style.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/pascal_math.h"
#include "astro/sun_position.h"
#include "dials/hour_line_angles.h"
#include "dials/planar_lines.h"
#include "planar_test_support.h"

namespace lumtar::dials {
namespace {

using astro::kDegPerRad;
using astro::kRadPerDeg;

const Rect kPage{0, 0, 840, 600};

model::Model Dial(char kind, double latitude = 47.25, double declination = 0,
                  double inclination = 0) {
  model::Model m;
  m.DialKind = kind;
  m.parameters.Latitude = latitude;
  m.parameters.WallDeclination = declination;
  m.parameters.Inclination = kind == 'v' ? 90 : inclination;
  m.options.ApparentAtSite = true;
  m.options.HourLinesToFootPoint = true;
  m.options.ApparentHourSubdivisions = '0';
  return m;
}

struct ClipCase {
  Point a, b;
  bool visible;
  Point p, q;
  const char* why;
};
const ClipCase kClipCases[] = {
    {{10, 10}, {50, 60}, true, {10, 10}, {50, 60}, "inside stays whole"},
    {{-50, 50}, {50, 50}, true, {0, 50}, {50, 50}, "enters through the left"},
    {{50, 50}, {50, 150}, true, {50, 50}, {50, 100}, "leaves through bottom"},
    {{-50, -50}, {150, 150}, true, {0, 0}, {100, 100}, "diagonal corners"},
    {{-50, 10}, {-10, 90}, false, {}, {}, "left of the rectangle"},
    {{120, -30}, {-30, 120}, true, {90, 0}, {0, 90}, "cuts a corner off"},
};

TEST(ClipSegment, KeepsTheInsidePartInItsDirection) {
  const Rect r{0, 0, 100, 100};
  for (const auto& c : kClipCases) {
    const auto part = ClipSegment(c.a, c.b, r);
    ASSERT_EQ(part.has_value(), c.visible) << c.why;
    if (!part) continue;
    EXPECT_NEAR(part->first.x, c.p.x, 1e-9) << c.why;
    EXPECT_NEAR(part->first.y, c.p.y, 1e-9) << c.why;
    EXPECT_NEAR(part->second.x, c.q.x, 1e-9) << c.why;
    EXPECT_NEAR(part->second.y, c.q.y, 1e-9) << c.why;
  }
  EXPECT_FALSE(ClipSegment({NAN, 0}, {1, 1}, r).has_value());
}

// The direction of an hour line on the dial, from the foot point, as the
// hour-line angle table gives it: (-sin a s, -cos a s) with s = +1 on a
// horizontal dial and -1 on walls and inclined planes.
Point TableDirection(char kind, double alpha) {
  const double s = kind == 'h' ? 1 : -1;
  return {-std::sin(alpha * kRadPerDeg) * s, -std::cos(alpha * kRadPerDeg) * s};
}

struct DialCase {
  char kind;
  double latitude, declination, inclination;
  Point origin;
  const char* why;
};
const DialCase kDials[] = {
    {'h', 47.25, 0, 0, {420, 450}, "horizontal dial"},
    {'v', 47.25, 0, 90, {420, 60}, "south wall"},
    {'v', 47.25, -30, 90, {420, 60}, "wall turned 30 degrees east"},
    {'i', 47.25, 25, 60, {420, 100}, "reclining plane turned west"},
};

TEST(FootPointLines, RunFromTheFootPointAlongTheHourLines) {
  for (const auto& d : kDials) {
    model::Model m = Dial(d.kind, d.latitude, d.declination, d.inclination);
    const PlanarSetup s = MakePlanarSetup(m, kPage, 70, d.origin);
    const HourLineAngleTable table = ComputeHourLineAngles(m, false);
    const Point f = FootPoint(s);
    RecordingPen hours, feet;
    TraceHourLines(s, m, false, hours);
    TraceFootPointLines(s, m, table, feet);
    ASSERT_FALSE(feet.lines.empty()) << d.why;
    for (const auto& l : feet.lines) {
      ASSERT_EQ(l.role, LineRole::kFootPointLine);
      const auto pts = l.DrawnPoints();
      ASSERT_EQ(pts.size(), 2u) << d.why << " " << l.label;
      // Each line points along the table angle of its hour, which is the
      // direction of the hour line itself.
      const int hour = static_cast<int>(l.value);
      const Point dir = TableDirection(d.kind, table.HourLineAngles[hour][0]);
      const Point far = pts.back();
      const double len = std::hypot(far.x - f.x, far.y - f.y);
      if (len < 1e-6) continue;
      EXPECT_NEAR((far.x - f.x) / len, dir.x, 1e-6) << d.why << " " << l.label;
      EXPECT_NEAR((far.y - f.y) / len, dir.y, 1e-6) << d.why << " " << l.label;
    }
    // The drawn hour lines lie on those rays too.
    for (const auto* l : hours.Of(LineRole::kApparentHour)) {
      const int hour = static_cast<int>(l->value);
      const Point dir = TableDirection(d.kind, table.HourLineAngles[hour][0]);
      for (const Point& p : l->DrawnPoints()) {
        const double cross = (p.x - f.x) * dir.y - (p.y - f.y) * dir.x;
        EXPECT_NEAR(cross, 0, 1e-6) << d.why << " " << l->label;
      }
    }
  }
}

TEST(FootPointLines, FarPointsArePulledBackAlongTheirRay) {
  // A wall turned 80 degrees west has its foot point far to the side
  // (about 390 units from the nearest corner of the page); with a limit of
  // 600 units no line is longer, and each keeps its ray.
  model::Model m = Dial('v', 47.25, 80);
  PlanarSetup s = MakePlanarSetup(m, kPage, 70, {300, 60});
  const HourLineAngleTable table = ComputeHourLineAngles(m, false);
  RecordingPen unlimited;
  TraceFootPointLines(s, m, table, unlimited);
  s.foot_line_limit = 600;
  RecordingPen limited;
  TraceFootPointLines(s, m, table, limited);
  const Point f = FootPoint(s);
  ASSERT_EQ(limited.lines.size(), unlimited.lines.size());
  int pulled = 0;
  for (std::size_t k = 0; k < limited.lines.size(); ++k) {
    const auto a = unlimited.lines[k].DrawnPoints();
    const auto b = limited.lines[k].DrawnPoints();
    if (b.empty()) continue;
    ASSERT_FALSE(a.empty());
    const Point end = b.back(), full = a.back();
    EXPECT_LE(std::hypot(end.x - f.x, end.y - f.y), 600 + 1e-6);
    const double cross =
        (end.x - f.x) * (full.y - f.y) - (end.y - f.y) * (full.x - f.x);
    EXPECT_NEAR(cross / std::hypot(full.x - f.x, full.y - f.y), 0, 1e-6);
    pulled += std::hypot(full.x - f.x, full.y - f.y) > 600;
  }
  EXPECT_GT(pulled, 0);
  // The hour lines are traced by their own family and do not change.
  RecordingPen h1, h2;
  TraceHourLines(s, m, false, h1);
  s.foot_line_limit = 2000;
  TraceHourLines(s, m, false, h2);
  ASSERT_EQ(h1.lines.size(), h2.lines.size());
  for (std::size_t k = 0; k < h1.lines.size(); ++k)
    EXPECT_EQ(h1.lines[k].DrawnPoints().size(),
              h2.lines[k].DrawnPoints().size());
}

TEST(FootPointLines, LineOffThePageBecomesARayAtItsTableAngle) {
  // With the gnomon foot 220 units below a wide, low page, the noon line
  // (shadows of 31 to 200 units north of O) has no visible point; its ray
  // from F follows the table angle 0 (north, up) for the page width.
  model::Model m = Dial('h');
  m.times.ApparentHoursFrom = 12;
  m.times.ApparentHoursTo = 12;
  const Rect page{0, 0, 400, 100};
  const PlanarSetup s = MakePlanarSetup(m, page, 70, {50, 320});
  const HourLineAngleTable table = ComputeHourLineAngles(m, false);
  RecordingPen pen;
  TraceFootPointLines(s, m, table, pen);
  ASSERT_EQ(pen.lines.size(), 1u);
  const auto pts = pen.lines[0].DrawnPoints();
  ASSERT_EQ(pts.size(), 2u);
  // F lies below the page, so the ray enters at the bottom and leaves at
  // the top (its length 398 reaches beyond the page).
  EXPECT_NEAR(pts[0].x, 50, 1e-9);
  EXPECT_NEAR(pts[0].y, 100, 1e-9);
  EXPECT_NEAR(pts[1].x, 50, 1e-9);
  EXPECT_NEAR(pts[1].y, 0, 1e-9);
  // Without the option nothing is drawn.
  m.options.HourLinesToFootPoint = false;
  RecordingPen none;
  TraceFootPointLines(s, m, table, none);
  EXPECT_TRUE(none.lines.empty());
}

TEST(PoleTriangle, ItsAngleAtTheFootPointIsTheStyleHeight) {
  // The style rises from F at the style height: phi on a horizontal dial,
  // 90 - phi on a south wall; O is the right angle and OC the gnomon.
  struct Case {
    char kind;
    double latitude;
    double style_height;
  } cases[] = {{'h', 47.25, 47.25}, {'v', 47.25, 42.75}, {'h', -33, 33}};
  for (const auto& c : cases) {
    const model::Model m = Dial(c.kind, c.latitude);
    const PlanarSetup s = MakePlanarSetup(m, kPage, 70, {420, 300});
    const auto [o, corner, f] = PoleTriangle(s);
    EXPECT_NEAR(std::hypot(corner.x - o.x, corner.y - o.y), 70, 1e-9);
    const double dot =
        (corner.x - o.x) * (f.x - o.x) + (corner.y - o.y) * (f.y - o.y);
    EXPECT_NEAR(dot, 0, 1e-6) << c.kind;
    const double at_f = std::atan2(std::hypot(corner.x - o.x, corner.y - o.y),
                                   std::hypot(f.x - o.x, f.y - o.y)) *
                        kDegPerRad;
    EXPECT_NEAR(at_f, c.style_height, 1e-9) << c.kind << " " << c.latitude;
    EXPECT_NEAR(f.x, FootPoint(s).x, 1e-9);
    EXPECT_NEAR(f.y, FootPoint(s).y, 1e-9);
  }
}

TEST(HorizonLine, ThroughTheOriginOfAWallAndAboveAReclinedPlane) {
  RecordingPen pen;
  const model::Model wall = Dial('v');
  TraceHorizonLine(MakePlanarSetup(wall, kPage, 70, {420, 100}), pen);
  ASSERT_EQ(pen.lines.size(), 1u);
  const auto pts = pen.lines[0].DrawnPoints();
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_EQ(pts[0].y, 100);
  EXPECT_EQ(pts[0].x, 5);  // 5 units inside each side
  EXPECT_EQ(pts[1].x, 835);
  // A plane inclined by 60 degrees: the horizon G cos i / sin i above O.
  RecordingPen inclined;
  const model::Model i = Dial('i', 47.25, 0, 60);
  TraceHorizonLine(MakePlanarSetup(i, kPage, 70, {420, 300}), inclined);
  ASSERT_EQ(inclined.lines.size(), 1u);
  EXPECT_NEAR(inclined.lines[0].DrawnPoints()[0].y,
              300 - 70 / std::tan(60 * kRadPerDeg), 1e-9);
  // A horizontal dial has none.
  RecordingPen none;
  TraceHorizonLine(MakePlanarSetup(Dial('h'), kPage, 70, {420, 300}), none);
  EXPECT_TRUE(none.lines.empty());
}

TEST(HourNumberPlaces, SouthOfTenDegreesTheNumbersStandAtTheDecemberEnd) {
  // At latitude -20 the numbers go beyond the 21 December end of the hour
  // lines: the place is the projected sun of that day at the hour.
  model::Model m = Dial('h', -20);
  const PlanarSetup s =
      MakePlanarSetup(m, {0, 0, 2000, 2000}, 70, {1000, 1000});
  const auto places = HourNumberPlaces(s, m);
  ASSERT_FALSE(places.empty());
  const int december = static_cast<int>(astro::JulianDayNumber(21, 12, 2020) -
                                        astro::JulianDayNumber(0, 1, 2020));
  for (const auto& p : places) {
    EXPECT_FALSE(p.cut);
    const auto sun = astro::SunPosition(
        2020, december, p.hour, -20, s.zone_meridian, s.zone_meridian, false);
    const SunPoint q = ProjectSun(s, sun.altitude_deg, sun.azimuth_deg);
    EXPECT_NEAR(p.solstice.x, q.x, 1e-9) << p.hour;
    EXPECT_NEAR(p.solstice.y, q.y, 1e-9) << p.hour;
    EXPECT_NEAR(std::hypot(p.direction.x, p.direction.y), 1, 1e-12);
  }
}

TEST(HourNumberPlaces, ALineThatLeavesThePageIsCutAtItsBorder) {
  model::Model m = Dial('v');
  const PlanarSetup s = MakePlanarSetup(m, {0, 0, 400, 200}, 70, {200, 20});
  for (const auto& p : HourNumberPlaces(s, m)) {
    EXPECT_GE(p.solstice.x, -1e-9);
    EXPECT_LE(p.solstice.x, 400 + 1e-9);
    EXPECT_GE(p.solstice.y, -1e-9);
    EXPECT_LE(p.solstice.y, 200 + 1e-9);
  }
}

}  // namespace
}  // namespace lumtar::dials
