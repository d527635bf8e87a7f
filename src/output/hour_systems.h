#pragma once

#include "astro/sun_position.h"

namespace lumtar::output {

// Numeric helpers that several dial families share. Degrees everywhere;
// azimuth 0 south, west positive; longitudes west positive.

struct Rotated {
  double u;
  double v;
  double w;
};

// Spherical rotation of (a, b) by c:
//   u = asin(sin c cos a - cos c sin a cos b)  (+-90 when |arg| >= 1)
//   v = atan2(sin a sin b, cos c cos a + sin a sin c cos b)
//   w = atan2(cos c sin b, sin c sin a + cos c cos a cos b)
// Turns geographic positions into the frame of a dial.
Rotated SphericalRotate(double a, double b, double c);

// Half the day arc H0 = acos(-tan(latitude) tan(declination)) in degrees:
// 90 when the product is below 1e-12 in magnitude, 0 for polar night and
// 180 for midnight sun.
double SemiDiurnalArc(double latitude, double declination);

// Sun direction at temporal (unequal) hour n, 0 sunrise, 6 noon, 12 sunset:
// hour angle (n - 6) H0 / 6.
astro::AltAz TemporalHourAltAz(double n, double latitude, double declination);

// The same for day-of-year `day` of `year`: declination at local apparent
// noon, position at local apparent time 12 - (6 - n) H0 / 90 hours.
astro::AltAz TemporalHourSunPosition(int year, int day, double longitude,
                                     double latitude, double n);

// Sun direction at Babylonian hour n (`babylonian`, counted from sunrise:
// t = |12 - r| - (24 - n)) or Italian hour n (counted from sunset:
// t = n - |r - 12|), r = H0 / 15 hours; t is local apparent time.
astro::AltAz HourSystemSunPosition(int year, int day, bool babylonian,
                                   double longitude, double latitude, double n);

// The ordinate at abscissa x of the line through (x1, y1) and (x2, y2), y1
// when |x2 - x1| <= 1e-5. The second point becomes (x, result).
double Interpolate(double x1, double y1, double& x2, double& y2, double x);

}  // namespace lumtar::output
