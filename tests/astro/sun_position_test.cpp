#include "astro/sun_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/pascal_math.h"
#include "astro/solar_ephemeris.h"
#include "platform/scripted_ui.h"

namespace lumtar::astro {
namespace {

using platform::Caption;
using platform::ScriptedUi;
using texts::Language;

TEST(AltAzFromHourAngle, MeridianHorizonAndMirror) {
  AltAz p = AltAzFromHourAngle(47.25, 0, 0);
  EXPECT_NEAR(p.altitude_deg, 42.75, 1e-9);
  EXPECT_EQ(p.azimuth_deg, 0);

  p = AltAzFromHourAngle(47.25, 0, 90);  // equinox, six hours after noon
  EXPECT_NEAR(p.altitude_deg, 0, 1e-8);
  EXPECT_NEAR(p.azimuth_deg, 90, 1e-6);

  for (double h : {10.0, 30.0, 75.0, 150.0}) {
    const AltAz pm = AltAzFromHourAngle(47.25, 15, h);
    const AltAz am = AltAzFromHourAngle(47.25, 15, -h);
    EXPECT_DOUBLE_EQ(am.azimuth_deg, -pm.azimuth_deg) << h;
    EXPECT_DOUBLE_EQ(am.altitude_deg, pm.altitude_deg) << h;
    EXPECT_GT(pm.azimuth_deg, 0) << "afternoon sun is west";
  }
  // Hour angles outside +-180 are brought back.
  EXPECT_DOUBLE_EQ(AltAzFromHourAngle(47.25, 15, 30 + 720).azimuth_deg,
                   AltAzFromHourAngle(47.25, 15, 30).azimuth_deg);
}

TEST(AltAzFromHourAngle, AgreesWithVectorRotation) {
  // Independent check: rotate the sun's equatorial unit vector into the
  // horizon frame (x south, y west, z up).
  for (double phi : {-60.0, -10.0, 0.0, 23.0, 47.25, 66.0}) {
    for (double dec : {-23.4, -5.0, 0.0, 12.0, 23.4}) {
      for (double h = -170; h <= 170; h += 17) {
        const double x =
            SinDeg(phi) * CosDeg(dec) * CosDeg(h) - CosDeg(phi) * SinDeg(dec);
        const double y = CosDeg(dec) * SinDeg(h);
        const double z =
            SinDeg(phi) * SinDeg(dec) + CosDeg(phi) * CosDeg(dec) * CosDeg(h);
        const AltAz p = AltAzFromHourAngle(phi, dec, h);
        EXPECT_NEAR(p.altitude_deg, std::asin(z) * kDegPerRad, 1e-7);
        if (z < 0.999) {
          EXPECT_NEAR(p.azimuth_deg, std::atan2(y, x) * kDegPerRad, 1e-5)
              << phi << " " << dec << " " << h;
        }
      }
    }
  }
}

TEST(AltAzFromHourAngle, TropicsAndPolesStayFinite) {
  // Sun north of the zenith at noon: azimuth north.
  EXPECT_EQ(AltAzFromHourAngle(10, 20, 0).azimuth_deg, 180);
  for (double phi : {90.0, -90.0})
    for (double dec : {90.0, -90.0, 0.0, 23.0})
      for (double h : {0.0, 45.0, -120.0, 180.0}) {
        const AltAz p = AltAzFromHourAngle(phi, dec, h);
        EXPECT_TRUE(std::isfinite(p.altitude_deg) &&
                    std::isfinite(p.azimuth_deg))
            << phi << " " << dec << " " << h;
      }
  EXPECT_NEAR(AltAzFromHourAngle(90, 23, 45).altitude_deg, 23, 1e-6);
}

TEST(SunPosition, ClockKindsAndNoonEphemeris) {
  const int d = DayOfYear(2020, 6, 21);
  // Zone time: apparent noon falls at 12 + (lambda - lambda_z)/15 - E/15.
  const SunPlace z = SunPosition(2020, d, 12, 47.25, -9.59, -15, true);
  const double noon = 12 + (-9.59 + 15) / 15 - z.eot_deg / 15;
  const SunPlace at_noon = SunPosition(2020, d, noon, 47.25, -9.59, -15, true);
  EXPECT_NEAR(at_noon.hour_angle_deg, 0, 0.005);  // E drifts ~1 s in 40 min
  EXPECT_NEAR(at_noon.altitude_deg, 90 - 47.25 + at_noon.declination_deg, 1e-6);
  // Local apparent time: noon is 12:00 whatever the longitude.
  const SunPlace lat = SunPosition(2020, d, 12, 47.25, -15, -15, false);
  EXPECT_EQ(lat.hour_angle_deg, 0);
  EXPECT_EQ(lat.azimuth_deg, 0);
  // The noon ephemeris takes declination and E of 12 h zone time.
  const SunPlace a =
      SunPositionNoonEphemeris(2020, d, 7, 47.25, -9.59, -15, true);
  const SunPlace b = SunPosition(2020, d, 12, 47.25, -9.59, -15, true);
  EXPECT_DOUBLE_EQ(a.declination_deg, b.declination_deg);
  EXPECT_DOUBLE_EQ(a.eot_deg, b.eot_deg);
  // AltAzFromClock uses the given declination without E.
  const AltAz c = AltAzFromClock(14, 47.25, -9.59, -15, 10);
  const AltAz r = AltAzFromHourAngle(47.25, 10, 30 - 5.41);
  EXPECT_NEAR(c.azimuth_deg, r.azimuth_deg, 1e-9);
}

TEST(SunPositionForClock, KindsAgreeAtTheSameInstant) {
  // 14:00 zone time at 9.59 E is 13:38:22 local mean time and that plus E
  // local apparent time: all three name one instant and one position.
  const int d = DayOfYear(2021, 9, 1);
  const SunPlace z =
      SunPositionForClock(TimeKind::kZone, 2021, d, 14, 47.25, -9.59, -15);
  const double lmt = LocalMeanTime(14, -9.59, -15);
  const SunPlace m = SunPositionForClock(TimeKind::kLocalMean, 2021, d, lmt,
                                         47.25, -9.59, -15);
  const SunPlace a =
      SunPositionForClock(TimeKind::kLocalApparent, 2021, d,
                          LocalApparentTime(lmt, z.eot_deg), 47.25, -9.59, -15);
  EXPECT_NEAR(m.azimuth_deg, z.azimuth_deg, 0.01);  // E differs by seconds
  EXPECT_NEAR(a.azimuth_deg, z.azimuth_deg, 0.01);
  EXPECT_NEAR(a.hour_angle_deg, z.hour_angle_deg, 0.005);
  const SunPlace za =
      SunPositionForClock(TimeKind::kZoneApparent, 2021, d,
                          ZoneApparentTime(14, z.eot_deg), 47.25, -9.59, -15);
  EXPECT_NEAR(za.hour_angle_deg, z.hour_angle_deg, 0.005);
}

const Site kFeldkirch{47.25, -9.59, -15};

TEST(TimeForAzimuth, SouthIsTheMeridianTransit) {
  ScriptedUi ui;
  const AzimuthTime t =
      TimeForAzimuth(kFeldkirch, 21, 6, 2020, 0, ui, Language::kEnglish);
  ASSERT_TRUE(t.found);
  const int d = DayOfYear(2020, 6, 21);
  const SunPlace p = SunPosition(2020, d, t.zone_time, 47.25, -9.59, -15, true);
  EXPECT_NEAR(p.hour_angle_deg, 0, 0.01);
  EXPECT_NEAR(t.altitude_deg, 90 - 47.25 + 23.44, 0.01);
  EXPECT_EQ(t.text.substr(t.text.size() - 10), "  hh:mm:ss");
  // Mean noon at 9.59 E is 12:21:38 zone time; the almanac equation of time
  // of 21 June (-1 min 46 s) puts the transit near 12:23:24.
  EXPECT_EQ(t.text.substr(0, 6), " 12:23");
  EXPECT_TRUE(ui.shown.empty());
}

TEST(TimeForAzimuth, EastAndWestAzimuthsAreMet) {
  struct {
    Site site;
    int day, month;
    double azimuth;
    const char* why;
  } const cases[] = {
      {kFeldkirch, 21, 6, -90, "due east in summer"},
      {kFeldkirch, 21, 12, 45, "south-west in winter"},
      {kFeldkirch, 1, 3, -150, "before sunrise: the bracket still holds it"},
      // A Coruna in February: apparent noon about 13:48 zone time, so east
      // azimuths near south come after 13:30.
      {{43.37, 8.4, -15}, 11, 2, -10, "far west in its zone, in winter"},
      {{43.37, 8.4, -15}, 11, 2, -1, "just east of south after 13:30"},
      {{-33.9, -18.4, -30}, 21, 12, 100, "southern hemisphere, west-north"},
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    const AzimuthTime t = TimeForAzimuth(c.site, c.day, c.month, 2020,
                                         c.azimuth, ui, Language::kEnglish);
    ASSERT_TRUE(t.found) << c.why;
    const int d = DayOfYear(2020, c.month, c.day);
    const SunPlace p =
        SunPosition(2020, d, t.zone_time, c.site.latitude, c.site.longitude,
                    c.site.zone_meridian, true);
    EXPECT_NEAR(p.azimuth_deg, c.azimuth, 0.01) << c.why;
    EXPECT_NEAR(t.altitude_deg, p.altitude_deg, 1e-9) << c.why;
    EXPECT_TRUE(ui.shown.empty()) << c.why << ": " << ui.shown[0].text;
  }
}

TEST(TimeForAzimuth, TropicsWarnThatNoSolutionMayExist) {
  ScriptedUi ui;
  TimeForAzimuth({10, -20, -15}, 21, 6, 2020, -60, ui, Language::kEnglish);
  ASSERT_FALSE(ui.shown.empty());
  bool warned = false;
  for (const auto& m : ui.shown)
    warned |= m.caption == Caption::kWarning &&
              m.text.rfind("There does not always exist a solution", 0) == 0;
  EXPECT_TRUE(warned);
}

TEST(RiseHourAngle, EquinoxPolarNightAndMidnightSun) {
  EXPECT_NEAR(RiseHourAngle(0, 47.25).hour_angle_deg, 90, 1e-9);
  // acos(-tan(47.25) tan(23.44)) by hand: 118.0 degrees.
  EXPECT_NEAR(RiseHourAngle(23.44, 47.25).hour_angle_deg,
              std::acos(-TanDeg(47.25) * TanDeg(23.44)) * kDegPerRad, 1e-9);

  ScriptedUi ui;
  const RiseHour midnight_sun = RiseHourAngle(23, 70, &ui, Language::kEnglish);
  EXPECT_EQ(midnight_sun.hour_angle_deg, 180);
  EXPECT_TRUE(midnight_sun.never_sets);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kWarning);
  EXPECT_EQ(ui.shown[0].text, "On some days no sun rise/set!");

  ScriptedUi quiet;
  const RiseHour polar_night =
      RiseHourAngle(-23, 70, &quiet, Language::kEnglish);
  EXPECT_EQ(polar_night.hour_angle_deg, 0);
  EXPECT_FALSE(polar_night.never_sets);
  EXPECT_TRUE(quiet.shown.empty());
  EXPECT_TRUE(std::isfinite(RiseHourAngle(0, 90).hour_angle_deg));
}

TEST(GeometricRiseSet, SymmetricAboutApparentNoon) {
  const int d = DayOfYear(2020, 6, 21);
  const GeometricDay g = GeometricRiseSet(2020, d, -15, 47.25);
  const double h0 =
      std::acos(-TanDeg(47.25) * TanDeg(g.declination_deg)) * kDegPerRad;
  EXPECT_NEAR(g.rising_time, 12 - h0 / 15, 1e-9);
  EXPECT_NEAR(g.setting_time, 12 + h0 / 15, 1e-9);
  EXPECT_NEAR(g.rising_azimuth_deg, -g.setting_azimuth_deg, 1e-9);
  EXPECT_LT(g.rising_azimuth_deg, -90);  // north of east in June
}

TEST(Atan2Deg, Axes) {
  EXPECT_EQ(Atan2Deg(0, -1), 180);
  EXPECT_EQ(Atan2Deg(1, 0), 90);
  EXPECT_EQ(Atan2Deg(-1, 0), -90);
  EXPECT_EQ(Atan2Deg(0, 1), 0);
  EXPECT_NEAR(Atan2Deg(-1, -1), -135, 1e-12);
  EXPECT_NEAR(Atan2Deg(1, -1), 135, 1e-12);
}

TEST(PolarStyleGeometry, HorizontalAndVerticalPlanes) {
  // Horizontal dial: style height = latitude, no offsets.
  PolarStyle s = PolarStyleGeometry(0, 0, 47.25);
  EXPECT_NEAR(s.style_height_deg, 47.25, 1e-9);
  EXPECT_NEAR(s.u_deg, 0, 1e-9);
  // South wall: the style points down at the co-latitude.
  s = PolarStyleGeometry(90, 0, 47.25);
  EXPECT_NEAR(s.style_height_deg, -(90 - 47.25), 1e-9);
  // Declining vertical wall: tan u = tan D / sin phi, tan v = sin D / tan phi.
  s = PolarStyleGeometry(90, 30, 47.25);
  EXPECT_NEAR(TanDeg(s.u_deg), TanDeg(30) / SinDeg(47.25), 1e-9);
  EXPECT_NEAR(TanDeg(s.v_deg), SinDeg(30) / TanDeg(47.25), 1e-9);
}

TEST(PlaneIncidence, SunOnTheNormalAndBehind) {
  EXPECT_NEAR(PlaneIncidence(30, 40, 30, 40), 1, 1e-12);
  EXPECT_NEAR(PlaneIncidence(0, 90, 0, -90), -1, 1e-12);
  EXPECT_NEAR(PlaneIncidence(90, 0, 0, 0), 0, 1e-12);
  // South wall (normal altitude 0, azimuth 0): lit at noon, not at 19 h in
  // June when the sun is north of west.
  EXPECT_TRUE(SunOnPlane(12, 23.4, 47.25, 0, 0));
  EXPECT_FALSE(SunOnPlane(19, 23.4, 47.25, 0, 0));
}

}  // namespace
}  // namespace lumtar::astro
