#pragma once

#include <string>

#include "astro/pascal_math.h"
#include "astro/time_scales.h"
#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::astro {

// Sun directions. Degrees everywhere; azimuth 0 south, west positive, +-180
// north; altitude above the mathematical horizon without refraction; hour
// angle 0 at the upper transit, positive in the afternoon. Longitudes and
// zone meridians west positive, east negative.

struct AltAz {
  double altitude_deg;
  double azimuth_deg;
};

// Altitude and azimuth for latitude, declination and hour angle. Guards keep
// every division finite for latitude 90 or declination +-90. Pure;
// allocates nothing.
AltAz AltAzFromHourAngle(double latitude, double declination,
                         double hour_angle);

// An angle in degrees with its sine and cosine (SinDeg, CosDeg), for code
// that uses the same latitude, declination or plane normal for many
// samples: computed once, they give exactly the values of computing them
// each time.
struct DegTrig {
  double deg = 0;
  double sin = 0;
  double cos = 1;
  DegTrig() = default;
  explicit DegTrig(double degrees)
      : deg(degrees), sin(SinDeg(degrees)), cos(CosDeg(degrees)) {}
};

// As above, with the sine and cosine of latitude and declination given;
// the result is the same to the last bit.
AltAz AltAzFromHourAngle(const DegTrig& latitude, const DegTrig& declination,
                         double hour_angle);

struct SunPlace {
  double altitude_deg;
  double azimuth_deg;
  double declination_deg;
  double eot_deg;
  double hour_angle_deg;
};

// The sun at clock time `clock_hours` of day-of-year `day` of `year`.
// Zone time: the real longitude and apply_eot = true; local mean time:
// longitude = zone_meridian and apply_eot = true; local apparent time:
// longitude = zone_meridian and apply_eot = false.
SunPlace SunPosition(int year, int day, double clock_hours, double latitude,
                     double longitude, double zone_meridian, bool apply_eot);

// SunPosition for a clock time of the given kind: zone time with the real
// longitude and E; local mean time with longitude = zone meridian and E;
// local apparent time with longitude = zone meridian and no E; apparent
// time of the zone meridian with the real longitude and no E.
SunPlace SunPositionForClock(TimeKind kind, int year, int day,
                             double clock_hours, double latitude,
                             double longitude, double zone_meridian);

// As SunPosition, but declination and E are those of 12 h zone time.
SunPlace SunPositionNoonEphemeris(int year, int day, double clock_hours,
                                  double latitude, double longitude,
                                  double zone_meridian, bool apply_eot);

// Position at clock time T with a given declination and no equation of time:
// H = (T - 12) 15 - (longitude - zone_meridian).
AltAz AltAzFromClock(double clock_hours, double latitude, double longitude,
                     double zone_meridian, double declination);
AltAz AltAzFromClock(double clock_hours, const DegTrig& latitude,
                     double longitude, double zone_meridian,
                     const DegTrig& declination);

struct Site {
  double latitude;       // north positive
  double longitude;      // west positive
  double zone_meridian;  // west positive
};

struct AzimuthTime {
  bool found;           // false when no time could be found
  double zone_time;     // hours (may exceed 24 for a time after midnight)
  std::string text;     // "hh:mm:ss  hh:mm:ss" form, empty when not found
  double altitude_deg;  // altitude at that time
};

// The zone time at which the sun reaches `azimuth` on the given date, by
// bisection in a bracket around apparent noon. Messages for unreachable or
// ambiguous azimuths go through `ui`.
AzimuthTime TimeForAzimuth(const Site& site, int day, int month, int year,
                           double azimuth, platform::Ui& ui,
                           texts::Language language);

struct RiseHour {
  double hour_angle_deg;  // H0; 0 for polar night, 180 for midnight sun
  double azimuth_deg;     // azimuth at the crossing
  bool never_sets;        // the sun is above the horizon all day
};

// Hour angle of the geometric horizon crossing for declination and
// latitude. When `ui` is given and the sun does not set, the warning
// "On some days no sun rise/set!" is shown.
RiseHour RiseHourAngle(double declination, double latitude,
                       platform::Ui* ui = nullptr,
                       texts::Language language = texts::Language::kEnglish);

struct GeometricDay {
  double declination_deg;
  double setting_time;  // local apparent time, hours
  double rising_time;
  double setting_azimuth_deg;
  double rising_azimuth_deg;
};

// Geometric rise and set (H0 = acos(-tan lat tan dec)) of day-of-year `day`,
// with declination of 12 h at `meridian`.
GeometricDay GeometricRiseSet(int year, int day, double meridian,
                              double latitude);

// Cosine of the angle of incidence of the sun on a plane whose normal has
// altitude z and azimuth D.
double PlaneIncidence(double altitude, double azimuth, double normal_altitude,
                      double normal_azimuth);

// As above, from the sines and cosines of the four angles.
double PlaneIncidence(const DegTrig& altitude, const DegTrig& azimuth,
                      const DegTrig& normal_altitude,
                      const DegTrig& normal_azimuth);

// True when the sun at local apparent time `apparent_time` is in front of
// the plane with normal altitude z and azimuth D.
bool SunOnPlane(double apparent_time, double declination, double latitude,
                double normal_altitude, double normal_azimuth);

// (-180, 180] arctangent of y/x in degrees, with defined values on the axes.
double Atan2Deg(double y, double x);

struct PolarStyle {
  double style_height_deg;  // height of the polar style above the plane
  double u_deg;             // difference of longitude of the style
  double v_deg;             // substyle angle
};

// Polar style of a plane of inclination i (0 horizontal, 90 vertical) and
// declination D (azimuth of its normal) at latitude phi.
PolarStyle PolarStyleGeometry(double inclination, double declination,
                              double latitude);

}  // namespace lumtar::astro
