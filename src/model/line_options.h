#pragma once

#include <cstdint>

namespace lumtar::model {

// Which line families the constructions draw, shared by all dial pages.
// Each field is one stored option; where dial families use another name
// for the same stored option, the comment names it. Member initialisers
// are the built-in defaults.
struct LineOptions {
  // "0" zodiac dates, "1" the 7th and 22nd, "2" own dates, "3" none.
  char DateLineMode = '0';
  // Interval index of the mean-time hour lines: 0..4 for 60, 30, 20, 15,
  // 10 minutes (a stored 5 or 6 also means 10 minutes).
  char MeanHourSubdivisions = '0';
  bool HourLinesToFootPoint = false;
  bool OptionFlag3 = true;    // kept for the dial pages
  bool ShowHourLines = true;  // apparent-time hour lines
  bool ShowAnalemmaMarks = true;
  bool ShowBabylonianHours = false;
  bool ShowItalianHours = false;
  bool ShowAltitudeLines = false;
  bool ShowTemporalHours = false;
  bool QuadrantMirrored = false;
  // Altitude and azimuthal pages: clock hours with the equation of time
  // (QuadrantWithEoT on the quadrant).
  bool ConstructWithEoT = false;
  // 0 local time, 1 time of the zone meridian, 2 temporal hours (quadrant
  // and ring pages; HourTimeKind of the azimuthal dial, HourLinesTemporal
  // when 2).
  std::uint8_t HourTimeKind = 0;
  // Arrangement of the time reading on the quadrant and azimuthal pages:
  // the circle of 1 January outermost.
  bool JanuaryOutside = false;
  // Planar dials: hour lines for the site's own meridian (else the zone
  // meridian); the mean-time lines follow the same switch (MeanAtSite).
  bool ApparentAtSite = true;
  // Cylinder and horizontal altitude dials: the month axis covers the
  // whole year.
  bool FullYearScale = false;
  // Cylinder and horizontal altitude pages: clock hours in mean time.
  bool HourLinesMeanTime = false;
  // Interval index of the apparent-time hour lines, 0..5.
  char ApparentHourSubdivisions = '1';
  bool HidokeiVerticalFace = true;
  // One hour-line band: whole-year quadrant (QuadrantFullYear), ring with
  // a movable pin hole (RingPinHoleMovable), "All hour lines in one scale".
  bool OneHourLineBand = false;
  // Cylinder page: clock hours in local time (else zone time).
  bool HourLinesLocalMeridian = false;
  bool ShowPoleTriangle = false;
  bool ShowMeanHourLines = false;  // hour lines with the equation of time
  // Days of the analemma marks: 0 the 1st; 1 1st, 15th; 2 7th, 22nd;
  // 3 1st, 11th, 21st; 4 1st, 8th, 15th, 22nd.
  std::uint8_t AnalemmaMarkDays = 1;
  bool AzimuthDateCircles = true;  // azimuthal dial: date circles shown
  // Ring dial: 0 uncorrected lines, 1 corrected for the lateral deflection
  // of the light ray, 2 both.
  std::uint8_t LightOffsetCorrection = 0;
  // The 12-o'clock line drawn horizontal (RingNoonLineStraight).
  bool NoonLineHorizontal = true;
  bool OptionFlag30 = false;        // kept for the dial pages
  bool SecondPlaneEnabled = false;  // compressed dial: a vertical plane too
  // Plane of the mean-time and compressed dials, 0..8, used modulo 3:
  // 0 horizontal, 1 vertical, 2 inclining.
  std::uint8_t ConePlane = 0;
  // Date circles of the altitude and azimuthal pages, 0..2: the azimuthal
  // dial's ZodiacCircles when 1; QuadrantLayout 0 plain, 1 zodiac,
  // 2 Gunter's quadrant.
  std::uint8_t DateCircleMode = 0;
  bool OptionFlag36 = false;  // kept for the dial pages
  bool ExtendTemporalHours = true;

  // Set only through SawyerTimeMode (see SetSawyerTimeMode).
  bool SawyerStraightMeanLines = false;
  bool SawyerCurvedMeanLines = false;
};

// First and last hours and intervals of the hour-line families. Hours are
// clock hours 0..24 (temporal hours 0..12), altitudes 10..90 degrees;
// interval indexes: hours 0..3 = 60, 30, 20, 15 min; temporal 0..3 = 1,
// 1/2, 1/3, 1/4 hour; altitude steps 0..2 = 10, 5, 2.5 degrees.
struct HourLineTimes {
  std::int32_t ApparentHoursFrom = 8;
  std::int32_t ApparentHoursTo = 19;
  std::int32_t MeanHoursFrom = 9;
  std::int32_t MeanHoursTo = 17;
  std::int32_t BabylonianFrom = 0;
  std::int32_t BabylonianTo = 20;
  std::int32_t ItalianFrom = 5;
  std::int32_t ItalianTo = 24;
  std::int32_t PlanarTemporalFrom = 1;
  std::int32_t PlanarTemporalTo = 11;
  std::int32_t AltitudeLinesFrom = 20;
  std::int32_t AltitudeLinesTo = 70;
  // The hour lines of the other dial pages (azimuthal, cylinder,
  // horizontal altitude, quadrant, ring).
  std::int32_t HourLinesFrom = 10;
  std::int32_t HourLinesTo = 18;
  std::int32_t TemporalHoursFrom = 1;
  std::int32_t TemporalHoursTo = 6;
  std::uint8_t BabylonianSubdivisions = 0;
  std::uint8_t ItalianSubdivisions = 1;
  std::uint8_t PlanarTemporalSubdivisions = 0;
  std::uint8_t AltitudeLineStep = 1;
  std::uint8_t HourSubdivisions = 0;
  std::uint8_t TemporalSubdivisions = 0;
};

}  // namespace lumtar::model
