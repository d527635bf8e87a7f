#pragma once

#include <array>
#include <string>

#include "texts/language.h"

namespace lumtar::astro {

// Rise and set of sun and moon and the twilight of one day, by the
// low-precision method of Montenbruck and Pfleger: series for the
// equatorial coordinates, mean sidereal time and a parabola through three
// altitude samples every two hours. Times are hours of zone time after the
// day origin MJD0 (0 h zone time of the day).

enum class RiseObject { kMoon = 1, kSun = 2, kTwilight = 3 };

// 0 civil, 1 nautical, 2 astronomical (the program starts with 2).
enum class TwilightKind { kCivil = 0, kNautical = 1, kAstronomical = 2 };

struct RaDec {
  double ra_hours;
  double dec_deg;
};

// Sun and moon for T in Julian centuries since 2000 January 1.5.
RaDec MiniSun(double t);
RaDec MiniMoon(double t);

// Local mean sidereal time in hours at modified Julian date `mjd` (UT) and
// longitude (west positive).
double LocalSiderealTime(double mjd, double longitude);

// Sine of the altitude of the object at `hour` after `mjd0`.
double SineAltitude(RiseObject object, double mjd0, double hour,
                    double longitude, double cos_lat, double sin_lat);

struct Parabola {
  double xe;  // abscissa of the extremum
  double ye;  // ordinate of the extremum
  int roots;  // number of roots in [-1, 1]
  double z1;
  double z2;
};
// Parabola through (-1, y_minus), (0, y0), (1, y_plus).
Parabola Parabola3(double y_minus, double y0, double y_plus);

// sin of the threshold altitude per object: [1] moon +8', [2] sun -50',
// [3] twilight -6/-12/-18 degrees; [0] unused.
using RiseAltitudeSine = std::array<double, 4>;
RiseAltitudeSine RiseAltitudes(TwilightKind twilight);

struct RiseSetContext {
  RiseAltitudeSine thresholds;
  double sin_lat;
  double cos_lat;
  double longitude;
  texts::Language language;
};

struct RiseSetResult {
  double rising = 0;   // hours after MJD0 (twilight: morning begin)
  double setting = 0;  // (twilight: evening end)
  bool rise_found = false;
  bool set_found = false;
  bool above_at_start = false;
  bool incomplete = false;  // a text is not a time
  std::string rising_text;
  std::string setting_text;
  std::string fragment;  // the part of a table row
};
RiseSetResult RiseSetSearch(RiseObject object, double mjd0,
                            const RiseSetContext& context);

struct DayRiseSet {
  RiseSetResult sun;
  RiseSetResult twilight;
  RiseSetResult moon;
  bool incomplete;
};

// Sun, twilight and moon of one calendar day at the site (latitude north
// positive, longitude and zone meridian west positive).
DayRiseSet RiseSetForDay(int day, int month, int year, double latitude,
                         double longitude, double zone_meridian,
                         TwilightKind twilight, texts::Language language);

}  // namespace lumtar::astro
