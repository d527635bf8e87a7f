#include "dials/planar_geometry.h"

#include <algorithm>
#include <cmath>

#include "astro/calendar.h"
#include "astro/pascal_math.h"
#include "astro/sun_position.h"
#include "dials/day_sun.h"

namespace lumtar::dials {

using astro::CosDeg;
using astro::kDegPerRad;
using astro::kRadPerDeg;
using astro::Sign;
using astro::SinDeg;

namespace {

// A value of magnitude below 10^-k becomes (sign + 0.2) 10^-k, so that it
// keeps a side and later divisions stay finite.
double Guard(double v, int k) {
  const double limit = std::pow(10.0, -k);
  return std::fabs(v) < limit ? (Sign(v) + 0.2) * limit : v;
}

}  // namespace

double DrawnGnomonMm(double gnomon_height, double& zoom) {
  double g = std::nearbyint(gnomon_height * zoom * 100) / 100;
  if (g < 5) {
    g = 5;
    if (gnomon_height > 0) zoom = 5 / gnomon_height;
  }
  return g;
}

PlanarSetup MakePlanarSetup(const model::Model& model, const Rect& rect,
                            double gnomon_units, Point origin) {
  const auto& p = model.parameters;
  PlanarSetup s;
  s.kind = model.DialKind;
  s.umbrella = model.selectors.UmbrellaFlag != 0;
  s.latitude = p.Latitude;
  s.longitude = p.Longitude;
  s.zone_meridian = p.ZoneMeridian;
  s.wall_declination = p.WallDeclination;
  s.inclination = p.Inclination;
  s.disk_ratio = p.UmbrellaDiskRatio;
  s.year = p.Year;
  s.obliquity = model.values.Obliquity;
  s.G = gnomon_units;
  s.origin = origin;
  s.rect = rect;
  s.phi_e = p.Latitude;
  switch (s.kind) {
    case 'v':
      s.normal_azimuth = p.WallDeclination;
      s.normal_altitude = 0;
      break;
    case 'i':
      if (s.umbrella) {
        s.azimuth_offset = p.WallDeclination;
        s.normal_azimuth = p.WallDeclination;
        s.normal_altitude = 90 - p.Inclination;
      } else {
        // The horizontal dial that lies in the same plane.
        const astro::PolarStyle ps = astro::PolarStyleGeometry(
            p.Inclination, p.WallDeclination, p.Latitude);
        s.phi_e = ps.style_height_deg;
        s.e_hours = -ps.u_deg / 15;
        s.azimuth_offset = ps.v_deg;
        s.normal_azimuth = ps.v_deg;
        s.normal_altitude = 90;
      }
      break;
    default:
      break;
  }

  // The horizon line of vertical and inclined planes limits the sunlit part.
  double horizon = rect.top;
  if (s.kind == 'v') {
    horizon = origin.y;
  } else if (s.kind == 'i' && std::fabs(s.inclination) > 1e-10) {
    horizon = s.umbrella ? origin.y - s.G / SinDeg(s.inclination)
                         : origin.y - s.G * CosDeg(s.inclination) /
                                          SinDeg(s.inclination);
  }
  s.top_border = std::max(rect.top, horizon);
  s.clip = rect;
  s.clip.top = std::min(s.top_border, rect.bottom);
  return s;
}

namespace {

// Sine and cosine of the plane normal of the last projection: a
// construction projects thousands of samples onto the same plane.
struct NormalTrig {
  double altitude = std::nan("");
  double azimuth = std::nan("");
  astro::DegTrig sin_cos_altitude, sin_cos_azimuth;
};

const NormalTrig& NormalTrigOf(const PlanarSetup& s) {
  thread_local NormalTrig last;
  if (!(last.altitude == s.normal_altitude &&
        last.azimuth == s.normal_azimuth)) {
    last.altitude = s.normal_altitude;
    last.azimuth = s.normal_azimuth;
    last.sin_cos_altitude = astro::DegTrig(s.normal_altitude);
    last.sin_cos_azimuth = astro::DegTrig(s.normal_azimuth);
  }
  return last;
}

}  // namespace

SunPoint ProjectSun(const PlanarSetup& s, double altitude, double azimuth) {
  SunPoint pt;
  // sin and cos of h are those of the altitude in degrees (same argument).
  const astro::DegTrig alt(altitude), az(azimuth);
  const double h = altitude * kRadPerDeg;
  const double r = s.disk_ratio;
  bool above = false;
  if (s.kind == 'v') {
    const double a = (azimuth - s.wall_declination) * kRadPerDeg;
    const double ka = Guard(std::cos(a), 15);
    double x = s.G * std::sin(a) / ka;
    const double kh = Guard(alt.cos, 15);
    double y = (s.G / ka) * alt.sin / kh;
    if (s.umbrella) {
      const double rho = std::hypot(x, y);
      const double w = (std::fabs(x) < 1e-8 && std::fabs(y) < 1e-8)
                           ? r * 1e8
                           : r * s.G / rho;
      x *= 1 + w;
      y *= 1 + w;
    }
    pt.x = x + s.origin.x;
    pt.y = y + s.origin.y;
    above = (std::fabs(a) < 1.57 || std::fabs(a) > 4.71) && h > 0;
  } else {
    const double a = (azimuth - s.azimuth_offset) * kRadPerDeg;
    double g = s.G;
    const double c8 = Guard(alt.cos, 8);
    if (s.umbrella) g = s.G * (1 + r * alt.sin / c8);
    if (s.kind == 'i' && s.umbrella) {
      const double t = s.inclination * kRadPerDeg;
      const double u =
          Guard(std::sin(t) * std::cos(a) + std::cos(t) * alt.sin / c8, 15);
      pt.x = s.origin.x + g * std::cos(t) * std::sin(a) / u;
      pt.y = s.origin.y - g * std::cos(a) / u;
      above = h > 0 && pt.x >= s.rect.left && pt.x < s.rect.right &&
              pt.y > s.top_border && pt.y < s.rect.bottom;
      if (std::fabs(a) > 1.57)
        above = above &&
                alt.sin * std::cos(t) + std::sin(t) * std::cos(a) * alt.cos > 0;
    } else {
      const double hg = Guard(h, 8);
      const double rho =
          hg == h ? g * alt.cos / alt.sin : g * std::cos(hg) / std::sin(hg);
      // Without an offset a is the azimuth itself (x - (+0) is x).
      const bool plain =
          s.azimuth_offset == 0 && !std::signbit(s.azimuth_offset);
      pt.x = s.origin.x + rho * (plain ? az.sin : std::sin(a));
      pt.y = s.origin.y - rho * (plain ? az.cos : std::cos(a));
      above = h > 0;
    }
  }

  // Far points: the offset from O is shortened as a whole, keeping its
  // direction.
  double dx = pt.x - s.origin.x, dy = pt.y - s.origin.y;
  if (!std::isfinite(dx) || !std::isfinite(dy)) {
    dx = dy = 1e8;
    above = false;
  }
  for (int k = 0; k < 400 && (std::fabs(dx) > 1e8 || std::fabs(dy) > 1e8);
       ++k) {
    dx /= 10;
    dy /= 10;
  }
  pt.x = s.origin.x + dx;
  pt.y = s.origin.y + dy;

  const NormalTrig& n = NormalTrigOf(s);
  pt.on_face =
      astro::PlaneIncidence(alt, az, n.sin_cos_altitude, n.sin_cos_azimuth) > 0;
  // Above the horizon line of a wall or an inclined plane the sun is below
  // the horizon: nothing there is part of the dial.
  const bool inside = s.clip.left <= pt.x && pt.x < s.clip.right &&
                      s.clip.top < pt.y && pt.y < s.clip.bottom;
  if (!s.umbrella) above = above && pt.on_face;
  pt.above = above;
  pt.visible = above && inside;
  return pt;
}

Point ClipToRectangle(Point outside, Point inside, const Rect& r) {
  const bool inside_ok = inside.x >= r.left && inside.x <= r.right &&
                         inside.y >= r.top && inside.y <= r.bottom;
  if (!inside_ok) return outside;
  Point p = outside;
  if (p.x < r.left || p.x > r.right) {
    const double edge = p.x < r.left ? r.left : r.right;
    const double d = Guard(p.x - inside.x, 6);
    p.y = inside.y + (p.y - inside.y) * (edge - inside.x) / d;
    p.x = edge;
  }
  if (p.y < r.top || p.y > r.bottom) {
    const double edge = p.y < r.top ? r.top : r.bottom;
    const double d = Guard(p.y - inside.y, 6);
    p.x = inside.x + (p.x - inside.x) * (edge - inside.y) / d;
    p.y = edge;
  }
  return p;
}

std::optional<std::pair<Point, Point>> ClipSegment(Point a, Point b,
                                                   const Rect& r) {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) ||
      !std::isfinite(b.y))
    return std::nullopt;
  // Both ends inside: the edge tests below would give t0 = 0 and t1 = 1
  // (rounding is monotonic, so no quotient falls inside (0, 1)), that is
  // the segment itself; most segments of a construction are such.
  const auto inside = [&r](Point p) {
    return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
  };
  if (inside(a) && inside(b)) return std::make_pair(a, b);
  // Parameter range [t0, t1] of a + t (b - a) inside each pair of edges.
  double t0 = 0, t1 = 1;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const auto edge = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return false;
      t1 = std::min(t1, t);
    }
    return true;
  };
  if (!edge(-dx, a.x - r.left) || !edge(dx, r.right - a.x) ||
      !edge(-dy, a.y - r.top) || !edge(dy, r.bottom - a.y))
    return std::nullopt;
  const Point p{t0 == 0 ? a.x : a.x + t0 * dx, t0 == 0 ? a.y : a.y + t0 * dy};
  const Point q{t1 == 1 ? b.x : a.x + t1 * dx, t1 == 1 ? b.y : a.y + t1 * dy};
  return std::make_pair(p, q);
}

void DrawClippedSegment(PenSink& pen, const Rect& r, const SunPoint& prev,
                        const SunPoint& cur) {
  const Point p{prev.x, prev.y}, q{cur.x, cur.y};
  if (prev.visible && cur.visible) {
    pen.LineTo(q.x, q.y);
  } else if (cur.visible) {
    if (prev.on_face) {
      const Point b = ClipToRectangle(p, q, r);
      pen.MoveTo(b.x, b.y);
      pen.LineTo(q.x, q.y);
    } else {
      pen.MoveTo(q.x, q.y);
    }
  } else if (prev.visible) {
    if (cur.on_face) {
      const Point b = ClipToRectangle(q, p, r);
      pen.LineTo(b.x, b.y);
    } else {
      pen.MoveTo(q.x, q.y);
    }
  }
}

Point StyleFootOffset(double gnomon, double inclination, double latitude,
                      double wall_declination) {
  double d = wall_declination;
  for (double pole : {90.0, -90.0}) {
    if (std::fabs(d - pole) < 0.07) d = d < pole ? pole - 0.07 : pole + 0.07;
  }
  double phi = latitude;
  if (std::fabs(phi - 90) < 0.001) phi = 89.999;
  if (std::fabs(phi + 90) < 0.001) phi = -89.999;
  const double i = inclination;
  double j = SinDeg(i) * CosDeg(d) - CosDeg(i) * astro::TanDeg(phi);
  if (std::fabs(j) < 1e-5) j = (Sign(j) + 0.5) * 1e-5;
  return {
      -gnomon * SinDeg(d) / j,
      (CosDeg(d) * CosDeg(i) + SinDeg(i) * astro::TanDeg(phi)) * gnomon / j};
}

std::array<double, 13> SunshineDeclinations(double latitude, double obliquity) {
  std::array<double, 13> d{};
  if (std::fabs(latitude) < 0.01) return d;
  for (int k = 1; k <= 12; ++k) {
    double v = std::atan(SinDeg(7.5 * k) / astro::TanDeg(std::fabs(latitude))) *
               kDegPerRad;
    if (std::fabs(v) > obliquity)
      v = 999;
    else if (std::fabs(v) < 1)
      v = 0;
    d[k] = v;
  }
  return d;
}

DaySun SolsticeSun(bool summer, int year) {
  const int day =
      static_cast<int>(astro::JulianDayNumber(21, summer ? 6 : 12, year) -
                       astro::JulianDayNumber(0, 1, year));
  // The sun of that day, interpolated over the day from the ephemeris.
  return DaySun(year, day, 0);
}

double SolsticeAzimuthAtAltitude(double altitude, double abs_latitude,
                                 bool summer, int year) {
  return SolsticeAzimuthAtAltitude(altitude, abs_latitude,
                                   SolsticeSun(summer, year));
}

double SolsticeAzimuthAtAltitude(double altitude, double abs_latitude,
                                 const DaySun& sun) {
  const astro::DegTrig latitude(abs_latitude);
  auto at = [&](double t) { return sun.At(t, latitude, 0, true); };
  // Already above it at the start of the search: the line is a full circle
  // (or, with the sun never reaching it, no line at all).
  if (at(-0.5).altitude_deg > altitude) return -180;
  double t = -0.5;
  bool reached = false;
  for (int step = 0; step < 100 && t <= 14.5; ++step) {
    t += 0.2;
    if (at(t).altitude_deg > altitude) {
      reached = true;
      break;
    }
  }
  if (!reached) return -180;
  for (int step = 0; step < 100 && at(t).altitude_deg > altitude; ++step)
    t -= 0.004;
  return at(t + 0.002).azimuth_deg;
}

}  // namespace lumtar::dials
