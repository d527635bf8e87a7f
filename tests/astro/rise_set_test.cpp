#include "astro/rise_set.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"

namespace lumtar::astro {
namespace {

using texts::Language;

TEST(Parabola3, RootsAndExtremum) {
  // y = x^2 - 0.25 through x = -1, 0, 1: roots +-0.5, minimum at 0.
  Parabola p = Parabola3(0.75, -0.25, 0.75);
  EXPECT_EQ(p.roots, 2);
  EXPECT_DOUBLE_EQ(p.z1, -0.5);
  EXPECT_DOUBLE_EQ(p.z2, 0.5);
  EXPECT_DOUBLE_EQ(p.ye, -0.25);
  // y = x - 0.5 is a line (a = 0): no roots are reported.
  EXPECT_EQ(Parabola3(-1.5, -0.5, 0.5).roots, 0);
  // y = (x - 2)^2 - 1: roots 1 and 3; only x = 1 lies in [-1, 1], and z1
  // holds it.
  p = Parabola3(8, 3, 0);
  EXPECT_EQ(p.roots, 1);
  EXPECT_DOUBLE_EQ(p.z1, 1);
  // A root left of -1 is replaced by the other one.
  p = Parabola3(0, 3, 8);  // (x + 2)^2 - 1: roots -3, -1
  EXPECT_EQ(p.roots, 1);
  EXPECT_DOUBLE_EQ(p.z1, -1);
}

TEST(LocalSiderealTime, GreenwichAtJ2000) {
  // GMST at 2000 Jan 1, 12 h UT is 18.697374558 h (IAU 1982).
  EXPECT_NEAR(LocalSiderealTime(51544.5, 0), 18.697374558, 1e-6);
  // 15 degrees west is one hour earlier.
  EXPECT_NEAR(LocalSiderealTime(51544.5, 15), 17.697374558, 1e-6);
}

TEST(MiniSun, AgreesWithTheSolarEphemeris) {
  // The short series keeps the obliquity of J2000, so the comparison is
  // confined to years near it.
  for (int year : {1950, 2000, 2020, 2050}) {
    for (double x = 1; x < 366; x += 29) {
      const double jd = JulianDayNumber(1, 1, year) + x - 1;
      const RaDec s = MiniSun((jd - 2451545) / 36525);
      EXPECT_NEAR(s.dec_deg, SolarEphemeris(year, x).declination_deg, 0.02)
          << year << " " << x;
    }
  }
}

DayRiseSet Day(int d, int m, int y, double lat, double zone = -15,
               TwilightKind tw = TwilightKind::kCivil) {
  return RiseSetForDay(d, m, y, lat, -9.59, zone, tw, Language::kEnglish);
}

TEST(RiseSetForDay, SummerDayInCentralEurope) {
  // 25 June 2020: sun, civil twilight and moon all rise and set.
  const DayRiseSet d = Day(25, 6, 2020, 47.25);
  EXPECT_TRUE(d.sun.rise_found && d.sun.set_found);
  EXPECT_TRUE(d.twilight.rise_found && d.twilight.set_found);
  EXPECT_TRUE(d.moon.rise_found && d.moon.set_found);
  EXPECT_FALSE(d.incomplete);
  // PyEphem (centre at -50', no refraction model): 4:26:45 and 20:21:56
  // zone time.
  EXPECT_NEAR(d.sun.rising, 4 + 26.75 / 60, 2 / 60.0);
  EXPECT_NEAR(d.sun.setting, 20 + 21.93 / 60, 2 / 60.0);
  EXPECT_LT(d.twilight.rising, d.sun.rising);
  EXPECT_GT(d.twilight.setting, d.sun.setting);
  EXPECT_EQ(d.sun.rising_text.size(), 6u);
  EXPECT_EQ(d.sun.fragment, d.sun.rising_text + d.sun.setting_text + " ");
  // Twilight rows put the evening end first.
  EXPECT_EQ(d.twilight.fragment,
            d.twilight.setting_text + d.twilight.rising_text + " ");
}

TEST(RiseSetForDay, PolarAndWhiteNights) {
  DayRiseSet d = Day(21, 6, 2020, 55, -15, TwilightKind::kAstronomical);
  EXPECT_EQ(d.twilight.rising_text, "always bright ");
  EXPECT_EQ(d.twilight.fragment, "always bright ");
  EXPECT_TRUE(d.incomplete);

  d = Day(21, 12, 2020, 70);
  EXPECT_EQ(d.sun.rising_text, " not visible  ");
  EXPECT_EQ(d.sun.setting_text, " not visible  ");
  EXPECT_TRUE(d.twilight.rise_found);  // civil twilight at noon

  d = Day(21, 6, 2020, 70);
  EXPECT_EQ(d.sun.rising_text, " always seen  ");

  d = RiseSetForDay(21, 12, 2020, 80, -9.59, -15, TwilightKind::kCivil,
                    Language::kGerman);
  EXPECT_EQ(d.sun.rising_text, " nie sichtbar ");
  EXPECT_EQ(d.twilight.rising_text, " immer dunkel ");
}

TEST(RiseSetForDay, MoonRiseWithoutSetShowsDashes) {
  // About once a month the moon rises but does not set on the same day.
  int one_sided = 0;
  for (int day = 1; day <= 31; ++day) {
    const RiseSetResult m = Day(day, 7, 2020, 47.25).moon;
    if (m.rise_found != m.set_found) {
      ++one_sided;
      EXPECT_EQ(m.rise_found ? m.setting_text : m.rising_text, " -----");
      EXPECT_TRUE(m.incomplete);
    }
  }
  EXPECT_GT(one_sided, 0);
}

TEST(RiseSetForDay, ZoneTimesShiftWithTheZoneMeridian) {
  const DayRiseSet a = Day(15, 3, 2021, 47.25, -15);
  const DayRiseSet b = Day(15, 3, 2021, 47.25, -30);  // one hour east
  // The two-hour samples fall at other instants, so the interpolated
  // times may differ by some seconds.
  EXPECT_NEAR(b.sun.rising - a.sun.rising, 1, 1 / 60.0);
  EXPECT_NEAR(b.sun.setting - a.sun.setting, 1, 1 / 60.0);
  EXPECT_NEAR(b.twilight.rising - a.twilight.rising, 1, 1 / 60.0);
  EXPECT_NEAR(b.moon.rising - a.moon.rising, 1, 1 / 60.0);
}

TEST(RiseSetForDay, TwilightKindChangesOnlyTwilight) {
  const DayRiseSet civil = Day(1, 4, 2022, 47.25, -15, TwilightKind::kCivil);
  const DayRiseSet naut = Day(1, 4, 2022, 47.25, -15, TwilightKind::kNautical);
  EXPECT_EQ(civil.sun.fragment, naut.sun.fragment);
  EXPECT_EQ(civil.moon.fragment, naut.moon.fragment);
  EXPECT_LT(naut.twilight.rising, civil.twilight.rising);
  EXPECT_GT(naut.twilight.setting, civil.twilight.setting);
}

}  // namespace
}  // namespace lumtar::astro
