#include "astro/sunshine.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/format.h"
#include "astro/pascal_math.h"
#include "astro/sun_position.h"

namespace lumtar::astro {
namespace {

constexpr double kPhi = 47.25;
constexpr double kEps = 23.44;

// Hour angle of sunrise by hand: acos(-tan phi tan dec).
double RiseH(double dec) {
  return std::acos(-TanDeg(kPhi) * TanDeg(dec)) * kDegPerRad;
}

TEST(SunshineOfDay, PlanesAtTheEquinox) {
  struct {
    double inclination, declination;
    double start, end;
    const char* why;
  } const cases[] = {
      {90, 0, -90, 90, "south wall: 6 h to 18 h"},
      {90, -90, -90, 0, "east wall: sunrise to noon"},
      {90, 90, 0, 90, "west wall: noon to sunset"},
      {0, 0, -90, 90, "horizontal plane: sunrise to sunset"},
  };
  for (const auto& c : cases) {
    const SunshineIntervals s =
        SunshineOfDay(c.inclination, c.declination, kPhi, 0);
    ASSERT_EQ(s.count, 1) << c.why;
    EXPECT_NEAR(s.start[0], c.start, 1e-6) << c.why;
    EXPECT_NEAR(s.end[0], c.end, 1e-6) << c.why;
  }
  // The north wall gets no sun at the equinox (it is lit edge-on only).
  EXPECT_EQ(SunshineOfDay(90, 180, kPhi, 0).count, 0);
}

TEST(SunshineOfDay, NorthWallInSummerHasTwoPeriods) {
  // The sun is behind a north wall from cos H = tan dec / tan phi to
  // noon and after: lit from sunrise until then, and again until sunset.
  const SunshineIntervals s = SunshineOfDay(90, 180, kPhi, 20);
  ASSERT_EQ(s.count, 2);
  const double behind = std::acos(TanDeg(20) / TanDeg(kPhi)) * kDegPerRad;
  EXPECT_NEAR(s.start[0], -RiseH(20), 1e-6);
  EXPECT_NEAR(s.end[0], -behind, 1e-6);
  EXPECT_NEAR(s.start[1], behind, 1e-6);
  EXPECT_NEAR(s.end[1], RiseH(20), 1e-6);
}

TEST(SunshineOfDay, AgreesWithPointSamples) {
  // Any plane, any day: inside an interval the sun is above the horizon and
  // in front of the plane, outside it is not (away from the edges).
  const double planes[][2] = {
      {90, 37}, {60, -120}, {120, 10}, {30, 170}, {90, 180}};
  for (const auto& pl : planes) {
    for (double dec : {-23.0, -8.0, 0.0, 11.0, 23.0}) {
      const SunshineIntervals s = SunshineOfDay(pl[0], pl[1], kPhi, dec);
      for (double h = -179.5; h < 180; h += 1) {
        bool inside = false, near_edge = false;
        for (int k = 0; k < s.count; ++k) {
          inside |= h > s.start[k] && h < s.end[k];
          near_edge |= std::fabs(h - s.start[k]) < 0.01 ||
                       std::fabs(h - s.end[k]) < 0.01;
        }
        if (near_edge) continue;
        const AltAz p = AltAzFromHourAngle(kPhi, dec, h);
        const bool lit =
            p.altitude_deg > 0 && PlaneIncidence(p.altitude_deg, p.azimuth_deg,
                                                 90 - pl[0], pl[1]) > 0;
        EXPECT_EQ(inside, lit)
            << pl[0] << " " << pl[1] << " " << dec << " " << h;
      }
    }
  }
}

TEST(FirstLastLight, SouthWallAndHorizontalPlane) {
  // A south wall is lit from 6 h to 18 h in summer (the sun crosses the
  // east-west plane), never longer.
  FirstLastLightResult r = FirstLastLight(0, 90, 0, kPhi, kEps);
  EXPECT_NEAR(r.first, -90, 1e-6);
  EXPECT_NEAR(r.last, 90, 1e-6);
  EXPECT_FALSE(r.two_periods);
  EXPECT_EQ(r.text, "           6:00 -  18:00");

  // A horizontal plane: from the earliest sunrise to the latest sunset, at
  // the June solstice.
  r = FirstLastLight(0, 0, 0, kPhi, kEps);
  EXPECT_NEAR(r.first, -RiseH(kEps), 1e-6);
  EXPECT_NEAR(r.last, RiseH(kEps), 1e-6);
  EXPECT_EQ(r.declination_of_first, kEps);
}

TEST(FirstLastLight, EastWallAndOffset) {
  FirstLastLightResult r = FirstLastLight(0, 90, -90, kPhi, kEps);
  EXPECT_NEAR(r.first, -RiseH(kEps), 1e-6);
  EXPECT_NEAR(r.last, 0, 1e-6);
  // The offset (an hour angle) is added to both ends and to the texts.
  r = FirstLastLight(15, 90, -90, kPhi, kEps);
  EXPECT_NEAR(r.last, 15, 1e-6);
  EXPECT_EQ(r.text.substr(r.text.size() - 6), " 13:00");
}

TEST(FirstLastLight, NorthWallTextHasFourTimes) {
  const FirstLastLightResult r = FirstLastLight(0, 90, 180, kPhi, kEps);
  ASSERT_TRUE(r.two_periods);
  const double behind = std::acos(TanDeg(kEps) / TanDeg(kPhi)) * kDegPerRad;
  auto hm = [](double h) { return FormatEotMinSec((h / 15 + 12) / 4); };
  EXPECT_EQ(r.text, "         " + hm(-RiseH(kEps)) + " - " + hm(-behind) +
                        "; " + hm(behind) + " - " + hm(RiseH(kEps)));
}

TEST(FirstLastLight, PlaneFacingStraightDownIsNeverLit) {
  const FirstLastLightResult r = FirstLastLight(0, 180, 0, kPhi, kEps);
  EXPECT_EQ(r.first, 180);
  EXPECT_EQ(r.last, -180);
  EXPECT_FALSE(r.two_periods);
}

}  // namespace
}  // namespace lumtar::astro
