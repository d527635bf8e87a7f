#include "tables/sun_path.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "astro/sunshine.h"
#include "tables/table.h"

namespace lumtar::tables {

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180;

// Calendar order as a number, for the period bounds.
int Ordinal(int month, int day) { return month * 100 + day; }
constexpr int kJuneSolstice = 621;
constexpr int kDecemberSolstice = 1221;

bool InPeriod(int month, int day, SunPathPeriod period) {
  const int o = Ordinal(month, day);
  switch (period) {
    case SunPathPeriod::kFullYear:
      return true;
    case SunPathPeriod::kJuneToDecember:
      return o >= kJuneSolstice && o <= kDecemberSolstice;
    case SunPathPeriod::kDecemberToJune:
      return o >= kDecemberSolstice || o <= kJuneSolstice;
  }
  return true;
}

// The azimuth difference of two points, wrapped into (-180, 180].
double AzimuthStep(double from, double to) {
  double d = to - from;
  while (d > 180) d -= 360;
  while (d <= -180) d += 360;
  return d;
}

// The days of the year every 4 days across the period, in date order; the
// full year is closed into a loop.
std::vector<int> LoopDays(int year, SunPathPeriod period) {
  const int last = astro::DayOfYear(year, 12, 31);
  const int june = astro::DayOfYear(year, 6, 21);
  const int december = astro::DayOfYear(year, 12, 21);
  std::vector<int> days;
  const auto span = [&](int from, int to) {
    for (int d = from; d < to; d += 4) days.push_back(d);
    days.push_back(to);
  };
  switch (period) {
    case SunPathPeriod::kFullYear:
      for (int d = 1; d <= last; d += 4) days.push_back(d);
      days.push_back(1);
      break;
    case SunPathPeriod::kJuneToDecember:
      span(june, december);
      break;
    case SunPathPeriod::kDecemberToJune:
      for (int d = december; d <= last; d += 4) days.push_back(d);
      span(days.back() + 4 - last, june);
      break;
  }
  return days;
}

// The sky direction of a unit vector (south, west, up).
astro::AltAz Direction(double s, double w, double u) {
  return {std::asin(std::clamp(u, -1.0, 1.0)) / kDeg, astro::Atan2Deg(w, s)};
}

}  // namespace

std::vector<MonthDay> SunPathDates(int dates_per_month, SunPathPeriod period) {
  static constexpr int kDays[3][3] = {{21, 0, 0}, {6, 21, 0}, {1, 11, 21}};
  const int n = std::clamp(dates_per_month, 1, 3);
  std::vector<MonthDay> dates;
  for (int m = 1; m <= 12; ++m)
    for (int k = 0; k < n; ++k)
      if (InPeriod(m, kDays[n - 1][k], period))
        dates.push_back({m, kDays[n - 1][k]});
  return dates;
}

std::vector<SkyRun> CutAtHorizon(const std::vector<astro::AltAz>& points) {
  std::vector<SkyRun> runs;
  SkyRun run;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const astro::AltAz& p = points[i];
    const bool above = p.altitude_deg >= 0;
    if (i > 0) {
      const astro::AltAz& q = points[i - 1];
      const bool was_above = q.altitude_deg >= 0;
      const double step = AzimuthStep(q.azimuth_deg, p.azimuth_deg);
      if (above != was_above && std::abs(step) < 90) {
        const double t = q.altitude_deg / (q.altitude_deg - p.altitude_deg);
        double az = q.azimuth_deg + t * step;
        if (az > 180) az -= 360;
        if (az <= -180) az += 360;
        run.push_back({0, az});
      }
    }
    if (above) {
      run.push_back(p);
    } else if (!run.empty()) {
      if (run.size() >= 2) runs.push_back(run);
      run.clear();
    }
  }
  if (run.size() >= 2) runs.push_back(run);
  return runs;
}

SunPathData ComputeSunPath(const model::Model& model, const SunPathOptions& o) {
  const model::DialParameters& p = model.parameters;
  const int year = p.Year;
  const double phi = p.Latitude;
  SunPathData data;

  // Date lines: the sun of one declination from rise to set, every degree
  // of hour angle.
  double dec_min = 90, dec_max = -90;
  for (const MonthDay& md : SunPathDates(o.dates_per_month, o.period)) {
    DateLine line;
    line.day = md.day;
    line.month = md.month;
    line.declination_deg =
        NoonZoneTimeSun(md.day, md.month, year, p.ZoneMeridian).declination_deg;
    line.rising = InPeriod(md.month, md.day, SunPathPeriod::kDecemberToJune) &&
                  Ordinal(md.month, md.day) != kJuneSolstice;
    const astro::RiseHour rise =
        astro::RiseHourAngle(line.declination_deg, phi);
    // The crossing at +H0 is the setting; the rising mirrors it.
    line.rise_azimuth_deg = -rise.azimuth_deg;
    dec_min = std::min(dec_min, line.declination_deg);
    dec_max = std::max(dec_max, line.declination_deg);
    const double h0 = rise.hour_angle_deg;
    if (h0 > 0) {
      const int n = std::max(2, static_cast<int>(std::ceil(2 * h0)) + 1);
      SkyRun run;
      for (int i = 0; i < n; ++i) {
        const double h = -h0 + 2 * h0 * i / (n - 1);
        astro::AltAz a =
            astro::AltAzFromHourAngle(phi, line.declination_deg, h);
        if (i == 0 || i == n - 1)
          a.altitude_deg = std::max(0.0, a.altitude_deg);
        run.push_back(a);
      }
      line.runs = CutAtHorizon(run);
    }
    data.dates.push_back(std::move(line));
  }
  if (data.dates.empty()) return data;

  // Hour lines at equal clock times.
  const int interval = std::clamp(o.hour_interval_min, 15, 60);
  for (int minute = 0; minute <= 24 * 60; minute += interval) {
    HourLine line;
    line.clock_hours = minute / 60.0;
    std::vector<astro::AltAz> points;
    if (o.mean_time) {
      const double longitude = o.zone_time ? p.Longitude : p.ZoneMeridian;
      for (int day : LoopDays(year, o.period)) {
        const astro::SunPlace s = astro::SunPosition(
            year, day, line.clock_hours, phi, longitude, p.ZoneMeridian, true);
        points.push_back({s.altitude_deg, s.azimuth_deg});
      }
    } else {
      const double h = 15 * (line.clock_hours - 12);
      const int n =
          std::max(2, static_cast<int>(std::ceil((dec_max - dec_min) * 2)) + 1);
      for (int i = 0; i < n; ++i) {
        const double dec = dec_min + (dec_max - dec_min) * i / (n - 1);
        points.push_back(astro::AltAzFromHourAngle(phi, dec, h));
      }
    }
    line.runs = CutAtHorizon(points);
    if (!line.runs.empty()) data.hours.push_back(std::move(line));
  }

  // The plane: the lit parts of the date lines, its own horizon and the
  // first and last sunlight of the year on it.
  if (o.plane.enabled) {
    const double z = 90 - o.plane.inclination;
    const double d = o.plane.declination;
    const auto lit = [&](const astro::AltAz& a) {
      return astro::PlaneIncidence(a.altitude_deg, a.azimuth_deg, z, d) > 0;
    };
    for (const DateLine& line : data.dates) {
      for (const SkyRun& run : line.runs) {
        SkyRun part;
        for (const astro::AltAz& a : run) {
          if (lit(a)) {
            part.push_back(a);
          } else if (!part.empty()) {
            if (part.size() >= 2) data.plane_lit.push_back(part);
            part.clear();
          }
        }
        if (part.size() >= 2) data.plane_lit.push_back(part);
      }
    }
    // The great circle of directions at right angles to the normal n:
    // u horizontal, v = n x u.
    const double cz = std::cos(z * kDeg), sz = std::sin(z * kDeg);
    const double cd = std::cos(d * kDeg), sd = std::sin(d * kDeg);
    if (cz > 1e-6) {
      const double n[3] = {cz * cd, cz * sd, sz};
      const double u[3] = {-sd, cd, 0};
      const double v[3] = {n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2],
                           n[0] * u[1] - n[1] * u[0]};
      std::vector<astro::AltAz> circle;
      for (int t = 0; t <= 360; t += 2) {
        const double c = std::cos(t * kDeg), s = std::sin(t * kDeg);
        circle.push_back(Direction(c * u[0] + s * v[0], c * u[1] + s * v[1],
                                   c * u[2] + s * v[2]));
      }
      data.plane_edge = CutAtHorizon(circle);
    }
    const double obliquity =
        astro::ZodiacDeclinations(year).obliquity_display_deg;
    data.first_last_light = astro::FirstLastLight(0, o.plane.inclination, d,
                                                  o.plane.latitude, obliquity)
                                .text;
  }
  return data;
}

}  // namespace lumtar::tables
