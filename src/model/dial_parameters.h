#pragma once

#include <cstdint>

namespace lumtar::model {

// The one record of site and dial values, in its stored field order. Angles
// in degrees (longitudes and wall declinations west positive, east
// negative), lengths in millimetres. The member initialisers are the
// built-in defaults of a fresh installation.
struct DialParameters {
  double Latitude = 47.251315;     // north positive, [-90, 90]
  double Longitude = -9.590825;    // [-180, 180]
  double ZoneMeridian = -15.0;     // meridian of the civil time zone
  double WallDeclination = -11.7;  // azimuth of the plane's normal
  double Inclination = 25.4589;    // plane from the horizontal, [0, 175]
  double ConeAxisInclination = 47.251315;  // m, c: [-175, 175]
  double ConeHalfAngle = 12.0;             // m, c: [0, 85]
  double UmbrellaDiskRatio = 0.35;         // disk radius / rod height
  double GnomonHeight = 35.0;              // planar, umbrella rod, w, p, cone
  double HabermelGnomon = 2.0;             // [9, 100]
  double HabermelDiameter = 200.0;         // [30, 200]
  double RingHolePosition = 30.0;          // [10, 90]
  double RingDiameter = 150.0;             // [10, 300]
  double RingWidth = 80.0;                 // [4.5, 300]
  double Latitude2 = 47.25;                // second site of the c and m pages
  double Longitude2 = -15.0;
  double WallDeclination2 = 78.3;
  double CylinderRadius = 250.0;         // z variant 2, [4, 500]
  double CylinderGnomon = 51.0;          // z variant 2, [4, 110]
  double FocusBase = 20.0;               // kind s, [7, 100]
  std::int32_t QuadrantSize = 150;       // q variant 0, [80, 200]
  std::int32_t Year = 2020;              // reference year, 1300..2500
  std::int32_t ShepherdGnomon = 70;      // z variants 0, 1, [4, 110]
  std::int32_t HidokeiGnomon = 25;       // k, [4, 110]
  std::int32_t PeaucellierUnit = 32;     // w, p, [0, 300]
  double SawyerCentre = 90.0;            // [0, 900]
  double SawyerHourAngle = 5.0;          // [0.5, 15]
  double PeaucellierConstant = -0.8749;  // [-2.1, 2.1]
  // 0 local apparent time, 1 apparent time of the zone meridian, 2 local
  // mean time by curved lines, 3 by straight lines.
  std::uint8_t SawyerTimeMode = 2;
};

// Construction values kept beside DialParameters.
struct ConstructionValues {
  std::int32_t CylinderScaleLength = 270;  // [0, 400]
  std::int32_t MaxShadowLength = 0;        // [0, 200], derived on the page
  std::int32_t HidokeiScaleLength = 150;   // [0, 180]
  std::int32_t HidokeiScaleWidth = 170;    // [0, 260]
  double ObserverDistance = 300.0;         // a, [10, 400]
  double BasePlateDiameter = 150.0;        // a, [3, 200]
  std::int32_t AnalemmaHour = 13;          // [1, 23]
  std::int32_t MapScale = 100;             // [5, 66000000]
  double Obliquity = 23.44;
  // Declination of the ring dial's pin hole; the summer and winter band
  // holes of the fixed ring (RingHoleOffset2 = +obliquity/2 and
  // RingHoleOffset3 = -obliquity/2 unless stored otherwise).
  double RingHoleOffset = 0.0;
  double RingHoleOffset2 = 11.72;
  double RingHoleOffset3 = -11.72;
};

}  // namespace lumtar::model
