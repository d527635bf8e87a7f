#include "astro/rise_set.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/format.h"
#include "astro/pascal_math.h"
#include "astro/time_scales.h"
#include "texts/pair_texts.h"

namespace lumtar::astro {
namespace {

constexpr double kP2 = 6.283185307;

// Fractional part in [0, 1).
double Frac01(double x) {
  double f = x - std::trunc(x);
  if (f < 0) f += 1;
  return f;
}

// Declination (degrees) and right ascension (hours) of a unit vector whose
// ecliptic-to-equatorial rotation has been applied.
RaDec FromEquatorial(double x, double y, double z) {
  const double rho = std::sqrt(1 - z * z);
  RaDec r;
  r.dec_deg = 57.29577951471995 * std::atan(z / rho);
  r.ra_hours = 7.639437268629327 * std::atan(y / (x + rho));
  if (r.ra_hours < 0) r.ra_hours += 24;
  return r;
}

}  // namespace

RaDec MiniSun(double t) {
  const double m = kP2 * Frac01(0.993133 + 99.997351 * t);
  const double dl = 6893 * std::sin(m) + 72 * std::sin(2 * m);
  const double l =
      kP2 * Frac01(0.7859453 + m / kP2 + (6191.2 * t + dl) / 1296000);
  const double sl = std::sin(l);
  return FromEquatorial(std::cos(l), 0.91748 * sl, 0.39778 * sl);
}

RaDec MiniMoon(double t) {
  const double l0 = Frac01(0.606433 + 1336.855225 * t);
  const double l = kP2 * Frac01(0.374897 + 1325.55241 * t);
  const double ls = kP2 * Frac01(0.993133 + 99.997361 * t);
  const double d = kP2 * Frac01(0.827361 + 1236.853086 * t);
  const double f = kP2 * Frac01(0.259086 + 1342.227825 * t);
  using std::sin;
  const double dl = 22640 * sin(l) - 4586 * sin(l - 2 * d) + 2370 * sin(2 * d) +
                    769 * sin(2 * l) - 668 * sin(ls) - 412 * sin(2 * f) -
                    212 * sin(2 * l - 2 * d) - 206 * sin(l + ls - 2 * d) +
                    192 * sin(l + 2 * d) - 165 * sin(ls - 2 * d) -
                    125 * sin(d) - 110 * sin(l + ls) + 148 * sin(l - ls) -
                    55 * sin(2 * f - 2 * d);
  const double s = f + (dl + 412 * sin(2 * f) + 541 * sin(ls)) / 206264.8062;
  const double h = f - 2 * d;
  const double n = -526 * sin(h) + 44 * sin(l + h) - 31 * sin(h - l) -
                   23 * sin(ls + h) + 11 * sin(h - ls) - 25 * sin(f - 2 * l) +
                   21 * sin(f - l);
  const double l_moon = kP2 * Frac01(l0 + dl / 1296000);
  const double b_moon = (18520 * sin(s) + n) / 206264.8062;
  const double cb = std::cos(b_moon);
  const double x = cb * std::cos(l_moon);
  const double v = cb * std::sin(l_moon);
  const double w = std::sin(b_moon);
  return FromEquatorial(x, 0.91748 * v - 0.39778 * w,
                        0.39778 * v + 0.91748 * w);
}

double LocalSiderealTime(double mjd, double longitude) {
  const double mjd0 = std::trunc(mjd);
  const double ut = (mjd - mjd0) * 24;
  const double t = (mjd0 - 51544.5) / 36525;
  const double gmst = 6.697374558 + 1.0027379093 * ut +
                      (8640184.812866 + (0.093104 - 6.2e-6 * t) * t) * t / 3600;
  return 24 * Frac01((gmst - longitude / 15) / 24);
}

double SineAltitude(RiseObject object, double mjd0, double hour,
                    double longitude, double cos_lat, double sin_lat) {
  const double mjd = mjd0 + hour / 24;
  const double t = (mjd - 51544.5) / 36525;
  const RaDec p = object == RiseObject::kMoon ? MiniMoon(t) : MiniSun(t);
  const double tau = 15 * (LocalSiderealTime(mjd, longitude) - p.ra_hours);
  return sin_lat * SinDeg(p.dec_deg) +
         cos_lat * CosDeg(p.dec_deg) * CosDeg(tau);
}

Parabola Parabola3(double y_minus, double y0, double y_plus) {
  Parabola p{0, 0, 0, 0, 0};
  const double a = (y_plus + y_minus) / 2 - y0;
  if (a == 0) return p;
  const double b = (y_plus - y_minus) / 2;
  p.xe = -b / (2 * a);
  p.ye = (a * p.xe + b) * p.xe + y0;
  const double dis = b * b - 4 * a * y0;
  if (dis >= 0) {
    const double dx = std::sqrt(dis) / (2 * std::fabs(a));
    p.z1 = p.xe - dx;
    p.z2 = p.xe + dx;
    if (std::fabs(p.z1) <= 1) ++p.roots;
    if (std::fabs(p.z2) <= 1) ++p.roots;
    if (p.z1 < -1) p.z1 = p.z2;
  }
  return p;
}

RiseAltitudeSine RiseAltitudes(TwilightKind twilight) {
  static constexpr double kTwilightDeg[] = {-6, -12, -18};
  RiseAltitudeSine s{};
  s[1] = SinDeg(8.0 / 60);
  s[2] = SinDeg(-50.0 / 60);
  s[3] = SinDeg(kTwilightDeg[static_cast<int>(twilight)]);
  return s;
}

RiseSetResult RiseSetSearch(RiseObject object, double mjd0,
                            const RiseSetContext& c) {
  const double h0 = c.thresholds[static_cast<int>(object)];
  auto alt = [&](double hour) {
    return SineAltitude(object, mjd0, hour, c.longitude, c.cos_lat, c.sin_lat) -
           h0;
  };
  RiseSetResult r;
  double hour = 1;
  double y_minus = alt(hour - 1);
  r.above_at_start = y_minus > 0;
  // Twelve two-hour steps cover the day.
  do {
    const double y0 = alt(hour);
    const double y_plus = alt(hour + 1);
    const Parabola p = Parabola3(y_minus, y0, y_plus);
    if (p.roots == 1) {
      if (y_minus < 0) {
        r.rising = hour + p.z1;
        r.rise_found = true;
      } else {
        r.setting = hour + p.z1;
        r.set_found = true;
      }
    } else if (p.roots == 2) {
      if (p.ye < 0) {
        r.rising = hour + p.z2;
        r.setting = hour + p.z1;
      } else {
        r.rising = hour + p.z1;
        r.setting = hour + p.z2;
      }
      r.rise_found = r.set_found = true;
    }
    y_minus = y_plus;
    hour += 2;
  } while (!(hour >= 24.9999 || (r.rise_found && r.set_found)));

  const bool twilight = object == RiseObject::kTwilight;
  if (r.rise_found || r.set_found) {
    constexpr const char* kMissing = " -----";
    r.rising_text = r.rise_found ? FormatHoursMinutes(r.rising) : kMissing;
    r.setting_text = r.set_found ? FormatHoursMinutes(r.setting) : kMissing;
    r.incomplete = !(r.rise_found && r.set_found);
    r.fragment = twilight ? r.setting_text + r.rising_text
                          : r.rising_text + r.setting_text;
    r.fragment += ' ';
  } else {
    const int entry =
        r.above_at_start ? (twilight ? 69 : 68) : (twilight ? 71 : 70);
    r.rising_text = r.setting_text = r.fragment =
        std::string(texts::PhraseText(entry, c.language));
    r.incomplete = true;
  }
  return r;
}

DayRiseSet RiseSetForDay(int day, int month, int year, double latitude,
                         double longitude, double zone_meridian,
                         TwilightKind twilight, texts::Language language) {
  const RiseSetContext c{RiseAltitudes(twilight), SinDeg(latitude),
                         CosDeg(latitude), longitude, language};
  const double mjd0 =
      ModifiedJulianDate(day, month, year, 0) - ZoneOffsetDays(zone_meridian);
  DayRiseSet d;
  d.sun = RiseSetSearch(RiseObject::kSun, mjd0, c);
  d.twilight = RiseSetSearch(RiseObject::kTwilight, mjd0, c);
  d.moon = RiseSetSearch(RiseObject::kMoon, mjd0, c);
  d.incomplete = d.sun.incomplete || d.twilight.incomplete || d.moon.incomplete;
  return d;
}

}  // namespace lumtar::astro
