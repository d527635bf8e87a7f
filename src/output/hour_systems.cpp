#include "output/hour_systems.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumtar::output {
namespace {

constexpr double kRad = std::numbers::pi / 180;

double SinD(double x) { return std::sin(x * kRad); }
double CosD(double x) { return std::cos(x * kRad); }

// Local apparent time: the site's own meridian as zone, no equation of
// time.
astro::SunPlace ApparentSun(int year, int day, double t, double latitude,
                            double longitude) {
  return astro::SunPosition(year, day, t, latitude, longitude, longitude,
                            false);
}

}  // namespace

Rotated SphericalRotate(double a, double b, double c) {
  const double s = SinD(c) * CosD(a) - CosD(c) * SinD(a) * CosD(b);
  const double u =
      std::fabs(s) >= 1 ? std::copysign(90.0, s) : std::asin(s) / kRad;
  const double v = astro::Atan2Deg(
      SinD(a) * SinD(b), CosD(c) * CosD(a) + SinD(a) * SinD(c) * CosD(b));
  const double w = astro::Atan2Deg(
      CosD(c) * SinD(b), SinD(c) * SinD(a) + CosD(c) * CosD(a) * CosD(b));
  return {u, v, w};
}

double SemiDiurnalArc(double latitude, double declination) {
  const double d = -std::tan(latitude * kRad) * std::tan(declination * kRad);
  if (std::isnan(d)) return 90;
  if (std::fabs(d) < 1e-12) return 90;
  return std::acos(std::clamp(d, -1.0, 1.0)) / kRad;
}

astro::AltAz TemporalHourAltAz(double n, double latitude, double declination) {
  const double h0 = SemiDiurnalArc(latitude, declination);
  return astro::AltAzFromHourAngle(latitude, declination, (n - 6) * h0 / 6);
}

astro::AltAz TemporalHourSunPosition(int year, int day, double longitude,
                                     double latitude, double n) {
  const double dec =
      ApparentSun(year, day, 12, latitude, longitude).declination_deg;
  const double h0 = SemiDiurnalArc(latitude, dec);
  const astro::SunPlace p =
      ApparentSun(year, day, 12 - (6 - n) * h0 / 90, latitude, longitude);
  return {p.altitude_deg, p.azimuth_deg};
}

astro::AltAz HourSystemSunPosition(int year, int day, bool babylonian,
                                   double longitude, double latitude,
                                   double n) {
  const double dec =
      ApparentSun(year, day, 12, latitude, longitude).declination_deg;
  const double r = SemiDiurnalArc(latitude, dec) / 15;
  const double t =
      babylonian ? std::fabs(12 - r) - (24 - n) : n - std::fabs(r - 12);
  const astro::SunPlace p = ApparentSun(year, day, t, latitude, longitude);
  return {p.altitude_deg, p.azimuth_deg};
}

double Interpolate(double x1, double y1, double& x2, double& y2, double x) {
  const double y =
      std::fabs(x2 - x1) <= 1e-5 ? y1 : y1 + (y2 - y1) / (x2 - x1) * (x - x1);
  x2 = x;
  y2 = y;
  return y;
}

}  // namespace lumtar::output
