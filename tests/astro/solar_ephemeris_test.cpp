#include "astro/solar_ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/pascal_math.h"

namespace lumtar::astro {
namespace {

struct EphemerisCase {
  int year;
  double x;
  double declination, eot, obliquity;
  double tol_dec, tol_eot;
  const char* why;
};
const EphemerisCase kEphemerisCases[] = {
    {2000, 1, -23.0325, -0.8251, 23.43782, 5e-5, 5e-5,
     "12 h UT 1 Jan 2000, T = 0: the documented example"},
    {1300, 1, -22.252, -2.1288, NAN, 5e-4, 5e-5,
     "1 Jan 1300 (Julian): the documented example"},
};

TEST(SolarEphemeris, DocumentedExamples) {
  for (const auto& c : kEphemerisCases) {
    const SolarState s = SolarEphemeris(c.year, c.x);
    EXPECT_NEAR(s.declination_deg, c.declination, c.tol_dec) << c.why;
    EXPECT_NEAR(s.eot_deg, c.eot, c.tol_eot) << c.why;
    if (!std::isnan(c.obliquity)) {
      EXPECT_NEAR(std::acos(s.cos_obliquity) * kDegPerRad, c.obliquity, 5e-6)
          << c.why;
    }
    EXPECT_NEAR(
        s.cos_obliquity * s.cos_obliquity + s.sin_obliquity * s.sin_obliquity,
        1, 1e-12);
  }
}

TEST(SolarEphemeris, EquationOfTimeStaysInItsBandOverAllYears) {
  // Every fifth day of every 25th year: E between about -3.9 and +4.2
  // degrees; the wrap near the March equinox must keep it there.
  double lo = 1e9, hi = -1e9;
  for (int year = 1300; year <= 2500; year += 25) {
    for (double x = 1; x <= 366; x += 5) {
      const SolarState s = SolarEphemeris(year, x);
      lo = std::min(lo, s.eot_deg);
      hi = std::max(hi, s.eot_deg);
      ASSERT_LE(std::fabs(s.declination_deg), 23.6) << year << " " << x;
    }
  }
  EXPECT_GT(lo, -4.0);
  EXPECT_LT(hi, 4.3);
  EXPECT_LT(lo, -3.4);  // the band is reached: mid-February lows
  EXPECT_GT(hi, 3.9);   // early-November highs
}

TEST(SolarEphemeris, ContinuousThroughTheEquinoxWrap) {
  // Near day 80 the raw difference of mean longitude and right ascension
  // is about 358 degrees; the wrapped E must change smoothly there (by
  // under 30 s of time per day).
  for (int year : {1300, 2020, 2500}) {
    double prev = SolarEphemeris(year, 70).eot_deg;
    for (double x = 70.25; x <= 90; x += 0.25) {
      const double e = SolarEphemeris(year, x).eot_deg;
      EXPECT_LT(std::fabs(e - prev), 0.03) << year << " " << x;
      prev = e;
    }
  }
}

TEST(ZodiacDeclinations, EndsAndEquinoxEntry) {
  const ZodiacTable z = ZodiacDeclinations(2020);
  EXPECT_NEAR(z.obliquity_deg, 23.4365, 1e-3);  // mean obliquity 2020
  EXPECT_EQ(z.obliquity_display_deg, 23.44);
  EXPECT_NEAR(z.table37[0], z.obliquity_deg, 1e-12);
  EXPECT_NEAR(z.table37[36], -z.obliquity_deg, 1e-12);
  EXPECT_EQ(z.table37[18], 0.0);
  EXPECT_EQ(z.zodiac7[0], z.table37[36]);
  EXPECT_EQ(z.zodiac7[3], 0.0);
  EXPECT_EQ(z.zodiac7[6], z.table37[0]);
  for (int k = 1; k < 7; ++k) EXPECT_GT(z.zodiac7[k], z.zodiac7[k - 1]);
  // 30 degrees of longitude after the solstice: asin(sin eps cos 30).
  EXPECT_NEAR(z.table37[6],
              std::asin(SinDeg(z.obliquity_deg) * CosDeg(30)) * kDegPerRad,
              1e-12);
}

TEST(EotByLongitudeTable, RowsPartnersAndAgreementWithKepler) {
  const auto rows = EotByLongitudeTable(360, 2020);
  ASSERT_EQ(rows.size(), 361u);
  EXPECT_EQ(rows[90].longitude_deg, 90);
  EXPECT_EQ(rows[90].symmetric_correction, 0);  // its own partner
  for (int i = 0; i <= 360; ++i) {
    const auto& r = rows[i];
    int partner = 180 - i;
    if (partner < 0) partner += 360;
    EXPECT_NEAR(r.declination_deg, rows[partner].declination_deg, 1e-9) << i;
    // The series and the Kepler solution agree to a few seconds.
    EXPECT_NEAR(std::stod(r.eot_text), std::stod(r.comparison_text), 15) << i;
    EXPECT_EQ(r.eot_text.size(), 7u);
  }
  // At the June solstice (L = 90) the equation of time is small and
  // negative; near L = 225 (early November) it is about +16 minutes.
  EXPECT_LT(std::abs(rows[90].eot_seconds), 120);
  EXPECT_GT(rows[225].eot_seconds, 15 * 60);
}

}  // namespace
}  // namespace lumtar::astro
