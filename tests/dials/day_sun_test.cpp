// The interpolated sun of a day against the ephemeris at every instant.
#include "dials/day_sun.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumtar::dials {
namespace {

TEST(DaySun, FollowsTheEphemerisWithinATenThousandthOfASecondOfArc) {
  // The claim of the header: declination and equation of time within 1e-5
  // degrees of astro::SunPosition, for clock times a little beyond the day
  // as the time shift of an inclined plane asks; altitude and azimuth then
  // agree as closely.
  double worst = 0;
  for (int year : {1400, 2020, 2480}) {
    for (double zone : {-15.0, 0.0, 120.0}) {
      for (int day = 1; day <= 366; day += 5) {
        const DaySun sun(year, day, zone);
        for (double t = -3; t <= 27; t += 0.75) {
          for (bool eot : {false, true}) {
            const astro::SunPlace a = sun.At(t, 47.25, -9.59, eot);
            const astro::SunPlace b =
                astro::SunPosition(year, day, t, 47.25, -9.59, zone, eot);
            worst = std::max({worst,
                              std::fabs(a.declination_deg - b.declination_deg),
                              std::fabs(a.eot_deg - b.eot_deg)});
            EXPECT_NEAR(a.altitude_deg, b.altitude_deg, 2e-5);
            EXPECT_NEAR(a.azimuth_deg, b.azimuth_deg, 2e-5);
          }
        }
      }
    }
  }
  EXPECT_LT(worst, 1e-5);
}

}  // namespace
}  // namespace lumtar::dials
