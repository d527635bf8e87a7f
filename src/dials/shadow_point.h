#pragma once

#include "dials/construction_io.h"
#include "dials/planar_geometry.h"
#include "model/model.h"

namespace lumtar::dials {

// The shadow of the nodus on a planar dial ('h', 'v', 'i', plain and
// umbrella) for the real sun at a moment of zone time, in the device units
// of the construction drawn on `target` (the same gnomon foot, gnomon
// length and plane as the drawer uses). For the preview over a drawn dial;
// it is never part of a plot.

struct ShadowMoment {
  int day = 1;  // calendar date (Julian before 15 Oct 1582)
  int month = 1;
  int year = 2020;
  double zone_time = 12;  // hours of zone time (no daylight saving)
};

struct ShadowPoint {
  bool valid = false;   // a planar kind on a target of at least 1 x 1
  bool sun_up = false;  // above the horizon and on the lit face
  bool inside = false;  // the tip lies inside the drawing rectangle
  Point foot{};         // O, the foot of the nodus
  Point tip{};          // the shadow of the nodus
  double altitude = 0;  // of the sun, degrees
  double azimuth = 0;   // 0 south, west positive
  // Local apparent time at the site, hours: the apparent-time hour line
  // the tip lies on.
  double apparent_time = 0;
};

ShadowPoint ComputeShadowPoint(const model::Model& model,
                               const DrawTarget& target,
                               const ShadowMoment& moment);

}  // namespace lumtar::dials
