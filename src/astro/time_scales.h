#pragma once

namespace lumtar::astro {

// The clock in which a time of day is given. The calculator offers the
// first three; dial constructions also use the apparent time of the zone
// meridian.
enum class TimeKind {
  kLocalApparent,
  kLocalMean,
  kZone,
  kZoneApparent,
};

// Clock conventions. Longitudes and zone meridians are degrees west
// positive, east negative; times are hours; the equation of time E is in
// degrees (apparent minus mean; 4 minutes of time per degree). Zone time is
// never daylight-saving time.

// Offset of zone time from UT in days (positive east of Greenwich).
inline double ZoneOffsetDays(double zone_meridian) {
  return -zone_meridian / 360.0;
}
inline double ZoneOffsetHours(double zone_meridian) {
  return ZoneOffsetDays(zone_meridian) * 24.0;
}

// Local mean time of a zone time: LMT = ZT - (lambda - lambda_z)/15.
inline double LocalMeanTime(double zone_time, double longitude,
                            double zone_meridian) {
  return zone_time - (longitude - zone_meridian) / 15.0;
}

// Local apparent time of a local mean time: LAT = LMT + E/15.
inline double LocalApparentTime(double local_mean_time, double eot_deg) {
  return local_mean_time + eot_deg / 15.0;
}

// Apparent time of the zone meridian: ZT + E/15.
inline double ZoneApparentTime(double zone_time, double eot_deg) {
  return zone_time + eot_deg / 15.0;
}

// Hour angle of the sun in degrees from local apparent time, negative in
// the morning.
inline double HourAngleOfApparentTime(double local_apparent_time) {
  return 15.0 * (local_apparent_time - 12.0);
}

// Universal time of a zone time: UT = ZT + lambda_z/15.
inline double UniversalTime(double zone_time, double zone_meridian) {
  return zone_time + zone_meridian / 15.0;
}

// Julian date of zone time T on the date whose day number is `jdn`:
// JDN + (T + lambda_z/15 - 12)/24.
inline double JulianDateOfZoneTime(double jdn, double zone_time,
                                   double zone_meridian) {
  return jdn + (zone_time + zone_meridian / 15.0 - 12.0) / 24.0;
}

}  // namespace lumtar::astro
