#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "dials/day_sun.h"
#include "dials/pen_sink.h"
#include "model/model.h"

namespace lumtar::dials {

// Geometry of the planar dials (horizontal 'h', vertical 'v', inclining
// 'i', plain or umbrella): the frame, the projection of the nodus shadow
// and the visibility and clipping rules that the screen drawer, the printer
// and the plot writer share. Device units, x to the right and y downward
// (the plot writer mirrors y); angles in degrees.

struct Rect {
  double left, top, right, bottom;
};

struct Point {
  double x, y;
};

// The plane of one construction and its frame.
struct PlanarSetup {
  char kind = 'h';
  bool umbrella = false;
  double latitude = 0;          // phi of the site
  double longitude = 0;         // lambda, west positive
  double zone_meridian = 0;     // lambda_z
  double wall_declination = 0;  // D
  double inclination = 0;       // i
  double disk_ratio = 0;        // r: disk radius / rod height
  int year = 2020;
  double obliquity = 23.44;  // of the year, rounded to 0.01

  // The plane description: latitude used, time shift (hours), azimuth
  // offset, and the normal of the lit face (azimuth, altitude).
  double phi_e = 0;
  double e_hours = 0;
  double azimuth_offset = 0;
  double normal_azimuth = 0;
  double normal_altitude = 90;

  double G = 0;    // gnomon height in device units
  Point origin{};  // O, the foot of the nodus
  Rect rect{};
  double top_border = 0;  // top of the rectangle or the horizon line below it
  // The rectangle the lines are clipped to: the drawing rectangle, for
  // vertical and inclined planes cut at the horizon line.
  Rect clip{};
  // The longest line drawn from the foot point of the polar style towards
  // an hour line, in device units (hour lines to the foot point).
  double foot_line_limit = 2000;
};

// Builds the setup of the model's planar kind for a drawing rectangle,
// gnomon units and origin. For the plain inclining dial the plane becomes
// the horizontal dial of the same plane (latitude phi', time shift
// -dlambda'/15, azimuth offset D').
PlanarSetup MakePlanarSetup(const model::Model& model, const Rect& rect,
                            double gnomon_units, Point origin);

// The drawn gnomon height in mm: GnomonHeight x zoom to 0.01 mm, at least
// 5 mm; `zoom` is raised when the floor applies.
double DrawnGnomonMm(double gnomon_height, double& zoom);

// One projected sample.
struct SunPoint {
  double x = 0, y = 0;
  bool above = false;    // sun above (and, for plain dials, on the face)
  bool visible = false;  // above and inside the rectangle
  bool on_face = false;  // sun on the side of the plane that carries the dial
};

// Shadow of the nodus for the sun at altitude h and azimuth A.
SunPoint ProjectSun(const PlanarSetup& s, double altitude, double azimuth);

// The point where the segment from `inside` to `outside` meets the closed
// rectangle (at most one adjustment per axis). When `inside` is itself
// outside, `outside` is returned unchanged.
Point ClipToRectangle(Point outside, Point inside, const Rect& r);

// The part of the segment a -> b inside the closed rectangle, in the same
// direction; nullopt when none of it is inside. Pure.
std::optional<std::pair<Point, Point>> ClipSegment(Point a, Point b,
                                                   const Rect& r);

// Draws the part of the segment prev -> cur inside the rectangle.
void DrawClippedSegment(PenSink& pen, const Rect& r, const SunPoint& prev,
                        const SunPoint& cur);

// The foot point offset (dx, dy) of the polar style for 'v' (i = 90) and
// 'i'; F = (O_x + dx, O_y - dy).
Point StyleFootOffset(double gnomon, double inclination, double latitude,
                      double wall_declination);

// The 13 declinations of whole-hour day lengths: entry 0 = 0, entry k the
// declination of a day of 12 + k hours; 999 beyond the obliquity, 0 below
// one degree.
std::array<double, 13> SunshineDeclinations(double latitude, double obliquity);

// The morning azimuth at which the sun reaches `altitude` at the summer
// (or winter) solstice of `year` at latitude |phi|; -180 when the sun is
// above that altitude all the time searched, or never reaches it.
double SolsticeAzimuthAtAltitude(double altitude, double abs_latitude,
                                 bool summer, int year);

// The sun of 21 June (summer) or 21 December of `year` at the zone
// meridian 0, which SolsticeAzimuthAtAltitude searches.
DaySun SolsticeSun(bool summer, int year);

// As above with that day's sun made once for many altitudes.
double SolsticeAzimuthAtAltitude(double altitude, double abs_latitude,
                                 const DaySun& solstice_sun);

}  // namespace lumtar::dials
