#pragma once

#include <array>
#include <string>

namespace lumtar::astro {

// Direct sunshine on a plane of inclination i (0 horizontal face up, 90
// vertical) and declination D (azimuth of the plane's normal: 0 south, west
// positive) at latitude phi. Hour angles in degrees, 0 at apparent noon.

// The hour-angle intervals of one day (declination `declination`) in which
// the sun is above the horizon and in front of the plane, within
// [-180, 180], sorted; an interval that runs through midnight is split at
// +-180. count 0: no sunshine that day.
struct SunshineIntervals {
  int count = 0;
  std::array<double, 3> start{};
  std::array<double, 3> end{};
};
SunshineIntervals SunshineOfDay(double inclination, double declination_plane,
                                double latitude, double declination);

struct FirstLastLightResult {
  double first;  // earliest hour angle of sunshine in the year, plus offset
  double last;   // latest, plus offset (180 / -180 plus offset: no sunshine)
  double declination_of_first;
  bool two_periods;  // morning and evening sunshine never join
  // Nine blanks and "h:mm - h:mm", or "h:mm - h:mm; h:mm - h:mm" for two
  // periods, as apparent time plus offset/15 hours.
  std::string text;
};

// Scans the declinations +obliquity, 23.45, 23.40, ..., -23.45, -obliquity
// (941 days' worth; grid values beyond +-obliquity are skipped) and
// aggregates the sunshine periods of the year.
// `obliquity` is the year's obliquity rounded to 0.01 degree; `offset` (an
// hour angle in degrees) is added to every result.
FirstLastLightResult FirstLastLight(double offset, double inclination,
                                    double declination_plane, double latitude,
                                    double obliquity);

}  // namespace lumtar::astro
