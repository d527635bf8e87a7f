#include "app/parameter_pages.h"

#include <algorithm>

#include "app/catalogue_rules.h"

namespace lumtar::app {
namespace {

using T = PageToggle;
using C = PageChoice;
using R = HourRange;

bool* FlagOf(model::LineOptions& o, PageToggle t) {
  switch (t) {
    case T::kShowHourLines:
      return &o.ShowHourLines;
    case T::kShowMeanHourLines:
      return &o.ShowMeanHourLines;
    case T::kHourLinesToFootPoint:
      return &o.HourLinesToFootPoint;
    case T::kShowAnalemmaMarks:
      return &o.ShowAnalemmaMarks;
    case T::kShowBabylonianHours:
      return &o.ShowBabylonianHours;
    case T::kShowItalianHours:
      return &o.ShowItalianHours;
    case T::kShowTemporalHours:
      return &o.ShowTemporalHours;
    case T::kExtendTemporalHours:
      return &o.ExtendTemporalHours;
    case T::kShowAltitudeLines:
      return &o.ShowAltitudeLines;
    case T::kShowPoleTriangle:
      return &o.ShowPoleTriangle;
    case T::kConstructWithEoT:
      return &o.ConstructWithEoT;
    case T::kQuadrantMirrored:
      return &o.QuadrantMirrored;
    case T::kJanuaryOutside:
      return &o.JanuaryOutside;
    case T::kWholeYearQuadrant:
      return &o.OneHourLineBand;
    case T::kFullYearScale:
      return &o.FullYearScale;
    case T::kHourLinesMeanTime:
      return &o.HourLinesMeanTime;
    case T::kHidokeiVerticalFace:
      return &o.HidokeiVerticalFace;
    case T::kHourLinesLocalMeridian:
      return &o.HourLinesLocalMeridian;
    case T::kAzimuthDateCircles:
      return &o.AzimuthDateCircles;
    case T::kNoonLineHorizontal:
      return &o.NoonLineHorizontal;
    case T::kSecondPlane:
      return &o.SecondPlaneEnabled;
    case T::kZoneTime:
    case T::kTemporalInsteadOfClock:
      return nullptr;
  }
  return nullptr;
}

// Interval lists: hour lines 60..10 min, the other hour systems 60..15 min,
// temporal hours 1..1/4 h, altitude lines 10..2.5 degrees.
const std::vector<int> kMinutes5 = {1960, 1961, 1962, 1963, 1964};
const std::vector<int> kMinutes4 = {1960, 1961, 1962, 1963};
const std::vector<int> kTemporalSteps = {1965, 1966, 1967, 1968};
const std::vector<int> kAltitudeSteps = {1969, 1970, 1971};

struct RangeRefs {
  std::int32_t* from;
  std::int32_t* to;
  char* interval_digit;         // stored as a digit, or
  std::uint8_t* interval_byte;  // as a byte
};

RangeRefs RefsOf(model::Model& m, HourRange r) {
  auto& t = m.times;
  auto& o = m.options;
  switch (r) {
    case R::kApparent:
      return {&t.ApparentHoursFrom, &t.ApparentHoursTo,
              &o.ApparentHourSubdivisions, nullptr};
    case R::kMean:
      return {&t.MeanHoursFrom, &t.MeanHoursTo, &o.MeanHourSubdivisions,
              nullptr};
    case R::kBabylonian:
      return {&t.BabylonianFrom, &t.BabylonianTo, nullptr,
              &t.BabylonianSubdivisions};
    case R::kItalian:
      return {&t.ItalianFrom, &t.ItalianTo, nullptr, &t.ItalianSubdivisions};
    case R::kPlanarTemporal:
      return {&t.PlanarTemporalFrom, &t.PlanarTemporalTo, nullptr,
              &t.PlanarTemporalSubdivisions};
    case R::kAltitude:
      return {&t.AltitudeLinesFrom, &t.AltitudeLinesTo, nullptr,
              &t.AltitudeLineStep};
    case R::kHours:
      return {&t.HourLinesFrom, &t.HourLinesTo, nullptr, &t.HourSubdivisions};
    case R::kTemporal:
      return {&t.TemporalHoursFrom, &t.TemporalHoursTo, nullptr,
              &t.TemporalSubdivisions};
  }
  return {&t.HourLinesFrom, &t.HourLinesTo, nullptr, &t.HourSubdivisions};
}

}  // namespace

int ToggleLabelId(PageToggle t) {
  switch (t) {
    case T::kShowHourLines:
      return 1900;
    case T::kShowMeanHourLines:
      return 1901;
    case T::kHourLinesToFootPoint:
      return 1526;
    case T::kShowAnalemmaMarks:
      return 1902;
    case T::kShowBabylonianHours:
      return 1903;
    case T::kShowItalianHours:
      return 1904;
    case T::kShowTemporalHours:
      return 1905;
    case T::kExtendTemporalHours:
      return 1907;
    case T::kShowAltitudeLines:
      return 1906;
    case T::kShowPoleTriangle:
      return 1525;
    case T::kConstructWithEoT:
    case T::kHourLinesMeanTime:
      return 1908;
    case T::kZoneTime:
      return 1909;
    case T::kQuadrantMirrored:
      return 1910;
    case T::kJanuaryOutside:
      return 1911;
    case T::kWholeYearQuadrant:
      return 1918;
    case T::kFullYearScale:
      return 1912;
    case T::kHidokeiVerticalFace:
      return 1913;
    case T::kHourLinesLocalMeridian:
      return 1914;
    case T::kAzimuthDateCircles:
      return 1915;
    case T::kNoonLineHorizontal:
      return 1916;
    case T::kSecondPlane:
      return 1917;
    case T::kTemporalInsteadOfClock:
      return 1919;
  }
  return 1900;
}

bool ToggleValue(const model::Model& model, PageToggle t) {
  if (t == T::kZoneTime) return model.options.HourTimeKind == 1;
  if (t == T::kTemporalInsteadOfClock) return model.options.HourTimeKind == 2;
  auto& o = const_cast<model::LineOptions&>(model.options);
  const bool* flag = FlagOf(o, t);
  return flag && *flag;
}

void SetToggle(model::Model& model, PageToggle t, bool on) {
  if (t == T::kZoneTime) {
    model.options.HourTimeKind = on ? 1 : 0;
  } else if (t == T::kTemporalInsteadOfClock) {
    model.options.HourTimeKind = on ? 2 : 0;
  } else if (bool* flag = FlagOf(model.options, t)) {
    *flag = on;
  }
}

ChoiceTexts ChoiceTextsOf(PageChoice c) {
  switch (c) {
    case C::kDateLineMode:
      return {1930, {1931, 1932, 1933, 1934}};
    case C::kAnalemmaMarkDays:
      return {1935, {1120, 1121, 1122, 1123, 1124}};
    case C::kPlanarTime:
      return {1936, {1017, 1018}};
    case C::kTimeKind:
      return {1946, {1017, 1018, 1016}};
    case C::kDateCircles:
      return {1937, {1938, 1939}};
    case C::kQuadrantLayout:
      return {1937, {1938, 1939, 1482}};
    case C::kSawyerTimeMode:
      return {1116, {1010, 1012, 1117, 1118}};
    case C::kConePlane:
      return {1940, {1100, 1102, 1101}};
    case C::kLightMark:
      return {1941, {1942, 1943, 1944}};
    case C::kRingHours:
      return {1945, {1119, 1016}};
  }
  return {1930, {}};
}

int ChoiceValue(const model::Model& model, PageChoice c) {
  const auto& o = model.options;
  switch (c) {
    case C::kDateLineMode:
      return std::clamp(o.DateLineMode - '0', 0, 3);
    case C::kAnalemmaMarkDays:
      return std::min<int>(o.AnalemmaMarkDays, 4);
    case C::kPlanarTime:
      return o.ApparentAtSite ? 0 : 1;
    case C::kTimeKind:
      return std::min<int>(o.HourTimeKind, 2);
    case C::kDateCircles:
      return o.DateCircleMode == 1 ? 1 : 0;
    case C::kQuadrantLayout:
      return std::min<int>(o.DateCircleMode, 2);
    case C::kSawyerTimeMode:
      return std::min<int>(model.parameters.SawyerTimeMode, 3);
    case C::kConePlane:
      return o.ConePlane % 3;
    case C::kLightMark:
      return std::min<int>(o.LightOffsetCorrection, 2);
    case C::kRingHours:
      return o.HourTimeKind == 2 && !o.OneHourLineBand ? 1 : 0;
  }
  return 0;
}

void SetChoice(model::Model& model, PageChoice c, int index) {
  const int count = static_cast<int>(ChoiceTextsOf(c).item_ids.size());
  if (index < 0 || index >= count) return;
  auto& o = model.options;
  const auto byte = static_cast<std::uint8_t>(index);
  switch (c) {
    case C::kDateLineMode:
      o.DateLineMode = DateLineModeOfListIndex(index);
      break;
    case C::kAnalemmaMarkDays:
      o.AnalemmaMarkDays = byte;
      break;
    case C::kPlanarTime:
      o.ApparentAtSite = index == 0;
      break;
    case C::kTimeKind:
      o.HourTimeKind = byte;
      break;
    case C::kDateCircles:
    case C::kQuadrantLayout:
      o.DateCircleMode = byte;
      break;
    case C::kSawyerTimeMode:
      SetSawyerTimeMode(model, index);
      break;
    case C::kConePlane:
      o.ConePlane = byte;
      break;
    case C::kLightMark:
      o.LightOffsetCorrection = byte;
      break;
    case C::kRingHours:
      SetRingHourChoice(model, index);
      break;
  }
}

HourRangeSpec RangeSpecOf(HourRange r) {
  switch (r) {
    case R::kApparent:
      return {1950, 0, 24, 1, kMinutes5};
    case R::kMean:
      return {1951, 0, 24, 1, kMinutes5};
    case R::kBabylonian:
      return {1952, 0, 24, 1, kMinutes4};
    case R::kItalian:
      return {1953, 0, 24, 1, kMinutes4};
    case R::kPlanarTemporal:
    case R::kTemporal:
      return {1954, 0, 12, 1, kTemporalSteps};
    case R::kAltitude:
      return {1955, 10, 90, 10, kAltitudeSteps};
    case R::kHours:
      return {1945, 0, 24, 1, kMinutes4};
  }
  return {1945, 0, 24, 1, kMinutes4};
}

HourRangeValue RangeValue(const model::Model& model, HourRange r) {
  const RangeRefs refs = RefsOf(const_cast<model::Model&>(model), r);
  const int last = static_cast<int>(RangeSpecOf(r).interval_ids.size()) - 1;
  // A stored digit beyond the list (legacy 5 and 6) means the last entry.
  const int interval =
      refs.interval_digit ? *refs.interval_digit - '0' : *refs.interval_byte;
  return {*refs.from, *refs.to, std::clamp(interval, 0, last)};
}

void SetRangeFrom(model::Model& model, HourRange r, int value) {
  const HourRangeSpec s = RangeSpecOf(r);
  *RefsOf(model, r).from = std::clamp(value, s.first, s.last);
}

void SetRangeTo(model::Model& model, HourRange r, int value) {
  const HourRangeSpec s = RangeSpecOf(r);
  *RefsOf(model, r).to = std::clamp(value, s.first, s.last);
}

void SetRangeInterval(model::Model& model, HourRange r, int index) {
  const int count = static_cast<int>(RangeSpecOf(r).interval_ids.size());
  if (index < 0 || index >= count) return;
  const RangeRefs refs = RefsOf(model, r);
  if (refs.interval_digit) {
    *refs.interval_digit = static_cast<char>('0' + index);
  } else {
    *refs.interval_byte = static_cast<std::uint8_t>(index);
  }
}

void SetRingHourChoice(model::Model& model, int choice) {
  auto& o = model.options;
  if (choice == 0) {
    if (o.HourTimeKind == 2) o.HourTimeKind = 0;
    o.OneHourLineBand = true;
  } else {
    o.HourTimeKind = 2;  // temporal hours (and so no zone time)
    o.OneHourLineBand = false;
  }
}

PageLayout LayoutOfPage(model::ParameterPage page, const model::Model& model) {
  using P = model::ParameterPage;
  PageLayout l;
  switch (page) {
    case P::kPlanar:
      l.toggles = {T::kShowHourLines,        T::kShowMeanHourLines,
                   T::kHourLinesToFootPoint, T::kShowAnalemmaMarks,
                   T::kShowBabylonianHours,  T::kShowItalianHours,
                   T::kShowTemporalHours,    T::kExtendTemporalHours,
                   T::kShowAltitudeLines,    T::kShowPoleTriangle};
      l.choices = {C::kDateLineMode, C::kPlanarTime, C::kAnalemmaMarkDays};
      l.ranges = {R::kApparent, R::kMean,           R::kBabylonian,
                  R::kItalian,  R::kPlanarTemporal, R::kAltitude};
      l.date_lines = true;
      break;
    case P::kUmbrella:
      l.toggles = {T::kShowHourLines,     T::kShowMeanHourLines,
                   T::kShowAnalemmaMarks, T::kShowBabylonianHours,
                   T::kShowItalianHours,  T::kShowTemporalHours,
                   T::kShowAltitudeLines};
      l.choices = {C::kDateLineMode, C::kPlanarTime, C::kAnalemmaMarkDays};
      l.ranges = {R::kApparent, R::kMean,           R::kBabylonian,
                  R::kItalian,  R::kPlanarTemporal, R::kAltitude};
      l.date_lines = true;
      break;
    case P::kAltitude:
      l.toggles = {T::kConstructWithEoT, T::kQuadrantMirrored,
                   T::kJanuaryOutside, T::kWholeYearQuadrant};
      l.choices = {C::kTimeKind, C::kQuadrantLayout};
      l.ranges = {R::kHours, R::kTemporal};
      if (!model.ExpertMode) l.caption_id = 1115;
      break;
    case P::kAzimuthal:
      l.toggles = {T::kConstructWithEoT,  T::kZoneTime,
                   T::kJanuaryOutside,    T::kAzimuthDateCircles,
                   T::kShowTemporalHours, T::kShowBabylonianHours,
                   T::kShowItalianHours};
      l.choices = {C::kDateCircles};
      l.ranges = {R::kHours, R::kTemporal, R::kBabylonian, R::kItalian};
      break;
    case P::kCylinder:
      l.toggles = {T::kShowHourLines, T::kShowTemporalHours};
      l.ranges = {R::kHours, R::kTemporal};
      // Babylonian and Italian hours on the cylinder only for experts.
      if (model.ExpertMode) {
        l.toggles.push_back(T::kShowBabylonianHours);
        l.toggles.push_back(T::kShowItalianHours);
        l.ranges.push_back(R::kBabylonian);
        l.ranges.push_back(R::kItalian);
      }
      for (T t : {T::kShowAltitudeLines, T::kFullYearScale,
                  T::kHourLinesMeanTime, T::kHourLinesLocalMeridian})
        l.toggles.push_back(t);
      break;
    case P::kHidokei:
      l.toggles = {T::kTemporalInsteadOfClock, T::kFullYearScale,
                   T::kHourLinesMeanTime, T::kHidokeiVerticalFace,
                   T::kHourLinesLocalMeridian};
      l.ranges = {R::kHours, R::kTemporal};
      break;
    case P::kRing:
      l.toggles = {T::kZoneTime, T::kConstructWithEoT, T::kNoonLineHorizontal};
      l.choices = {C::kRingHours, C::kLightMark};
      l.ranges = {R::kHours, R::kTemporal};
      break;
    case P::kSawyer:
      l.choices = {C::kSawyerTimeMode};
      l.ranges = {R::kHours};
      break;
    case P::kCompressed:
      l.toggles = {T::kZoneTime, T::kShowAnalemmaMarks, T::kSecondPlane};
      l.choices = {C::kConePlane, C::kDateLineMode};
      l.ranges = {R::kMean};
      l.date_lines = true;
      break;
    case P::kMeanTime:
      l.toggles = {T::kZoneTime, T::kShowAnalemmaMarks};
      l.choices = {C::kConePlane, C::kDateLineMode};
      l.ranges = {R::kMean};
      l.date_lines = true;
      break;
    case P::kNone:
      break;
  }
  return l;
}

std::string DateLineText(const model::Model& model) {
  std::string text;
  for (const auto& line : model.DateLineList) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}

void SetDateLineText(model::Model& model, std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string line(text.substr(start, end - start));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(' ') != std::string::npos)
      lines.push_back(std::move(line));
    start = end + 1;
  }
  model.DateLineList = std::move(lines);
}

}  // namespace lumtar::app
