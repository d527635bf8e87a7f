#include "astro/solar_ephemeris.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/format.h"
#include "astro/pascal_math.h"

namespace lumtar::astro {
namespace {

long double SinL(long double deg) { return std::sin(deg * kRadPerDegL); }
long double CosL(long double deg) { return std::cos(deg * kRadPerDegL); }
long double AtanDegL(long double v) { return std::atan(v) / kRadPerDegL; }

}  // namespace

SolarState SolarEphemeris(int year, double x) {
  // Julian centuries since J2000.0 of the instant.
  const long double t = (static_cast<long double>(JulianDayNumber(1, 1, year)) +
                         x - 1 - 2451545.0L) /
                        36525.0L;

  // Mean anomaly: the integer-rate part is reduced first to keep precision.
  long double m = ReduceDegrees(35999.0L * t);
  m = ReduceDegrees(m + 357.5291L +
                    t * (0.0503L - t * (1.559e-4L + 4.8e-7L * t)));

  // Longitude of the ascending node of the moon's orbit.
  const long double omega = 125.04452L - 1934.136261L * t + 0.0020708L * t * t;

  // Apparent obliquity.
  const long double eps =
      23.43929111L - 0.013004167L * t + 0.00256L * CosL(omega);

  // Mean longitude, again with the integer rate reduced first.
  long double l0 = ReduceDegrees(36000.0L * t);
  l0 = ReduceDegrees(l0 + 280.4664567L + t * (0.76982772L + 3.032e-4L * t));

  // Equation of centre.
  const long double ceq = SinL(m) * (1.9146L - t * (0.004817L + 1.4e-5L * t)) +
                          SinL(2 * m) * (0.019993L - 1.01e-4L * t) +
                          2.9e-4L * SinL(3 * m);

  // Apparent longitude (aberration and nutation).
  const long double lambda = l0 + ceq - 0.00569L - 0.00478L * SinL(omega);

  // Declination.
  const long double s = SinL(lambda) * SinL(eps);
  const long double decl = AtanDegL(s / std::sqrt(1 - s * s));

  // Right ascension, in the half-circle of the longitude.
  long double alpha = AtanDegL(CosL(eps) * SinL(lambda) / CosL(lambda));
  if (alpha < 0) alpha += 180;
  if (s < 0) alpha += 180;

  // Nutation in longitude, then the equation of time.
  const long double dpsi =
      -0.00477778L * SinL(omega) - 3.6667e-4L * SinL(2 * l0);
  long double e = dpsi * CosL(eps) + (l0 - 0.0057183L - alpha);
  // Near the March equinox L0 and alpha lie on opposite sides of 0/360 and
  // the raw difference is about 358 degrees; this wrap brings it back.
  for (int k = 0; k < 8 && e > 180; ++k) e -= 360;
  for (int k = 0; k < 8 && e < -180; ++k) e += 360;

  return {static_cast<double>(decl), static_cast<double>(e),
          static_cast<double>(CosL(eps)), static_cast<double>(SinL(eps))};
}

ZodiacTable ZodiacDeclinations(int year) {
  // Day 80 of the year, near the March equinox.
  const long double t = (static_cast<long double>(JulianDayNumber(1, 1, year)) +
                         80 - 1 - 2451545.0L) /
                        36525.0L;
  ZodiacTable z{};
  const long double eps = 23.43929111L - 0.013004167L * t;
  z.obliquity_deg = static_cast<double>(eps);
  z.obliquity_display_deg = RoundHalfEven(static_cast<double>(eps * 100)) / 100;
  for (int i = 0; i < 37; ++i) {
    const double s = std::sin(static_cast<double>(eps) * kRadPerDeg) *
                     std::sin((90.0 + 5.0 * i) * kRadPerDeg);
    z.table37[i] = std::asin(std::clamp(s, -1.0, 1.0)) * kDegPerRad;
  }
  z.table37[18] = 0.0;
  for (int k = 0; k < 7; ++k) z.zodiac7[k] = z.table37[36 - 6 * k];
  return z;
}

namespace {

// Coefficients of the equation of time as a series in the true longitude L,
// in seconds of time.
struct EotSeries {
  double b1, b2, b4, a1, a2;
  double Value(double l) const {
    return b1 * SinDeg(l) + b2 * SinDeg(2 * l) + b4 * SinDeg(4 * l) +
           a1 * CosDeg(l) + a2 * CosDeg(2 * l);
  }
};

double WrapHalfCircle(double a) {
  if (!std::isfinite(a)) return a;
  a = std::fmod(a, 360.0);
  if (a > 180) a -= 360;
  if (a < -180) a += 360;
  return a;
}

}  // namespace

std::vector<tZeitgl> EotByLongitudeTable(int n, int year) {
  n = std::clamp(n, 1, 360);
  const double y = year - 2000;
  const double perihelion = 102.937348 + 0.0171946 * y;
  const double eps = 23.43929 - 1.3e-4 * y;
  const double ecc = 0.016708634 - 4.2036e-7 * y;

  const double k = 43200.0 / static_cast<double>(kPiL);
  const double tq = TanDeg(eps / 2);
  const EotSeries series{
      2 * ecc * CosDeg(perihelion) * k,
      (0.75 * ecc * ecc * CosDeg(2 * perihelion) + tq * tq) * k,
      -0.5 * tq * tq * tq * tq * k,
      -2 * ecc * SinDeg(perihelion) * k,
      -0.75 * ecc * ecc * SinDeg(2 * perihelion) * k,
  };

  std::vector<tZeitgl> rows(n + 1);
  for (int i = 0; i <= n; ++i) {
    tZeitgl& r = rows[i];
    const double l = 360.0 / n * i;
    r.longitude_deg = l;
    r.declination_deg = RoundHalfEven(std::asin(std::clamp(
                                          SinDeg(l) * SinDeg(eps), -1.0, 1.0)) *
                                      kDegPerRad * 1000) /
                        1000;
    const double eot1 = series.Value(l);
    r.eot_text = FormatFixed(7, 1, RoundHalfEven(eot1 * 10) / 10);
    r.eot_seconds = static_cast<int>(RoundHalfEven(eot1));
    r.eot_min_sec = FormatSecondsMinSec(r.eot_seconds);

    // Comparison: Kepler's equation solved for the same true longitude.
    const double v = 180 - perihelion + l;
    const double ecc_anomaly =
        2 * std::atan(std::sqrt((1 - ecc) / (1 + ecc)) * TanDeg(v / 2)) *
        kDegPerRad;
    double alpha = std::atan(CosDeg(eps) * TanDeg(l)) * kDegPerRad;
    if (l <= 90) {
      if (alpha < 0) alpha = 360 - alpha;
    } else if (l <= 180) {
      if (alpha <= 0) alpha += 180;
    } else if (l <= 270) {
      if (alpha > 0) alpha += 180;
    } else {
      if (alpha <= 0) alpha += 360;
    }
    alpha = ReduceDegrees(alpha);
    const double mean_anomaly =
        ecc_anomaly - ecc * SinDeg(ecc_anomaly) * kDegPerRad;
    const double cmp =
        WrapHalfCircle(mean_anomaly - alpha - (180 - perihelion));
    r.comparison_text = FormatFixed(7, 1, RoundHalfEven(cmp * 240 * 10) / 10);

    // Symmetric partner: longitude 180 - L has the same declination.
    int partner = n / 2 - i;
    if (partner < 0) partner += n;
    const double eot2 = RoundHalfEven(series.Value(360.0 / n * partner));
    const int half =
        static_cast<int>(RoundHalfEven(std::fabs(eot1 - eot2) / 2));
    r.symmetric_correction = RoundHalfEven(eot1) > eot2 ? half : -half;
    r.symmetric_error =
        static_cast<int>(RoundHalfEven(std::fabs(eot1 + eot2) / 2));
  }
  return rows;
}

}  // namespace lumtar::astro
