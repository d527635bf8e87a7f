// Spherical rotation, unequal and Babylonian/Italian hours, interpolation.
#include "output/hour_systems.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/format.h"
#include "output/fast_fixed.h"

namespace lumtar::output {
namespace {

TEST(SphericalRotate, KnownRotations) {
  // Values worked by hand from the three formulas.
  struct Case {
    double a, b, c, u, v, w;
    const char* why;
  } cases[] = {
      {0, 0, 90, 90, 0, 0, "(0, 0) turned by 90: the pole"},
      {30, 0, 90, 60, 0, 0, "c = 90: u = 90 - a"},
      {90, 90, 0, 0, 90, 90, "c = 0, a = b = 90"},
      {45, 90, 45, 30, 54.735610317245346, 54.735610317245346,
       "sin u = 1/2; tan v = tan w = sqrt 2"},
  };
  for (const auto& c : cases) {
    const Rotated r = SphericalRotate(c.a, c.b, c.c);
    EXPECT_NEAR(r.u, c.u, 1e-9) << c.why;
    EXPECT_NEAR(r.v, c.v, 1e-9) << c.why;
    EXPECT_NEAR(r.w, c.w, 1e-9) << c.why;
  }
  // The arcsine argument reaches -1: clamped to -90, no NaN.
  EXPECT_DOUBLE_EQ(SphericalRotate(90, 0, 0).u, -90);
}

TEST(TemporalHours, EquatorHasEqualHours) {
  // At latitude 0 the day arc is 90 degrees for every declination, so
  // temporal hour n is clock hour n + 6 of apparent time.
  for (double dec : {-23.4, 0.0, 15.0}) {
    for (double n : {0.0, 3.0, 6.0, 9.5, 12.0}) {
      const astro::AltAz t = TemporalHourAltAz(n, 0, dec);
      const astro::AltAz c = astro::AltAzFromHourAngle(0, dec, (n - 6) * 15);
      EXPECT_NEAR(t.altitude_deg, c.altitude_deg, 1e-12) << dec << " " << n;
      EXPECT_NEAR(t.azimuth_deg, c.azimuth_deg, 1e-12) << dec << " " << n;
    }
  }
}

TEST(TemporalHours, SunriseAndSunsetAreOnTheHorizon) {
  // Hour 0 and 12 are the geometric horizon crossings; d = 0 (declination
  // 0) uses H0 = 90; polar night and midnight sun clamp the arc.
  for (double lat : {47.25, -33.9, 60.0})
    for (double n : {0.0, 12.0})
      EXPECT_NEAR(TemporalHourAltAz(n, lat, 20).altitude_deg, 0, 1e-6)
          << lat << " " << n;
  EXPECT_DOUBLE_EQ(SemiDiurnalArc(47, 0), 90);
  EXPECT_DOUBLE_EQ(SemiDiurnalArc(80, -20), 0);
  EXPECT_DOUBLE_EQ(SemiDiurnalArc(80, 20), 180);
  EXPECT_FALSE(std::isnan(TemporalHourAltAz(3, 89.9, 23).altitude_deg));
}

TEST(TemporalHours, DatedPositionMatchesTheNoonDeclination) {
  // Temporal hour 6 is local apparent noon: the meridian, azimuth 0.
  const astro::AltAz noon = TemporalHourSunPosition(2020, 172, -9.59, 47.25, 6);
  EXPECT_NEAR(noon.azimuth_deg, 0, 1e-6);
  // Around the June solstice noon altitude is 90 - 47.25 + 23.44.
  EXPECT_NEAR(noon.altitude_deg, 90 - 47.25 + 23.44, 0.05);
  // Hour 0 lies at the horizon (the declination changes by hours only).
  EXPECT_NEAR(TemporalHourSunPosition(2020, 172, -9.59, 47.25, 0).altitude_deg,
              0, 0.05);
}

TEST(HourSystems, BabylonianAndItalianZeroAtTheHorizon) {
  // Babylonian hour 24 is sunrise (12 - r), Italian hour 24 sunset
  // (12 + r): both at the geometric horizon.
  for (int day : {80, 172, 355}) {
    const astro::AltAz b =
        HourSystemSunPosition(2020, day, true, -9.59, 47.25, 24);
    const astro::AltAz i =
        HourSystemSunPosition(2020, day, false, -9.59, 47.25, 24);
    EXPECT_NEAR(b.altitude_deg, 0, 0.1) << day;
    EXPECT_NEAR(i.altitude_deg, 0, 0.1) << day;
    EXPECT_LT(b.azimuth_deg, 0) << "rises in the east, day " << day;
    EXPECT_GT(i.azimuth_deg, 0) << "sets in the west, day " << day;
  }
}

TEST(Interpolate, CutsAtAnAbscissa) {
  double x2 = 10, y2 = 20;
  EXPECT_DOUBLE_EQ(Interpolate(0, 0, x2, y2, 5), 10);
  EXPECT_DOUBLE_EQ(x2, 5);
  EXPECT_DOUBLE_EQ(y2, 10);
  double x3 = 1, y3 = 7;
  EXPECT_DOUBLE_EQ(Interpolate(1, 3, x3, y3, 4), 3);  // x1 = x2: y1
}

TEST(FastFixed, SameTextAsFormatFixed) {
  // The converter's fast formatting must give the same text as the
  // reference FormatFixed, also at ties and for negatives.
  const double values[] = {0,      -0.0,     0.5,        -0.5,     1.00005,
                           2.5e-5, 12.34565, -12.34565,  410,      287.5,
                           1e11,   -1e-9,    0.15,       123456.7, 16157 / 40.0,
                           0.125,  -0.125,   5.55555555, 1e13,     1.0 / 3};
  for (double v : values)
    for (int d = 0; d <= 5; ++d)
      for (int w : {d, 10, 11})
        EXPECT_EQ(FastFixed(w, d, v), astro::FormatFixed(w, d, v))
            << v << " " << w << " " << d;
  // A sweep through plot coordinates at both divisors.
  for (int k = -20000; k <= 20000; k += 7) {
    EXPECT_EQ(FastFixed(10, 4, k / 40.0), astro::FormatFixed(10, 4, k / 40.0));
    EXPECT_EQ(FastFixed(11, 5, k / 1000.0),
              astro::FormatFixed(11, 5, k / 1000.0));
  }
}

}  // namespace
}  // namespace lumtar::output
