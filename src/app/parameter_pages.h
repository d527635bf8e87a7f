#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/catalogue.h"
#include "model/model.h"

namespace lumtar::app {

// What each page of the parameter dialog shows beside its edit fields: the
// line options (check boxes), the choices (radio groups) and the hour-line
// ranges (first, last, interval), each bound to the model's options and
// hour-line times. Texts are text-table ids; the window only lays them out.

// Check boxes.
enum class PageToggle {
  kShowHourLines,
  kShowMeanHourLines,
  kHourLinesToFootPoint,
  kShowAnalemmaMarks,
  kShowBabylonianHours,
  kShowItalianHours,
  kShowTemporalHours,
  kExtendTemporalHours,
  kShowAltitudeLines,
  kShowPoleTriangle,
  kConstructWithEoT,
  kZoneTime,  // time kind 1 (else local time)
  kQuadrantMirrored,
  kJanuaryOutside,
  kWholeYearQuadrant,  // the one-band option
  kFullYearScale,
  kHourLinesMeanTime,
  kHidokeiVerticalFace,
  kHourLinesLocalMeridian,
  kAzimuthDateCircles,
  kNoonLineHorizontal,
  kSecondPlane,
  kTemporalInsteadOfClock,  // time kind 2 (else local time)
};
int ToggleLabelId(PageToggle toggle);
bool ToggleValue(const model::Model& model, PageToggle toggle);
void SetToggle(model::Model& model, PageToggle toggle, bool on);

// Radio groups.
enum class PageChoice {
  kDateLineMode,      // zodiac, 7th/22nd, own dates, none
  kAnalemmaMarkDays,  // the five lists of marked days
  kPlanarTime,        // local time, time of the zone meridian
  kTimeKind,          // local time, zone meridian, temporal hours
  kDateCircles,       // by months, by zodiac signs
  kQuadrantLayout,    // by months, by zodiac signs, Gunter's quadrant
  kSawyerTimeMode,    // the four Sawyer modes
  kConePlane,         // horizontal, vertical, inclining
  kLightMark,         // ring: uncorrected, corrected, both
  kRingHours,         // ring: one band of clock hours, temporal hours
};
struct ChoiceTexts {
  int title_id;
  std::vector<int> item_ids;
};
ChoiceTexts ChoiceTextsOf(PageChoice choice);
int ChoiceValue(const model::Model& model, PageChoice choice);
void SetChoice(model::Model& model, PageChoice choice, int index);

// Hour-line ranges: a list of first and last values and an interval list.
enum class HourRange {
  kApparent,  // apparent-time hour lines
  kMean,      // mean-time hour lines
  kBabylonian,
  kItalian,
  kPlanarTemporal,  // temporal hours of the planar dials
  kAltitude,        // sun-altitude lines, degrees
  kHours,           // hour lines of the other dial pages
  kTemporal,        // temporal hours of the other dial pages
};
struct HourRangeSpec {
  int title_id;
  int first, last, step;          // the values of the first/last lists
  std::vector<int> interval_ids;  // texts of the interval list
};
HourRangeSpec RangeSpecOf(HourRange range);
struct HourRangeValue {
  int from, to, interval;  // values and interval list index
};
HourRangeValue RangeValue(const model::Model& model, HourRange range);
void SetRangeFrom(model::Model& model, HourRange range, int value);
void SetRangeTo(model::Model& model, HourRange range, int value);
void SetRangeInterval(model::Model& model, HourRange range, int index);

// The ring page's hour-line choice: 0 one band of clock hours, 1 temporal
// hours in two bands.
void SetRingHourChoice(model::Model& model, int choice);

// The contents of a page beside its fields.
struct PageLayout {
  std::vector<PageToggle> toggles;
  std::vector<PageChoice> choices;
  std::vector<HourRange> ranges;
  bool date_lines = false;  // the own-dates list and its explanation
  int caption_id = 0;       // a line above the page, 0 for none
};
PageLayout LayoutOfPage(model::ParameterPage page, const model::Model& model);

// The user's date-line list as one text, a line per entry, and back
// (blank lines are dropped).
std::string DateLineText(const model::Model& model);
void SetDateLineText(model::Model& model, std::string_view text);

}  // namespace lumtar::app
