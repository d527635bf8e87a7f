#include "dials/hour_line_angles.h"

#include <algorithm>
#include <cmath>

#include "astro/format.h"
#include "astro/pascal_math.h"
#include "astro/sun_position.h"
#include "astro/sunshine.h"
#include "texts/text_table.h"

namespace lumtar::dials {

using astro::CosDeg;
using astro::kDegPerRad;
using astro::Sign;
using astro::SinDeg;
using astro::TanDeg;

namespace {

double Wrap180(double a) {
  if (!std::isfinite(a)) return a;
  a = std::fmod(a, 360.0);
  if (a > 180) a -= 360;
  if (a < -180) a += 360;
  return a;
}

// Minutes per step of the hour-line interval index: 60, 30, 20, 15, 10.
int StepMinutes(int index) {
  static constexpr int kMinutes[] = {60, 30, 20, 15};
  return index >= 0 && index < 4 ? kMinutes[index] : 10;
}

std::string TangentText(double a) {
  const double t = std::tan(a * astro::kRadPerDeg);
  if (t >= 10000) return "   >10000";
  if (t <= -10000) return "  <-10000";
  return astro::FormatFixed(9, std::fabs(t) >= 100 ? 2 : 3, t);
}

}  // namespace

HourLineAngleTable ComputeHourLineAngles(const model::Model& model,
                                         bool longitude_correction) {
  const auto& p = model.parameters;
  const texts::Language lang = model.Language;
  const char kind = model.DialKind;
  const double phi = p.Latitude;
  const double d = kind == 'h' ? 0 : p.WallDeclination;
  const double z = kind == 'h' ? 0 : (kind == 'v' ? 90 : p.Inclination);

  HourLineAngleTable t;
  for (auto& row : t.HourLineAngles) row.fill(kNoHourLine);

  // Title and sunshine period.
  t.title = std::string(texts::RawText(1558, lang)) +
            std::string(texts::RawText(
                kind == 'h' ? 1532 : (kind == 'v' ? 1533 : 1534), lang));
  const astro::FirstLastLightResult light =
      astro::FirstLastLight(0, z, d, phi, model.values.Obliquity);
  t.first_limit = light.first;
  t.last_limit = light.last;
  t.sunshine_text = std::string(texts::RawText(1218, lang)) + light.text +
                    "   " + std::string(texts::RawText(1010, lang));

  // Style height E, substyle angle G, noon-line angle J.
  const double se =
      SinDeg(phi) * CosDeg(z) - CosDeg(phi) * SinDeg(z) * CosDeg(d);
  const double e =
      std::fabs(se) > 0.9999999 ? Sign(se) * 90 : std::asin(se) * kDegPerRad;
  double g;
  if (kind == 'h') {
    g = phi >= 0 ? 180 : 0;
  } else if (std::fabs(d * astro::kRadPerDeg) < 0.0001) {
    g = 0;
  } else {
    g = 90 - std::atan((TanDeg(phi) * SinDeg(z) + CosDeg(z) * CosDeg(d)) /
                       SinDeg(d)) *
                 kDegPerRad;
    if (e * phi < 0 && std::fabs(g) < 90) g += 180;
    if (e * phi > 0 && std::fabs(g) > 90) g -= Sign(g) * 180;
    g = (g >= 0 && g <= 180) ? g - 180 : g - Sign(g) * 180;
  }
  double j = std::atan(CosDeg(z) * TanDeg(d)) * kDegPerRad;
  auto turn = [&]() { j = j >= 0 ? j - 180 : j + 180; };
  if (phi > 0 && e > 0 &&
      CosDeg(z) * SinDeg(phi) - CosDeg(d) * SinDeg(z) * CosDeg(phi) > 0 &&
      std::fabs(d) < 90)
    turn();
  if (phi <= 0 && e < 0 &&
      CosDeg(z) * SinDeg(phi) + CosDeg(d) * SinDeg(z) * CosDeg(phi) < 0 &&
      std::fabs(d) > 90)
    turn();
  t.style_height = e;
  t.substyle = g;
  t.noon_angle = j;

  // The shadow of the style lies on the substyle when the sun's hour angle
  // equals the style's difference of longitude.
  const astro::PolarStyle ps = astro::PolarStyleGeometry(z, d, phi);
  const double substyle_time = 12 + ps.u_deg / 15;
  auto deg = [](double v) { return astro::FormatFixed(8, 3, v) + " deg "; };
  t.summary.push_back("  " + std::string(texts::RawText(1559, lang)) + deg(g));
  t.summary.push_back("  " + std::string(texts::RawText(1560, lang)) + deg(e));
  t.summary.push_back("  " + std::string(texts::RawText(1561, lang)) + "  " +
                      astro::FormatHoursMinutes(substyle_time));
  if (kind != 'h')
    t.summary.push_back("  " + std::string(texts::RawText(1562, lang)) + " " +
                        deg(j));

  // The angles.
  const int step = StepMinutes(model.options.ApparentHourSubdivisions - '0');
  const int from = std::max(0, model.times.ApparentHoursFrom);
  const int to = std::min(24, model.times.ApparentHoursTo);
  for (int hour = from; hour <= to; ++hour) {
    for (int k = 0; k * step < 60 && k < 6; ++k) {
      const double clock = hour + k * step / 60.0;
      if (clock > to + 1e-9) break;
      double h = (clock - 12) * 15;
      if (longitude_correction) h += -p.Longitude + p.ZoneMeridian;
      if (h == 0) h = 1e-12;
      if (h == 90) h = 89.999999999;
      if (h == -90) h = -89.999999999;
      const double c = 1 / TanDeg(h);
      const double n = CosDeg(z) * (SinDeg(phi) * CosDeg(d) - SinDeg(d) * c) -
                       CosDeg(phi) * SinDeg(z);
      double m = -CosDeg(d) * c - SinDeg(phi) * SinDeg(d);
      if (std::fabs(m) < 1e-17) m = (m < 0 ? -1 : 1) * 1e-17;
      double a = std::atan(n / m) * kDegPerRad;
      if (kind == 'h') {
        if (h > 90) a += 180;
        if (h < -90) a -= 180;
      } else if (std::fabs(e) <= 1e-6) {
        a = g;
      } else if (e > 0) {
        if (h <= 0 && (a < j || std::fabs(a - j) > 180))
          a += 180;
        else if (h >= 0 && (a > j || std::fabs(a - j) > 180))
          a -= 180;
      } else {
        if (h <= 0 && (a > j || std::fabs(a - j) > 180))
          a -= 180;
        else if (h >= 0 && (a < j || std::fabs(a - j) > 180))
          a += 180;
      }
      t.HourLineAngles[hour][k] = Wrap180(a);
    }
  }

  // Continuity: from the hour of mid-sunshine forward, then backward, a
  // jump between 90 and 300 degrees is a line drawn the wrong way round.
  int start =
      static_cast<int>(std::nearbyint((t.first_limit + t.last_limit) / 30)) +
      12;
  start = std::clamp(start, from, std::max(from, to));
  double prev = t.HourLineAngles[start][0];
  auto fix = [&](double& a) {
    if (a == kNoHourLine) return;
    if (prev != kNoHourLine) {
      const double diff = std::fabs(a - prev);
      if (diff > 90 && diff < 300) a = Wrap180(a + (e >= 0 ? 180 : -180));
    }
    prev = a;
  };
  for (int hour = start; hour <= to; ++hour)
    for (double& a : t.HourLineAngles[hour]) fix(a);
  prev = t.HourLineAngles[start][0];
  for (int hour = start - 1; hour >= from; --hour)
    for (int k = 5; k >= 0; --k) fix(t.HourLineAngles[hour][k]);

  for (int hour = from; hour <= to; ++hour) {
    for (int k = 0; k < 6; ++k) {
      const double a = t.HourLineAngles[hour][k];
      if (a == kNoHourLine) continue;
      const int minutes = k * step;
      std::string time = std::to_string(hour) + ":" +
                         (minutes < 10 ? "0" : "") + std::to_string(minutes);
      t.cells.push_back({hour + minutes / 60.0, time,
                         astro::FormatFixed(9, 2, a), TangentText(a)});
    }
  }
  return t;
}

}  // namespace lumtar::dials
