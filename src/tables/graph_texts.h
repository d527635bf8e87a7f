#pragma once

#include <string>
#include <string_view>

#include "texts/language.h"

namespace lumtar::tables {

// The graphs' own texts (titles, axis names, legends) in both languages.
enum class GraphText {
  kEotTitle,        // "Equation of time "
  kSunPathTitle,    // "Sun path diagram "
  kLatitude,        // "Latitude "
  kLongitude,       // "Longitude "
  kZoneMeridian,    // "Zone meridian "
  kAzimuth,         // "Azimuth"
  kAltitude,        // "Altitude"
  kApparentHours,   // "Hour lines: local apparent time"
  kMeanHours,       // "Hour loops: local mean time"
  kZoneHours,       // "Hour loops: zone time (no DST)"
  kPlane,           // "Sunshine on the plane: declination "
  kInclination,     // ", inclination "
  kFirstLastLight,  // "First and last sunlight (local apparent time):"
  kHorizonProfile,  // "Horizon profile"
  kMinutes,         // "min"
};
std::string_view GraphTextOf(GraphText text, texts::Language language);

// The compass letter of azimuth 0 S, 90 W, 180 N, -90 E (German "O").
std::string_view CompassLetter(int azimuth, texts::Language language);

// "47.25°" with `decimals` places and no leading blanks.
std::string Degrees(double value, int decimals);

// The site line of the graph titles: latitude, longitude, zone meridian.
std::string SiteLine(double latitude, double longitude, double zone_meridian,
                     texts::Language language);

}  // namespace lumtar::tables
