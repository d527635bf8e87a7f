#pragma once

#include <limits>

namespace lumtar::app {

// The accepted values of a model field. The settings reader and the field
// registry (model_fields.h) use the same ranges, so a value that the one
// accepts the other accepts too. Where the dialogs accept a value on one
// page and refuse it on another, the range is the union of the pages. Every
// bound is exact at the number of decimals the settings file keeps for the
// field, so a value in range stays in range when it is written and read.
struct ValueRange {
  double min;
  double max;
  constexpr bool Contains(double v) const { return v >= min && v <= max; }
};

namespace ranges {

inline constexpr double kAny = std::numeric_limits<double>::max();

// DialParameters.
inline constexpr ValueRange kLatitude{-90, 90};
inline constexpr ValueRange kLongitude{-180, 180};
inline constexpr ValueRange kZoneMeridian{-180, 180};
inline constexpr ValueRange kWallDeclination{-180, 180};
inline constexpr ValueRange kInclination{0, 175};
// The page adds 180 to a negative entry, so stored values lie in [0, 180];
// below 1 the reader takes the fallback.
inline constexpr ValueRange kConeAxisInclination{1, 180};
inline constexpr ValueRange kConeHalfAngle{0, 85};
inline constexpr ValueRange kUmbrellaDiskRatio{-kAny, kAny};
// Planar [3, 120], umbrella rod > 0, Sawyer [5, 200], cone height [5, 500].
inline constexpr ValueRange kGnomonHeight{0.01, 500};
// The page accepts [9, 100]; the kind dialog derives smaller lengths from
// the diameter.
inline constexpr ValueRange kHabermelGnomon{1, 100};
inline constexpr ValueRange kHabermelDiameter{30, 200};
inline constexpr ValueRange kRingHolePosition{10, 90};
inline constexpr ValueRange kRingDiameter{10, 300};
inline constexpr ValueRange kRingWidth{4.5, 300};
inline constexpr ValueRange kCylinderRadius{4, 500};
inline constexpr ValueRange kCylinderGnomon{4, 110};
inline constexpr ValueRange kFocusBase{7, 100};
inline constexpr ValueRange kQuadrantSize{80, 200};
inline constexpr ValueRange kYear{1300, 2500};
inline constexpr ValueRange kShepherdGnomon{4, 110};
inline constexpr ValueRange kHidokeiGnomon{4, 110};
inline constexpr ValueRange kPeaucellierUnit{0, 300};
inline constexpr ValueRange kSawyerCentre{0, 900};
inline constexpr ValueRange kSawyerHourAngle{0.5, 15};
inline constexpr ValueRange kPeaucellierConstant{-2.1, 2.1};
inline constexpr ValueRange kSawyerTimeMode{0, 3};

// ConstructionValues.
inline constexpr ValueRange kCylinderScaleLength{0, 400};
inline constexpr ValueRange kMaxShadowLength{0, 200};
inline constexpr ValueRange kHidokeiScaleLength{0, 180};
inline constexpr ValueRange kHidokeiScaleWidth{0, 260};
inline constexpr ValueRange kObserverDistance{10, 400};
inline constexpr ValueRange kBasePlateDiameter{3, 200};
inline constexpr ValueRange kAnalemmaHour{1, 23};
inline constexpr ValueRange kMapScale{5, 66000000};
// With the one-band option [-23.44, 23.44], else [0, 23.44].
inline constexpr ValueRange kRingHoleOffset{-23.44, 23.44};
inline constexpr ValueRange kRingHoleOffset2{0, 23.44};   // summer band
inline constexpr ValueRange kRingHoleOffset3{-23.44, 0};  // winter band

// HourLineTimes: clock hours, temporal hours, altitudes, interval indexes.
inline constexpr ValueRange kClockHour{0, 24};
inline constexpr ValueRange kTemporalHour{0, 12};
inline constexpr ValueRange kAltitudeLimit{10, 90};
// 60, 30, 20, 15, 10 minutes.
inline constexpr ValueRange kHourInterval{0, 4};
// 1, 1/2, 1/3, 1/4 hour.
inline constexpr ValueRange kTemporalInterval{0, 3};
// 10, 5, 2.5 degrees.
inline constexpr ValueRange kAltitudeStep{0, 2};

// LineOptions digits and selectors.
inline constexpr ValueRange kDateLineMode{0, 3};
inline constexpr ValueRange kHourTimeKind{0, 2};
inline constexpr ValueRange kAnalemmaMarkDays{0, 4};
inline constexpr ValueRange kLightOffsetCorrection{0, 2};
inline constexpr ValueRange kConePlane{0, 8};
inline constexpr ValueRange kDateCircleMode{0, 2};
inline constexpr ValueRange kAltitudeVariant{0, 2};
inline constexpr ValueRange kCylinderVariant{0, 2};
inline constexpr ValueRange kAzimuthScale{0, 3};
inline constexpr ValueRange kAzimuthCircles{0, 1};
inline constexpr ValueRange kLineWidth{1, 3};
inline constexpr ValueRange kColour{0, 0xFFFFFF};

}  // namespace ranges

// The dial kind letters that a settings file and the kind list know.
inline constexpr char kDialKindLetters[] = "achikmopqrvwz";

// Umbrella dials stand on these planes.
inline constexpr char kUmbrellaPlaneLetters[] = "hiv";

}  // namespace lumtar::app
