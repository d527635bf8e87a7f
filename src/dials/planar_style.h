#pragma once

#include <array>
#include <vector>

#include "dials/hour_line_angles.h"
#include "dials/pen_sink.h"
#include "dials/planar_geometry.h"
#include "dials/planar_lines.h"
#include "model/model.h"

namespace lumtar::dials {

// The parts of the planar construction that belong to the polar style and
// to the frame of the dial: hour lines continued to the foot point, the
// pole triangle, the horizon line and the places of the hour numbers.
// Device units, y downward, as in planar_geometry.h.

// Draws the part of the segment a -> b inside `r` (nothing when none is).
void DrawSegmentInside(PenSink& pen, const Rect& r, Point a, Point b);

// Hour lines to the foot point F (plain dials, HourLinesToFootPoint): for
// every apparent-time line whose hour angle lies within the sunshine
// limits of `table`, a straight line from F towards the farthest visible
// point of the line. A point farther than s.foot_line_limit from F is
// pulled back along its ray from F to that distance; the hour line itself
// is left as drawn. A line without a visible point is replaced by a ray
// from F at its angle in the table (unless that is "no line"). Everything
// is cut at the drawing rectangle. Role kFootPointLine.
// `samples` (optional) is the store of sampled hour lines of this setup.
void TraceFootPointLines(const PlanarSetup& s, const model::Model& model,
                         const HourLineAngleTable& table, PenSink& pen,
                         HourLineSamples* samples = nullptr);

// The corners of the pole triangle: the gnomon foot O, the point at the
// distance G from O perpendicular to OF, and the foot point F (for 'h' a
// latitude below 1e-5 counts as 1e-5). Not for umbrella dials.
std::array<Point, 3> PoleTriangle(const PlanarSetup& s);

// The pole triangle, cut at the drawing rectangle. Role kPoleTriangle.
void TracePoleTriangle(const PlanarSetup& s, PenSink& pen);

// The horizon line of vertical and inclined planes across the drawing
// rectangle, 5 units inside each side. Role kHorizon.
void TraceHorizonLine(const PlanarSetup& s, PenSink& pen);

// Where the hour numbers 6, 9, 12, 15 and 18 stand: for each hour within
// the apparent-time range whose points on 23 September and at the solstice
// (21 June; 21 December south of -10 degrees) are sunlit (and, except on
// vertical dials, whose solstice azimuth lies within +-179.5 degrees), the
// solstice point and the unit direction from the equinox point to it. When
// the solstice point lies beyond the drawing rectangle, the place is where
// the line from the equinox point leaves the rectangle, marked `cut` (the
// number then goes inside, before that point); an hour whose line misses
// the rectangle has no place.
struct HourNumberPlace {
  int hour;
  Point solstice;
  Point direction;
  bool cut;
};
std::vector<HourNumberPlace> HourNumberPlaces(const PlanarSetup& s,
                                              const model::Model& model);

}  // namespace lumtar::dials
