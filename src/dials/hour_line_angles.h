#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/model.h"

namespace lumtar::dials {

// The hour-line angle table of the plain planar dials: the angle of every
// hour line against the vertical of the drawing, the style data and the
// sunshine period of the plane. 500 marks "no line".
inline constexpr double kNoHourLine = 500.0;

struct HourLineAngleTable {
  // [hour 0..24][step within the hour 0..5], degrees in [-180, 180].
  std::array<std::array<double, 6>, 25> HourLineAngles;
  double first_limit = 0;   // HourAngleLimits: first and last hour angle of
  double last_limit = 0;    // sunshine on the plane
  double style_height = 0;  // E
  double substyle = 0;      // G
  double noon_angle = 0;    // J
  std::string title;        // "Angles of the Hour Lines in a ..."
  std::string
      sunshine_text;  // "Sun on Sundial Plane: ...   Local Apparent Time"
  std::vector<std::string> summary;  // the style lines
  struct Cell {
    double hour;          // clock time of the line
    std::string time;     // "h:mm"
    std::string angle;    // width 9, 2 decimals
    std::string tangent;  // width 9, 3 (2 from 100) decimals or >10000
  };
  std::vector<Cell> cells;  // in time order
};

// Computes the table for the model's plain planar dial ('h', 'v', 'i').
// With `longitude_correction` the hour angles take the site's longitude
// against the zone meridian into account.
HourLineAngleTable ComputeHourLineAngles(const model::Model& model,
                                         bool longitude_correction);

}  // namespace lumtar::dials
