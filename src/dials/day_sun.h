#pragma once

#include <optional>
#include <vector>

#include "astro/sun_position.h"

namespace lumtar::dials {

// The sun over one day of the year for the many samples of a construction:
// declination and equation of time from the ephemeris at 0 h, 12 h and
// 24 h of the clock (zone time), interpolated quadratically in between.
// Against astro::SunPosition the declination and the equation of time
// differ by less than 1e-5 degrees (tested), so a drawn point moves by
// less than a millionth of the gnomon. Three ephemeris evaluations per day
// instead of one per sample.
class DaySun {
 public:
  DaySun() = default;
  DaySun(int year, int day, double zone_meridian);

  // As astro::SunPosition(year, day, clock_hours, latitude, longitude,
  // zone_meridian, apply_eot).
  astro::SunPlace At(double clock_hours, double latitude, double longitude,
                     bool apply_eot) const;
  // The same, with the sine and cosine of the latitude computed once.
  astro::SunPlace At(double clock_hours, const astro::DegTrig& latitude,
                     double longitude, bool apply_eot) const;

 private:
  double zone_meridian_ = 0;
  double declination_[3] = {0, 0, 0};
  double eot_[3] = {0, 0, 0};
};

// The DaySun of every day a construction samples, made on first use.
class SunDays {
 public:
  SunDays(int year, double zone_meridian)
      : year_(year), zone_meridian_(zone_meridian) {}
  const DaySun& Day(int day);

 private:
  int year_;
  double zone_meridian_;
  std::vector<std::optional<DaySun>> days_;
};

}  // namespace lumtar::dials
