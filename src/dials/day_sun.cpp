#include "dials/day_sun.h"

#include "astro/solar_ephemeris.h"

namespace lumtar::dials {

namespace {

// The parabola through f(0), f(1), f(2), at u.
double Quadratic(const double f[3], double u) {
  return f[0] * (u - 1) * (u - 2) / 2 - f[1] * u * (u - 2) +
         f[2] * u * (u - 1) / 2;
}

}  // namespace

DaySun::DaySun(int year, int day, double zone_meridian)
    : zone_meridian_(zone_meridian) {
  for (int k = 0; k < 3; ++k) {
    // The instant of clock time 12 k hours, as astro::SunPosition has it.
    const double x = day + (12.0 * k + zone_meridian / 15 - 12) / 24;
    const astro::SolarState s = astro::SolarEphemeris(year, x);
    declination_[k] = s.declination_deg;
    eot_[k] = s.eot_deg;
  }
}

astro::SunPlace DaySun::At(double clock_hours, double latitude,
                           double longitude, bool apply_eot) const {
  return At(clock_hours, astro::DegTrig(latitude), longitude, apply_eot);
}

astro::SunPlace DaySun::At(double clock_hours, const astro::DegTrig& latitude,
                           double longitude, bool apply_eot) const {
  const double u = clock_hours / 12;
  const double dec = Quadratic(declination_, u);
  const double eot = Quadratic(eot_, u);
  double h = (clock_hours - 12) * 15 - (longitude - zone_meridian_);
  if (apply_eot) h += eot;
  const astro::AltAz p =
      astro::AltAzFromHourAngle(latitude, astro::DegTrig(dec), h);
  return {p.altitude_deg, p.azimuth_deg, dec, eot, h};
}

const DaySun& SunDays::Day(int day) {
  // Days beyond the table (never sampled) are made but not kept.
  thread_local DaySun spare;
  if (day < 0 || day > 400) return spare = DaySun(year_, day, zone_meridian_);
  if (days_.size() <= static_cast<std::size_t>(day)) days_.resize(day + 1);
  auto& d = days_[day];
  if (!d) d.emplace(year_, day, zone_meridian_);
  return *d;
}

}  // namespace lumtar::dials
