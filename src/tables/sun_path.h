#pragma once

#include <string>
#include <vector>

#include "astro/sun_position.h"
#include "model/model.h"

namespace lumtar::tables {

// The lines of a sun path diagram in azimuth and altitude (degrees;
// azimuth 0 south, west positive, +-180 north; altitude above the
// mathematical horizon, no refraction). Every line is cut at the horizon:
// a line is a list of runs, each run a list of points above it.

using SkyRun = std::vector<astro::AltAz>;

// Which half of the year the diagram shows.
enum class SunPathPeriod {
  kFullYear,        // every date line
  kJuneToDecember,  // 21 June to 21 December, declination falling
  kDecemberToJune,  // 21 December to 21 June, declination rising
};

// A point of a horizon profile: the altitude of the skyline at an azimuth.
struct HorizonPoint {
  double azimuth_deg;
  double altitude_deg;
};

// The plane whose sunshine the diagram marks: inclination from the
// horizontal (0 face up, 90 vertical) and declination (the azimuth of its
// normal), for a latitude (normally the site's).
struct PlaneOverlay {
  bool enabled = false;
  double latitude = 0;
  double declination = 0;
  double inclination = 90;
};

struct SunPathOptions {
  int dates_per_month = 1;     // 1: the 21st; 2: 6th, 21st; 3: 1st, 11th, 21st
  int hour_interval_min = 60;  // 60, 30, 20 or 15
  // Hour lines for mean time: figure-eight loops from the equation of time
  // of dates every 4 days, in place of the apparent-time lines.
  bool mean_time = false;
  // The loops in zone time (the real longitude) instead of local mean time.
  bool zone_time = false;
  SunPathPeriod period = SunPathPeriod::kFullYear;
  PlaneOverlay plane;
  // The skyline drawn over the diagram when not empty, in azimuth order.
  std::vector<HorizonPoint> horizon_profile;
};

struct DateLine {
  int day, month;
  double declination_deg;  // of 12 h zone time of the date
  // The declination rises on this date (21 December to 21 June): the line
  // is labelled at its rising end, else at its setting end.
  bool rising;
  double rise_azimuth_deg;   // where it rises (from RiseHourAngle)
  std::vector<SkyRun> runs;  // from rise to set; empty in polar night
};

struct HourLine {
  double clock_hours;  // 12 is noon
  std::vector<SkyRun> runs;
};

struct SunPathData {
  std::vector<DateLine> dates;
  std::vector<HourLine> hours;     // apparent-time lines or mean-time loops
  std::vector<SkyRun> plane_lit;   // the parts of date lines on the plane
  std::vector<SkyRun> plane_edge;  // the plane's own horizon in the sky
  std::string first_last_light;    // the year's first and last sunlight
};

// The dates of the date lines for the options, in calendar order.
struct MonthDay {
  int month, day;
};
std::vector<MonthDay> SunPathDates(int dates_per_month, SunPathPeriod period);

// Computes every line of the diagram for the model's site and Year.
SunPathData ComputeSunPath(const model::Model& model,
                           const SunPathOptions& options);

// Cuts a sampled line at the horizon: runs of points with altitude >= 0,
// each ended by the point where the line crosses the horizon.
std::vector<SkyRun> CutAtHorizon(const std::vector<astro::AltAz>& points);

}  // namespace lumtar::tables
