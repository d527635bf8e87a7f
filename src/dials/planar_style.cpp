#include "dials/planar_style.h"

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/pascal_math.h"
#include "astro/sun_position.h"
#include "dials/planar_lines.h"

namespace lumtar::dials {

using astro::CosDeg;
using astro::SinDeg;

namespace {

int DayCount(int day, int month, int year) {
  return static_cast<int>(astro::JulianDayNumber(day, month, year) -
                          astro::JulianDayNumber(0, 1, year));
}

// Hour angle of the apparent-time line at clock time `hour`: local
// apparent time, or the apparent time of the zone meridian.
double HourAngleOf(const PlanarSetup& s, const model::Model& model,
                   double hour) {
  const double lr =
      model.options.ApparentAtSite ? s.zone_meridian : s.longitude;
  return 15 * (hour - (lr - s.zone_meridian) / 15 - 12);
}

// One line to the foot point, begun only when some of it is on the page.
void DrawLine(PenSink& pen, const Rect& r, double hour,
              const std::string& label, Point from, Point to) {
  const auto part = ClipSegment(from, to, r);
  if (!part) return;
  pen.BeginLine(LineRole::kFootPointLine, hour, label.c_str());
  pen.MoveTo(part->first.x, part->first.y);
  pen.LineTo(part->second.x, part->second.y);
}

}  // namespace

void DrawSegmentInside(PenSink& pen, const Rect& r, Point a, Point b) {
  const auto part = ClipSegment(a, b, r);
  if (!part) return;
  pen.MoveTo(part->first.x, part->first.y);
  pen.LineTo(part->second.x, part->second.y);
}

void TraceFootPointLines(const PlanarSetup& s, const model::Model& model,
                         const HourLineAngleTable& table, PenSink& pen,
                         HourLineSamples* samples) {
  if (s.umbrella || !model.options.HourLinesToFootPoint) return;
  const Point f = FootPoint(s);
  const double limit = std::max(s.foot_line_limit, 1.0);
  HourLineSamples own(s.year, s.zone_meridian);
  HourLineSamples& lines = samples != nullptr ? *samples : own;
  for (const HourLineValue& v : HourLineValues(model, false)) {
    const double h = HourAngleOf(s, model, v.hour);
    // An hour at which the sun never shines on the plane has no line.
    if (h < table.first_limit || h > table.last_limit) continue;
    bool any_visible = false;
    double best = 0.01;
    Point far = f;
    for (const SunPoint& p : lines.Line(s, model, v.hour, false)) {
      if (!p.visible) continue;
      any_visible = true;
      const double d2 = (p.x - f.x) * (p.x - f.x) + (p.y - f.y) * (p.y - f.y);
      if (d2 > best) {
        best = d2;
        far = {p.x, p.y};
      }
    }
    const std::string label = v.label + " to the foot point";
    if (any_visible) {
      if (std::fabs(far.x) >= 2 * s.rect.right ||
          std::fabs(far.y) >= 2 * s.rect.bottom)
        continue;
      // A far point is pulled back along its ray from F, as a whole.
      const double d = std::sqrt(best);
      if (d > limit) {
        far = {f.x + (far.x - f.x) * limit / d,
               f.y + (far.y - f.y) * limit / d};
      }
      DrawLine(pen, s.rect, v.hour, label, f, far);
      continue;
    }
    if (v.full_hour < 0 || v.full_hour > 24 || v.step < 0 || v.step > 5)
      continue;
    const double alpha = table.HourLineAngles[v.full_hour][v.step];
    if (alpha == kNoHourLine) continue;
    // No point of the line on the page: a ray from F at its table angle.
    const double length = f.x < (s.rect.left + s.rect.right) / 2
                              ? s.rect.right - 2
                              : f.x - s.rect.left;
    const double sigma = s.kind == 'h' ? 1 : -1;
    const Point end{f.x - SinDeg(alpha) * sigma * length,
                    f.y - CosDeg(alpha) * sigma * length};
    DrawLine(pen, s.rect, v.hour, label, f, end);
  }
}

std::array<Point, 3> PoleTriangle(const PlanarSetup& s) {
  double dx, dy;
  if (s.kind == 'h') {
    double phi = s.latitude;
    if (std::fabs(phi) < 1e-5) phi = 1e-5;
    dx = 0;
    dy = -s.G / astro::TanDeg(phi);
  } else {
    const double i = s.kind == 'v' ? 90 : s.inclination;
    const Point d = StyleFootOffset(s.G, i, s.latitude, s.wall_declination);
    dx = d.x;
    dy = d.y;
  }
  double rho = std::hypot(dx, dy);
  if (rho == 0) rho = 1e-12;
  if (dx >= 0 && dy > 0) rho = -rho;
  if (s.latitude < 0 && dx >= 0 && dy < 0) rho = -rho;
  const Point o = s.origin;
  return {o, Point{o.x + s.G * dy / rho, o.y + s.G * dx / rho},
          Point{o.x + dx, o.y - dy}};
}

void TracePoleTriangle(const PlanarSetup& s, PenSink& pen) {
  if (s.umbrella) return;
  const auto c = PoleTriangle(s);
  pen.BeginLine(LineRole::kPoleTriangle, 0, "pole triangle");
  for (int k = 0; k < 3; ++k)
    DrawSegmentInside(pen, s.rect, c[k], c[(k + 1) % 3]);
}

void TraceHorizonLine(const PlanarSetup& s, PenSink& pen) {
  const auto y = HorizonLineY(s);
  if (!y) return;
  pen.BeginLine(LineRole::kHorizon, *y, "horizon line");
  DrawSegmentInside(pen, s.rect, {s.rect.left + 5, *y}, {s.rect.right - 5, *y});
}

std::vector<HourNumberPlace> HourNumberPlaces(const PlanarSetup& s,
                                              const model::Model& model) {
  std::vector<HourNumberPlace> places;
  const double lr =
      model.options.ApparentAtSite ? s.zone_meridian : s.longitude;
  const int equinox = DayCount(23, 9, s.year);
  const int solstice =
      s.latitude < -10 ? DayCount(21, 12, s.year) : DayCount(21, 6, s.year);
  for (int hour : {6, 9, 12, 15, 18}) {
    if (hour < model.times.ApparentHoursFrom ||
        hour > model.times.ApparentHoursTo)
      continue;
    const astro::SunPlace e = astro::SunPosition(
        s.year, equinox, hour + s.e_hours, s.phi_e, lr, s.zone_meridian, false);
    const astro::SunPlace z =
        astro::SunPosition(s.year, solstice, hour + s.e_hours, s.phi_e, lr,
                           s.zone_meridian, false);
    const SunPoint pe = ProjectSun(s, e.altitude_deg, e.azimuth_deg);
    const SunPoint pz = ProjectSun(s, z.altitude_deg, z.azimuth_deg);
    if (!pe.above || !pz.above) continue;
    if (s.kind != 'v' && std::fabs(z.azimuth_deg) > 179.5) continue;
    const double len = std::hypot(pz.x - pe.x, pz.y - pe.y);
    if (!(len > 1e-9)) continue;
    const Point dir{(pz.x - pe.x) / len, (pz.y - pe.y) / len};
    const Rect& r = s.rect;
    if (pz.x >= r.left && pz.x <= r.right && pz.y >= r.top &&
        pz.y <= r.bottom) {
      places.push_back({hour, {pz.x, pz.y}, dir, false});
    } else if (const auto part = ClipSegment({pe.x, pe.y}, {pz.x, pz.y}, r)) {
      places.push_back({hour, part->second, dir, true});
    }
  }
  return places;
}

}  // namespace lumtar::dials
