#include "dials/shadow_point.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "output/page_model.h"

namespace lumtar::dials {
namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// The hour angle of the sun at zone time `tz`, from the equation of time
// alone: H = 15 (tz - 12) - (lambda - lambda_z) + E (longitudes west
// positive).
double HourAngleAt(const model::Model& m, int day, int month, double tz) {
  const int year = m.parameters.Year;
  const double n = astro::JulianDayNumber(day, month, year) -
                   astro::JulianDayNumber(0, 1, year);
  const double x = n + (tz + m.parameters.ZoneMeridian / 15 - 12) / 24;
  const double e = astro::SolarEphemeris(year, x).eot_deg;
  return 15 * (tz - 12) - (m.parameters.Longitude - m.parameters.ZoneMeridian) +
         e;
}

struct ShadowCase {
  char kind;
  int day, month;
  double zone_time;
};

// The classical hour-line formulas of the gnomonic dials: from the foot
// point F of the polar style, the line of hour angle H makes the angle
// alpha with the noon line, tan alpha = sin(phi) tan H on a horizontal
// dial and cos(phi) tan H on a vertical dial facing south. The shadow tip
// of the nodus must lie on that line.
TEST(ShadowPoint, TipLiesOnTheApparentTimeHourLine) {
  const ShadowCase cases[] = {
      {'h', 21, 6, 9.0},  {'h', 21, 6, 14.5}, {'h', 5, 11, 11.25},
      {'h', 2, 3, 16.0},  {'v', 21, 6, 10.0}, {'v', 15, 1, 13.75},
      {'v', 23, 9, 15.5},
  };
  for (const ShadowCase& c : cases) {
    model::Model m;
    m.DialKind = c.kind;
    m.parameters.WallDeclination = 0;
    const DrawTarget target{true, 1400, 900};
    const ShadowMoment moment{c.day, c.month, m.parameters.Year, c.zone_time};
    const ShadowPoint s = ComputeShadowPoint(m, target, moment);
    ASSERT_TRUE(s.valid);
    ASSERT_TRUE(s.sun_up) << c.kind << " " << c.zone_time;

    const double phi = m.parameters.Latitude;
    const double g =
        output::UnitsPerMm(output::OutputSpace::kScreen, 1400, false) *
        m.parameters.GnomonHeight;
    const double h = HourAngleAt(m, c.day, c.month, c.zone_time);
    // F and the direction of the noon line from F (y downward).
    Point f;
    double along, across;
    double expected;
    if (c.kind == 'h') {
      f = {s.foot.x, s.foot.y + g / std::tan(phi * kDeg)};
      along = f.y - s.tip.y;  // noon points north: up the drawing
      across = s.tip.x - f.x;
      expected = std::sin(phi * kDeg) * std::tan(h * kDeg);
    } else {
      f = {s.foot.x, s.foot.y - g * std::tan(phi * kDeg)};
      along = s.tip.y - f.y;  // noon points down the wall
      across = s.tip.x - f.x;
      expected = std::cos(phi * kDeg) * std::tan(h * kDeg);
    }
    EXPECT_GT(along, 0) << c.kind << " " << c.zone_time;
    EXPECT_NEAR(across / along, expected, 2e-3)
        << c.kind << " " << c.day << "." << c.month << " " << c.zone_time;
    EXPECT_NEAR(s.apparent_time, 12 + h / 15, 1e-3);
  }
}

TEST(ShadowPoint, NoShadowAtNightOrOnOtherKinds) {
  model::Model m;
  m.DialKind = 'h';
  EXPECT_FALSE(
      ComputeShadowPoint(m, {true, 800, 600}, {21, 12, 2020, 2.0}).sun_up);
  // A vertical wall facing north sees no sun at noon.
  m.DialKind = 'v';
  m.parameters.WallDeclination = 180;
  EXPECT_FALSE(
      ComputeShadowPoint(m, {true, 800, 600}, {21, 12, 2020, 12.5}).sun_up);
  m.DialKind = 'a';
  EXPECT_FALSE(
      ComputeShadowPoint(m, {true, 800, 600}, {21, 6, 2020, 12.0}).valid);
  m.DialKind = 'h';
  EXPECT_FALSE(ComputeShadowPoint(m, {true, 0, 600}, {21, 6, 2020, 12}).valid);
}

}  // namespace
}  // namespace lumtar::dials
