#pragma once

#include <array>
#include <string>
#include <vector>

namespace lumtar::astro {

// Declination and equation of time of the sun at day count `x` of `year`
// (x = 1.0 is 12 h UT of 1 January; Julian calendar before 15 Oct 1582).
// Low-precision solar theory: mean anomaly, equation of centre, nutation in
// longitude, aberration, apparent obliquity; intermediate values in extended
// precision. Valid for 1300..2500. Pure function; allocates nothing.
struct SolarState {
  double declination_deg;  // north positive
  double eot_deg;          // apparent minus mean solar time, in [-180, 180]
  double cos_obliquity;    // of the apparent obliquity of this instant
  double sin_obliquity;
};
SolarState SolarEphemeris(int year, double x);

// Declinations of the zodiac date lines of `year` (mean obliquity at day 80).
struct ZodiacTable {
  double obliquity_deg;          // mean obliquity
  double obliquity_display_deg;  // rounded to 0.01 (ties to even)
  // table37[i]: declination at solar longitude 90 + 5 i degrees, i = 0..36;
  // table37[18] (longitude 180) is exactly 0.
  std::array<double, 37> table37;
  // The seven sign boundaries, increasing from -obliquity to +obliquity:
  // longitudes 270, 240, 210, 180, 150, 120, 90 (entries 1..7 of the
  // settings, here 0-based).
  std::array<double, 7> zodiac7;
};
ZodiacTable ZodiacDeclinations(int year);

// One row of the equation-of-time-by-longitude table.
struct tZeitgl {
  double longitude_deg;         // true longitude L of the sun
  double declination_deg;       // rounded to 0.001
  int eot_seconds;              // rounded equation of time (series)
  int symmetric_correction;     // +-half the difference to the partner row
  int symmetric_error;          // |EoT1 + EoT2| / 2, the approximation's error
  std::string comparison_text;  // Kepler solution, seconds, width 7, 1 decimal
  std::string eot_text;         // series value, seconds, width 7, 1 decimal
  std::string eot_min_sec;      // series value as m:ss
};

// Rows 0..n for n equal steps of true longitude (1 <= n <= 360; other n are
// brought into that range). Row i and its partner (longitude 180 - L) have
// the same declination.
std::vector<tZeitgl> EotByLongitudeTable(int n, int year);

}  // namespace lumtar::astro
