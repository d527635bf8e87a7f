#include "dials/shadow_point.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "astro/calendar.h"
#include "astro/sun_position.h"
#include "dials/planar_construction.h"
#include "output/page_model.h"

namespace lumtar::dials {

ShadowPoint ComputeShadowPoint(const model::Model& model,
                               const DrawTarget& target,
                               const ShadowMoment& moment) {
  ShadowPoint r;
  const char kind = model.DialKind;
  if (kind == '\0' || std::strchr("hvi", kind) == nullptr) return r;
  if (target.width < 1 || target.height < 1) return r;

  // The plane, gnomon and foot exactly as the drawer prepares them.
  model::Model m = model;
  if (m.DialKind == 'h' && std::fabs(m.parameters.Latitude) < 1e-5)
    m.parameters.Latitude = 1e-6;
  double zoom = m.window.Zoom;
  if (!std::isfinite(zoom) || zoom <= 0) zoom = output::kZoomStart;
  zoom = std::clamp(zoom, output::kZoomMin, output::kZoomMax);
  const double gnomon_mm = DrawnGnomonMm(m.parameters.GnomonHeight, zoom);
  const double margin = target.screen ? 0 : output::kPrinterMargin;
  const Rect rect{margin, margin, target.width - margin,
                  target.height - margin};
  const double units =
      target.screen ? output::UnitsPerMm(output::OutputSpace::kScreen,
                                         target.width, m.window.PrintLikeScreen)
                    : output::kPrinterUnitsPerMm;
  Point origin =
      DefaultOrigin(kind, m.parameters.Latitude, target.width, target.height);
  const model::ConstructionWindow& w = m.window;
  if (w.OriginPicked) {
    if (target.screen) {
      origin = {static_cast<double>(w.OriginPoint.x),
                static_cast<double>(w.OriginPoint.y)};
    } else if (w.ImageWidth >= 1 && w.ImageHeight >= 1) {
      origin = {
          w.OriginPoint.x * static_cast<double>(target.width) / w.ImageWidth,
          w.OriginPoint.y * static_cast<double>(target.height) / w.ImageHeight};
    }
  }
  const PlanarSetup s = MakePlanarSetup(m, rect, units * gnomon_mm, origin);

  const int day = static_cast<int>(
      astro::JulianDayNumber(moment.day, moment.month, moment.year) -
      astro::JulianDayNumber(0, 1, moment.year));
  const auto& p = m.parameters;
  // The real sun at the site, and the same instant in the frame of the
  // plane (an inclined plane is the horizontal dial of its own latitude,
  // its clock shifted by the difference of longitude).
  const astro::SunPlace site =
      astro::SunPosition(moment.year, day, moment.zone_time, p.Latitude,
                         p.Longitude, p.ZoneMeridian, true);
  const astro::SunPlace plane =
      astro::SunPosition(moment.year, day, moment.zone_time + s.e_hours,
                         s.phi_e, p.Longitude, p.ZoneMeridian, true);
  const SunPoint shadow = ProjectSun(s, plane.altitude_deg, plane.azimuth_deg);

  r.valid = true;
  r.sun_up = site.altitude_deg > 0 && shadow.above;
  r.inside = shadow.visible;
  r.foot = s.origin;
  r.tip = {shadow.x, shadow.y};
  r.altitude = site.altitude_deg;
  r.azimuth = site.azimuth_deg;
  r.apparent_time = std::fmod(12 + site.hour_angle_deg / 15 + 48, 24);
  return r;
}

}  // namespace lumtar::dials
