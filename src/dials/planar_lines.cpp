#include "dials/planar_lines.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/format.h"
#include "astro/pascal_math.h"
#include "astro/sun_position.h"
#include "dials/date_lines.h"
#include "texts/text_table.h"

namespace lumtar::dials {

using astro::CosDeg;
using astro::kDegPerRad;
using astro::Sign;
using astro::SinDeg;
using astro::TanDeg;

namespace {

int DayCount(int day, int month, int year) {
  return static_cast<int>(astro::JulianDayNumber(day, month, year) -
                          astro::JulianDayNumber(0, 1, year));
}

// The longitude reference of the hour lines: the zone meridian itself for
// local time, the site's longitude for the time of the zone meridian.
double ReferenceLongitude(const PlanarSetup& s, const model::Model& m) {
  return m.options.ApparentAtSite ? s.zone_meridian : s.longitude;
}

SunPoint Project(const PlanarSetup& s, const astro::AltAz& p) {
  return ProjectSun(s, p.altitude_deg, p.azimuth_deg);
}

// Follows a line point by point: the first point moves the pen, the
// others are joined through the clipping rules.
class LineTracer {
 public:
  LineTracer(const PlanarSetup& s, PenSink& pen) : s_(s), pen_(pen) {}
  void Add(const SunPoint& p) {
    if (!started_) {
      pen_.MoveTo(p.x, p.y);
      started_ = true;
    } else {
      DrawClippedSegment(pen_, s_.clip, prev_, p);
    }
    prev_ = p;
  }

 private:
  const PlanarSetup& s_;
  PenSink& pen_;
  SunPoint prev_;
  bool started_ = false;
};

std::string HoursMinutes(double t) {
  std::string text = astro::FormatHoursMinutes(t);
  while (!text.empty() && text[0] == ' ') text.erase(text.begin());
  return text;
}

// An hour of the temporal, Babylonian or Italian hours as a name: "18",
// or with two decimals between the full hours ("18.33").
std::string HourNumber(double hour) {
  if (std::fabs(hour - std::nearbyint(hour)) < 1e-9)
    return std::to_string(static_cast<int>(std::nearbyint(hour)));
  std::string text = astro::FormatFixed(2, 2, hour);
  text.erase(0, text.find_first_not_of(' '));
  return text;
}

// Subdivisions per hour of an interval index: 60, 30, 20, 15, 10 minutes;
// stored indexes beyond the list also mean 10 minutes.
int SubdivisionsOf(int index) {
  if (index < 0) index = 0;
  return index >= 4 ? 6 : index + 1;
}

// Half the day arc in degrees for latitude and declination, with the
// guards of the temporal-hour construction.
double HalfDayArc(double latitude, double declination, bool clamp_to_zero) {
  double c = CosDeg(declination);
  if (std::fabs(c) < 1e-12) c = (Sign(c) + 0.5) * 1e-12;
  const double arg = -TanDeg(latitude) * SinDeg(declination) / c;
  if (std::fabs(arg) < 1e-12) return 90;
  if (std::fabs(arg) > 1) return clamp_to_zero ? 0 : (arg > 0 ? 0 : 180);
  return std::acos(arg) * kDegPerRad;
}

void TraceDeclinationOfHourAngles(const PlanarSetup& s, double declination,
                                  PenSink& pen) {
  LineTracer line(s, pen);
  const astro::DegTrig latitude(s.phi_e), dec(declination);
  bool first = true;
  for (int k = 0; k < 97; ++k) {
    const double h = 15 * (0.25 * k) - 180;
    SunPoint p = Project(s, astro::AltAzFromHourAngle(latitude, dec, h));
    if (first && !p.on_face) {
      // A line that starts behind the plane starts from its mirror point.
      p.x = 2 * s.origin.x - p.x;
      p.y = 2 * s.origin.y - p.y;
    }
    first = false;
    line.Add(p);
  }
}

}  // namespace

void TraceDeclinationLines(const PlanarSetup& s, const model::Model& model,
                           PenSink& pen, platform::Ui& ui) {
  const std::vector<DeclinationDate> dates = DeclinationLineDates(model, ui);
  const bool zodiac = model.options.DateLineMode == '0';
  const int equinox1 = DayCount(21, 3, s.year),
            equinox2 = DayCount(23, 9, s.year);
  for (std::size_t n = 0; n < dates.size(); ++n) {
    const DeclinationDate& d = dates[n];
    const std::string label = "date line " + d.label;
    pen.BeginLine(LineRole::kDeclination, d.day_count, label.c_str());
    if (zodiac || d.day_count == equinox1 || d.day_count == equinox2) {
      // Ecliptic longitudes 90, 120, ..., 270 degrees.
      double dec = 0;
      if (zodiac && n != 3) {
        dec =
            std::asin(SinDeg(s.obliquity) * SinDeg(90 + 30.0 * n)) * kDegPerRad;
      }
      TraceDeclinationOfHourAngles(s, dec, pen);
      continue;
    }
    LineTracer line(s, pen);
    const double lr = ReferenceLongitude(s, model);
    // The declination of 12 h zone time holds for the whole line.
    const astro::DegTrig dec(
        astro::SunPositionNoonEphemeris(s.year, d.day_count, 12, s.phi_e, lr,
                                        s.zone_meridian, false)
            .declination_deg);
    const astro::DegTrig latitude(s.phi_e);
    for (int k = 0; k < 97; ++k) {
      const double t = 0.25 * k;
      const astro::AltAz p = astro::AltAzFromClock(t + s.e_hours, latitude, lr,
                                                   s.zone_meridian, dec);
      SunPoint pt = ProjectSun(s, p.altitude_deg, p.azimuth_deg);
      if (k == 0 && !pt.on_face) {
        pt.x = 2 * s.origin.x - pt.x;
        pt.y = 2 * s.origin.y - pt.y;
      }
      line.Add(pt);
    }
  }
}

void TraceSunshineLines(const PlanarSetup& s, PenSink& pen) {
  const auto decs = SunshineDeclinations(s.latitude, s.obliquity);
  for (int k = 0; k <= 12; ++k) {
    if (decs[k] == 999) continue;
    for (int sign : {1, -1}) {
      if (k == 0 && sign < 0) continue;
      const int hours = 12 + sign * k;
      const std::string label = "sunshine " + std::to_string(hours) + " h";
      pen.BeginLine(LineRole::kSunshine, hours, label.c_str());
      TraceDeclinationOfHourAngles(s, sign * decs[k], pen);
    }
  }
}

std::vector<SunPoint> SampleHourLine(const PlanarSetup& s,
                                     const model::Model& model, double hour,
                                     bool mean, SunDays* days) {
  SunDays own(s.year, s.zone_meridian);
  SunDays& sun = days != nullptr ? *days : own;
  const double lr = ReferenceLongitude(s, model);
  const astro::DegTrig latitude(s.phi_e);
  const int start = mean ? 1 : 171;
  std::vector<SunPoint> samples;
  samples.reserve(mean ? 122 : 66);
  for (int d = start; d < 366; d += d == start ? 5 : 3) {
    const astro::SunPlace p =
        sun.Day(d).At(hour + s.e_hours, latitude, lr, mean);
    samples.push_back(ProjectSun(s, p.altitude_deg, p.azimuth_deg));
  }
  return samples;
}

std::vector<HourLineValue> HourLineValues(const model::Model& model,
                                          bool mean) {
  const auto& t = model.times;
  const int from = mean ? t.MeanHoursFrom : t.ApparentHoursFrom;
  const int to = mean ? t.MeanHoursTo : t.ApparentHoursTo;
  const int parts =
      SubdivisionsOf((mean ? model.options.MeanHourSubdivisions
                           : model.options.ApparentHourSubdivisions) -
                     '0');
  std::vector<HourLineValue> values;
  for (int n = std::max(from, 0); n <= std::min(to, 24); ++n) {
    for (int k = 0; k < parts; ++k) {
      const double hour = n + static_cast<double>(k) / parts;
      if (hour > to + 1e-9) break;
      const LineRole role =
          mean ? (k == 0 ? LineRole::kMeanHour : LineRole::kMeanSubdivision)
               : (k == 0 ? LineRole::kApparentHour
                         : LineRole::kApparentSubdivision);
      values.push_back({hour, n, k, role,
                        std::string(mean ? "mean time " : "apparent time ") +
                            HoursMinutes(hour)});
    }
  }
  return values;
}

namespace {

void TraceOneHourLine(const PlanarSetup& s, const model::Model& model, double t,
                      bool mean, HourLineSamples& samples, PenSink& pen) {
  LineTracer line(s, pen);
  for (const SunPoint& p : samples.Line(s, model, t, mean)) line.Add(p);
}

}  // namespace

const std::vector<SunPoint>& HourLineSamples::Line(const PlanarSetup& s,
                                                   const model::Model& model,
                                                   double hour, bool mean) {
  const auto key = std::make_tuple(hour, mean, model.options.ApparentAtSite);
  auto it = lines_.find(key);
  if (it == lines_.end())
    it =
        lines_.emplace(key, SampleHourLine(s, model, hour, mean, &days_)).first;
  return it->second;
}

void TraceHourLines(const PlanarSetup& s, const model::Model& model, bool mean,
                    PenSink& pen, HourLineSamples* samples) {
  HourLineSamples own(s.year, s.zone_meridian);
  HourLineSamples& lines = samples != nullptr ? *samples : own;
  for (const HourLineValue& v : HourLineValues(model, mean)) {
    pen.BeginLine(v.role, v.hour, v.label.c_str());
    TraceOneHourLine(s, model, v.hour, mean, lines, pen);
  }
}

void TraceAnalemma(const PlanarSetup& s, const model::Model& model,
                   PenSink& pen, HourLineSamples* samples) {
  const int hour = model.values.AnalemmaHour;
  const std::string label = "analemma " + std::to_string(hour) + ":00";
  pen.BeginLine(LineRole::kAnalemma, hour, label.c_str());
  HourLineSamples own(s.year, s.zone_meridian);
  TraceOneHourLine(s, model, hour, true, samples != nullptr ? *samples : own,
                   pen);
  if (!model.options.ShowAnalemmaMarks) return;
  static const std::vector<int> kMarkDays[] = {
      {1}, {1, 15}, {7, 22}, {1, 11, 21}, {1, 8, 15, 22}};
  const auto& days =
      kMarkDays[std::min<int>(model.options.AnalemmaMarkDays, 4)];
  const double lr = ReferenceLongitude(s, model);
  for (int month = 1; month <= 12; ++month) {
    bool first = true;
    for (int day : days) {
      const astro::SunPlace p = astro::SunPosition(
          s.year, DayCount(day, month, s.year), hour + s.e_hours, s.phi_e, lr,
          s.zone_meridian, true);
      const SunPoint pt = ProjectSun(s, p.altitude_deg, p.azimuth_deg);
      if (pt.visible) pen.Mark(pt.x, pt.y, first);
      first = false;
    }
  }
}

void TraceTemporalHours(const PlanarSetup& s, const model::Model& model,
                        PenSink& pen, platform::Ui& ui) {
  if (std::fabs(s.latitude) > 66) {
    ui.Message(platform::Caption::kProblem,
               model.Language == texts::Language::kGerman
                   ? " Temporalstunden\rnicht m\xC3\xB6glich. Breite zu hoch!"
                   : " Temporal hours\rnot possible. Latitude to high!");
    return;
  }
  const int from = std::max(0, model.times.PlanarTemporalFrom);
  const int to = std::clamp(model.times.PlanarTemporalTo, 0, 12);
  const int parts = SubdivisionsOf(model.times.PlanarTemporalSubdivisions);
  const int first_day = DayCount(21, 6, s.year);
  const int step = s.umbrella ? 5 : 10;
  // The declination of 12 h zone time of each sampled day with its sine,
  // cosine and day arc, shared by all temporal lines.
  struct DaySample {
    astro::DegTrig dec;
    double tau;  // half the day arc over 90 degrees
  };
  std::vector<std::optional<DaySample>> day_samples(400);
  const auto DayOf = [&](int day) -> const DaySample& {
    auto& d = day_samples[std::clamp(day, 0, 399)];
    if (!d) {
      const double dec = astro::SunPositionNoonEphemeris(
                             s.year, day, 12, s.latitude, s.zone_meridian,
                             s.zone_meridian, false)
                             .declination_deg;
      d = DaySample{astro::DegTrig(dec),
                    HalfDayArc(s.latitude, dec, false) / 90};
    }
    return *d;
  };
  const astro::DegTrig latitude(s.phi_e);
  // Beyond the solstices: declinations the sun never reaches, for the
  // continuation of the lines towards the horizon; the same for every line.
  std::vector<DaySample> beyond[2];
  if (model.options.ExtendTemporalHours && s.latitude > 0) {
    for (int side = 0; side < 2; ++side) {
      const int dir = side == 0 ? 1 : -1;
      for (int j = 0; j < 1000; ++j) {
        const double dec = dir * (s.obliquity + 0.1 * j);
        if (dir > 0 && !(dec + 0.1 < 90 - s.latitude)) break;
        if (dir < 0 && !(dec - 0.2 > s.latitude - 90)) break;
        beyond[side].push_back(
            {astro::DegTrig(dec), HalfDayArc(s.latitude, dec, true) / 90});
      }
    }
  }
  // The true plane, for the extension beyond the solstices.
  for (int n = from; n <= to; ++n) {
    for (int k = 0; k < parts; ++k) {
      const double hour = n + static_cast<double>(k) / parts;
      if (hour > to + 1e-9) break;
      const std::string label = "temporal hour " + HourNumber(hour);
      pen.BeginLine(LineRole::kTemporalHour, hour, label.c_str());
      LineTracer line(s, pen);
      auto sample = [&](int day) {
        const DaySample& d = DayOf(day);
        const double t = 12 - (6 - hour) * d.tau;
        line.Add(Project(s, astro::AltAzFromHourAngle(
                                latitude, d.dec, 15 * (t + s.e_hours - 12))));
      };
      int d = first_day;
      for (int guard = 0; guard < 400 && d < 356; ++guard) {
        sample(d);
        d += (d > 340 && !s.umbrella) ? 15 : step;
      }
      sample(356);

      if (!model.options.ExtendTemporalHours || s.latitude <= 0) continue;
      for (const std::vector<DaySample>& side : beyond) {
        bool have_prev = false;
        SunPoint prev;
        for (const DaySample& d : side) {
          const double t = 12 - (6 - hour) * d.tau;
          const astro::AltAz a = astro::AltAzFromHourAngle(
              latitude, d.dec, 15 * (t + s.e_hours - 12));
          const SunPoint p = Project(s, a);
          if (have_prev && prev.on_face && p.on_face) {
            pen.LineTo(p.x, p.y);
          } else {
            pen.MoveTo(p.x, p.y);
          }
          prev = p;
          have_prev = true;
        }
      }
    }
  }
}

namespace {

// The point where the ray from `from` in direction `dir` leaves the
// rectangle, or nullopt when it does not reach it.
std::optional<Point> RayToBorder(Point from, Point dir, const Rect& r) {
  double best = -1;
  auto consider = [&](double t) {
    if (t <= 1e-9) return;
    const double x = from.x + t * dir.x, y = from.y + t * dir.y;
    if (x >= r.left - 1e-6 && x <= r.right + 1e-6 && y >= r.top - 1e-6 &&
        y <= r.bottom + 1e-6)
      best = std::max(best, t);
  };
  if (std::fabs(dir.x) > 1e-12) {
    consider((r.left - from.x) / dir.x);
    consider((r.right - from.x) / dir.x);
  }
  if (std::fabs(dir.y) > 1e-12) {
    consider((r.top - from.y) / dir.y);
    consider((r.bottom - from.y) / dir.y);
  }
  if (best < 0) return std::nullopt;
  return Point{from.x + best * dir.x, from.y + best * dir.y};
}

}  // namespace

std::vector<HourLabelPoint> TraceBabylonianItalianHours(
    const PlanarSetup& s, const model::Model& model, PenSink& pen,
    platform::Ui& ui) {
  std::vector<HourLabelPoint> labels;
  if (std::fabs(s.latitude) > 65) {
    ui.Message(platform::Caption::kProblem,
               model.Language == texts::Language::kGerman
                   ? "Italienische und Babylonische Stunden\rnicht "
                     "m\xC3\xB6glich. Breite zu hoch!"
                   : "Italian and Babylonian hours\rnot possible. Latitude to "
                     "high!");
    return labels;
  }
  // 21 June, then the 1st, 11th and 21st of July to December.
  struct Day {
    int count;
    bool september21;
    astro::DegTrig dec;
    double h0;
    bool has_day;
  };
  std::vector<Day> days;
  days.push_back({DayCount(21, 6, s.year), false, {}, 0, false});
  for (int m = 7; m <= 12; ++m)
    for (int d : {1, 11, 21})
      days.push_back({DayCount(d, m, s.year), m == 9 && d == 21, {}, 0, false});
  for (Day& d : days) {
    const astro::GeometricDay g =
        astro::GeometricRiseSet(s.year, d.count, s.zone_meridian, s.latitude);
    d.dec = astro::DegTrig(g.declination_deg);
    d.h0 = (g.setting_time - 12) * 15;
    d.has_day = g.setting_time > g.rising_time && g.rising_time > 0;
  }
  const astro::DegTrig latitude(s.phi_e);
  // Extensions follow the horizon line where the plane has one.
  const Rect& border = s.clip;

  for (bool italian : {false, true}) {
    const bool shown = italian ? model.options.ShowItalianHours
                               : model.options.ShowBabylonianHours;
    if (!shown) continue;
    const int from =
        italian ? model.times.ItalianFrom : model.times.BabylonianFrom;
    const int to = italian ? model.times.ItalianTo : model.times.BabylonianTo;
    const int parts =
        SubdivisionsOf(italian ? model.times.ItalianSubdivisions
                               : model.times.BabylonianSubdivisions);
    for (int n = from; n <= to; ++n) {
      for (int k = 0; k < parts; ++k) {
        const double hour = n + static_cast<double>(k) / parts;
        if (hour > to + 1e-9) break;
        const LineRole role = k != 0 ? LineRole::kHourSystemSubdivision
                                     : (italian ? LineRole::kItalianHour
                                                : LineRole::kBabylonianHour);
        const std::string label =
            std::string(italian ? "Italian hour " : "Babylonian hour ") +
            HourNumber(hour);
        pen.BeginLine(role, hour, label.c_str());
        LineTracer line(s, pen);
        std::vector<Point> visible;
        bool left_daylight = false;
        std::size_t first_visible_index = days.size();
        for (std::size_t j = 0; j < days.size(); ++j) {
          const Day& d = days[j];
          if (!d.has_day) continue;
          const double h =
              italian ? d.h0 - 15 * (24 - hour) : -d.h0 + 15 * hour;
          if (h < -d.h0 || h > d.h0) {
            if (!visible.empty()) left_daylight = true;
            continue;
          }
          const SunPoint p = Project(
              s,
              astro::AltAzFromHourAngle(latitude, d.dec, h + 15 * s.e_hours));
          line.Add(p);
          if (p.visible) {
            if (visible.empty()) first_visible_index = j;
            visible.push_back({p.x, p.y});
            if (d.september21 && k == 0 && n % 2 == 0)
              labels.push_back({italian, n, {p.x, p.y}});
          }
        }
        // The lines are straight: continue them to the border.
        if (!s.umbrella && visible.size() >= 2) {
          if (first_visible_index != 0) {
            const Point a = visible[0], b = visible[1];
            if (auto e = RayToBorder(a, {a.x - b.x, a.y - b.y}, border)) {
              pen.MoveTo(e->x, e->y);
              pen.LineTo(a.x, a.y);
            }
          }
          if (left_daylight) {
            const Point a = visible[visible.size() - 2], b = visible.back();
            if (auto e = RayToBorder(b, {b.x - a.x, b.y - a.y}, border)) {
              pen.MoveTo(b.x, b.y);
              pen.LineTo(e->x, e->y);
            }
          }
        }
      }
    }
  }
  return labels;
}

namespace {

// Altitude and azimuth at the site turned into the frame of the plane
// description (the equivalent horizontal dial for a plain inclining one).
astro::AltAz ToPlaneFrame(const PlanarSetup& s, double altitude,
                          double azimuth) {
  if (s.kind != 'i' || s.umbrella) return {altitude, azimuth};
  // Equatorial coordinates of the direction, then its position at the
  // latitude used, with the time shift of the plane.
  const double x = CosDeg(altitude) * CosDeg(azimuth);
  const double y = CosDeg(altitude) * SinDeg(azimuth);
  const double z = SinDeg(altitude);
  const double sphi = SinDeg(s.latitude), cphi = CosDeg(s.latitude);
  const double sin_dec = std::clamp(sphi * z - cphi * x, -1.0, 1.0);
  const double dec = std::asin(sin_dec) * kDegPerRad;
  const double h = std::atan2(y, cphi * z + sphi * x) * kDegPerRad;
  return astro::AltAzFromHourAngle(s.phi_e, dec, h + 15 * s.e_hours);
}

void TraceAltitudePass(const PlanarSetup& s, double altitude, double from,
                       double to, PenSink& pen) {
  SunPoint prev;
  bool started = false;
  const double dir = to >= from ? 1 : -1;
  double a = from;
  for (int step = 0; step < 400; ++step) {
    const astro::AltAz p = ToPlaneFrame(s, altitude, a);
    SunPoint cur = ProjectSun(s, p.altitude_deg, p.azimuth_deg);
    // Altitude lines are drawn wherever they fall on the dial, without the
    // face condition at the border.
    if (!started) {
      pen.MoveTo(cur.x, cur.y);
      started = true;
    } else if (prev.visible && cur.visible) {
      pen.LineTo(cur.x, cur.y);
    } else if (cur.visible) {
      const Point b = ClipToRectangle({prev.x, prev.y}, {cur.x, cur.y}, s.clip);
      pen.MoveTo(b.x, b.y);
      pen.LineTo(cur.x, cur.y);
    } else if (prev.visible) {
      const Point b = ClipToRectangle({cur.x, cur.y}, {prev.x, prev.y}, s.clip);
      pen.LineTo(b.x, b.y);
    }
    prev = cur;
    if (a == to) break;
    // Two-degree steps; the last one is shortened to end exactly.
    a += 2 * dir;
    if ((dir > 0 && a > to) || (dir < 0 && a < to)) a = to;
  }
}

}  // namespace

void TraceAltitudeLines(const PlanarSetup& s, const model::Model& model,
                        PenSink& pen) {
  static constexpr double kSteps[] = {10, 5, 2.5};
  const double step = kSteps[std::min<int>(model.times.AltitudeLineStep, 2)];
  const double abs_phi = std::fabs(s.latitude);
  // The two solstice days, the same for every altitude.
  const DaySun summer = SolsticeSun(true, s.year);
  const DaySun winter = SolsticeSun(false, s.year);
  const int count = static_cast<int>(std::floor(
      (model.times.AltitudeLinesTo - model.times.AltitudeLinesFrom) / step +
      1e-9));
  for (int j = 0; j <= count && j < 100; ++j) {
    const double a = model.times.AltitudeLinesFrom + j * step;
    if (a > 113.45 - abs_phi) continue;
    double a1 = SolsticeAzimuthAtAltitude(a, abs_phi, summer);
    const bool has_winter = a < 66.55 - abs_phi;
    double a2 = has_winter ? SolsticeAzimuthAtAltitude(a, abs_phi, winter) : 0;
    if (s.latitude < 0 && a1 != -180) {
      a1 = Sign(a1) * 180 - a1;
      if (has_winter) a2 = Sign(a2) * 180 - a2;
    }
    const std::string label = "altitude " + astro::FormatFixed(1, 1, a);
    pen.BeginLine(LineRole::kAltitude, a, label.c_str());
    if (a1 == -180) {
      TraceAltitudePass(s, a, -180, 180, pen);
    } else if (has_winter) {
      TraceAltitudePass(s, a, a1, a2, pen);
      TraceAltitudePass(s, a, -a2, -a1, pen);
    } else {
      // Through the meridian: south in the northern hemisphere, north
      // (over +-180) in the southern one.
      const double end =
          s.latitude >= 0 ? -a1 : (a1 < 0 ? -360 - a1 : 360 - a1);
      TraceAltitudePass(s, a, a1, end, pen);
    }
  }
}

std::optional<double> HorizonLineY(const PlanarSetup& s) {
  if (s.kind != 'v' && s.kind != 'i') return std::nullopt;
  if (s.kind == 'i' && std::fabs(s.inclination) <= 1e-10) return std::nullopt;
  const double y = std::max(s.top_border, s.rect.top);
  if (y <= 0) return std::nullopt;
  return y;
}

Point FootPoint(const PlanarSetup& s) {
  if (s.kind == 'h') {
    double phi = s.latitude;
    if (std::fabs(phi) < 1e-5) phi = 1e-6;
    return {s.origin.x, s.origin.y + s.G / TanDeg(phi)};
  }
  const double i = s.kind == 'v' ? 90 : s.inclination;
  const Point d = StyleFootOffset(s.G, i, s.latitude, s.wall_declination);
  return {s.origin.x + d.x, s.origin.y - d.y};
}

}  // namespace lumtar::dials
