// Reading the settings file.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <set>
#include <string>

#include "app/ansi_text_file.h"
#include "app/program_directory.h"
#include "app/settings_file.h"
#include "app/settings_lines.h"
#include "app/value_ranges.h"
#include "astro/field_readers.h"
#include "astro/solar_ephemeris.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

using platform::Caption;
using settings_lines::kColourLines;
using settings_lines::kColoursSection;
using settings_lines::kDateLinesSection;
using settings_lines::kFlagPositions;
using settings_lines::kMinimumLines;
using settings_lines::kPositionalLines;
using settings_lines::kRequiredLineOptions;
using settings_lines::kTimeLines;
using settings_lines::kTimesSection;
using settings_lines::NumberRuns;
using settings_lines::TrimBlanks;

// A damaged file would otherwise flood the user with messages; the lines
// beyond these still count as bad lines.
constexpr int kMaxLineMessages = 20;
// Longer field texts are cut in messages.
constexpr std::size_t kMaxMessageText = 80;

// How the line message names its place.
enum class Place {
  kInLine,     // "In Line " index ":" text
  kLine,       // "Line " index ":" text (the cone axis of line 7)
  kLineField,  // "Line " 1-based number "/" field number (lines 15, 16)
};

std::string Cut(std::string_view text) {
  if (text.size() <= kMaxMessageText) return std::string(text);
  std::size_t n = kMaxMessageText;
  // Do not split a UTF-8 character.
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return std::string(text.substr(0, n)) + "...";
}

std::optional<double> AsReal(std::string_view text) {
  return astro::ParseDecimal(text);
}

std::optional<double> AsInteger(std::string_view text) {
  const auto v = astro::ParseInteger(text);
  if (!v) return std::nullopt;
  return *v;
}

// The digit `c` when it lies in `range`.
std::optional<int> DigitIn(char c, ValueRange range) {
  if (c < '0' || c > '9') return std::nullopt;
  const int d = c - '0';
  if (!range.Contains(d)) return std::nullopt;
  return d;
}

// An hour-line interval digit: 0..4, the legacy 5 and 6 also mean 10 min.
std::optional<int> HourIntervalDigit(char c) {
  if (c == '5' || c == '6') return 4;
  return DigitIn(c, ranges::kHourInterval);
}

// A magnitude below 1e-6 becomes 1e-6 (the constructions divide by it).
double LatitudeFloor(double latitude) {
  return std::fabs(latitude) < 1e-6 ? 1e-6 : latitude;
}

class SettingsReader {
 public:
  SettingsReader(const std::vector<std::string>& lines,
                 std::string_view file_name, model::Model& model,
                 platform::Ui& ui)
      : lines_(lines), file_name_(file_name), m_(model), ui_(ui) {}

  void ReadPositional(int end);
  void ReadColours(int section, int end);
  void ReadTimes(int section, int end);
  void ReadDateLines(int section);

  std::vector<int> BadLines() const {
    return std::vector<int>(bad_.begin(), bad_.end());
  }

 private:
  // Line `index`, or "" when it lies at or beyond `positional_end_`.
  std::string_view Line(int index) const {
    return index < positional_end_ ? std::string_view(lines_[index])
                                   : std::string_view();
  }

  void Show(std::string text) {
    if (++messages_ <= kMaxLineMessages) ui_.Message(Caption::kError, text);
  }

  // A bad value in line `index` (0-based): the line message and a file
  // error.
  void Bad(int index, std::string_view text, Place place = Place::kInLine,
           int field = 0) {
    bad_.insert(index + 1);
    const texts::Language l = m_.Language;
    std::string msg;
    switch (place) {
      case Place::kInLine:
        msg = std::string(texts::RawText(1654, l)) + std::to_string(index) +
              ":" + Cut(text);
        break;
      case Place::kLine:
        msg = std::string(texts::RawText(1653, l)) + std::to_string(index) +
              ":" + Cut(text);
        break;
      case Place::kLineField:
        msg = std::string(texts::RawText(1653, l)) + std::to_string(index + 1) +
              "/" + std::to_string(field + 1);
        break;
    }
    Show(msg + std::string(texts::RawText(1652, l)));
  }

  // Field `field` of the runs: its text, or the whole line when missing.
  std::string_view FieldText(int index,
                             const std::vector<std::string_view>& runs,
                             int field) const {
    return field < static_cast<int>(runs.size()) ? runs[field] : Line(index);
  }

  // The value when it is readable and in range; else `fallback` (the
  // built-in default when the fallback itself lies outside the range), with
  // the line message and a file error.
  double Checked(std::optional<double> value, ValueRange range, double fallback,
                 double builtin, int index, std::string_view text,
                 Place place = Place::kInLine, int field = 0) {
    if (value && range.Contains(*value)) return *value;
    Bad(index, text, place, field);
    return range.Contains(fallback) ? fallback : builtin;
  }

  double RealField(int index, const std::vector<std::string_view>& runs,
                   int field, ValueRange range, double fallback, double builtin,
                   Place place = Place::kInLine) {
    const std::optional<double> v = field < static_cast<int>(runs.size())
                                        ? AsReal(runs[field])
                                        : std::nullopt;
    return Checked(v, range, fallback, builtin, index,
                   FieldText(index, runs, field), place, field);
  }

  int IntField(int index, const std::vector<std::string_view>& runs, int field,
               ValueRange range, int fallback, int builtin,
               Place place = Place::kInLine) {
    const std::optional<double> v = field < static_cast<int>(runs.size())
                                        ? AsInteger(runs[field])
                                        : std::nullopt;
    return static_cast<int>(Checked(v, range, fallback, builtin, index,
                                    FieldText(index, runs, field), place,
                                    field));
  }

  void ReadLineOptions();
  void ReadDialKind();
  void ReadLanguage();
  void ReadWindowSize();
  void ReadUmbrellaAndRing();

  const std::vector<std::string>& lines_;
  std::string_view file_name_;
  model::Model& m_;
  platform::Ui& ui_;
  int positional_end_ = 0;
  int messages_ = 0;
  std::set<int> bad_;
};

void SettingsReader::ReadPositional(int end) {
  positional_end_ = std::min<int>(end, lines_.size());
  model::DialParameters& p = m_.parameters;
  model::ConstructionValues& v = m_.values;
  const model::DialParameters dp;
  const model::ConstructionValues dv;
  namespace r = ranges;

  {
    const auto f = NumberRuns(Line(0));
    p.Year = IntField(0, f, 0, r::kYear, 2020, dp.Year);
  }
  {
    const auto f = NumberRuns(Line(1));
    p.Latitude =
        LatitudeFloor(RealField(1, f, 0, r::kLatitude, 47.25, dp.Latitude));
    p.Latitude2 =
        LatitudeFloor(RealField(1, f, 1, r::kLatitude, 47.25, dp.Latitude2));
  }
  {
    const auto f = NumberRuns(Line(2));
    p.Longitude = RealField(2, f, 0, r::kLongitude, -9.59, dp.Longitude);
    p.Longitude2 = RealField(2, f, 1, r::kLongitude, -9.59, dp.Longitude2);
  }
  {
    const auto f = NumberRuns(Line(3));
    p.ZoneMeridian = RealField(3, f, 0, r::kZoneMeridian, -15, dp.ZoneMeridian);
  }
  {
    const auto f = NumberRuns(Line(4));
    p.GnomonHeight = RealField(4, f, 0, r::kGnomonHeight, 35, dp.GnomonHeight);
    p.CylinderGnomon =
        RealField(4, f, 1, r::kCylinderGnomon, 40, dp.CylinderGnomon);
    p.CylinderRadius =
        RealField(4, f, 2, r::kCylinderRadius, 250, dp.CylinderRadius);
    v.CylinderScaleLength =
        IntField(4, f, 3, r::kCylinderScaleLength, 270, dv.CylinderScaleLength);
  }
  {
    const auto f = NumberRuns(Line(5));
    p.ShepherdGnomon =
        IntField(5, f, 0, r::kShepherdGnomon, 70, dp.ShepherdGnomon);
    v.HidokeiScaleWidth =
        IntField(5, f, 1, r::kHidokeiScaleWidth, 170, dv.HidokeiScaleWidth);
    v.HidokeiScaleLength =
        IntField(5, f, 2, r::kHidokeiScaleLength, 150, dv.HidokeiScaleLength);
    p.HidokeiGnomon =
        IntField(5, f, 3, r::kHidokeiGnomon, 25, dp.HidokeiGnomon);
    v.MapScale = IntField(5, f, 4, r::kMapScale, 150, dv.MapScale);
    p.QuadrantSize = IntField(5, f, 5, r::kQuadrantSize, 150, dp.QuadrantSize);
    p.HabermelDiameter =
        RealField(5, f, 6, r::kHabermelDiameter, 200, dp.HabermelDiameter);
  }
  {
    const auto f = NumberRuns(Line(6));
    p.WallDeclination =
        RealField(6, f, 0, r::kWallDeclination, -11.7, dp.WallDeclination);
    p.WallDeclination2 =
        RealField(6, f, 1, r::kWallDeclination, -11.7, dp.WallDeclination2);
  }
  {
    const auto f = NumberRuns(Line(7));
    p.Inclination =
        RealField(7, f, 0, r::kInclination, dp.Inclination, dp.Inclination);
    // Below 1 (or unreadable) the cone axis follows the latitude, half a
    // turn further for the southern hemisphere; Inclination stays.
    const double axis_fallback = p.Latitude < 0 ? p.Latitude + 180 : p.Latitude;
    p.ConeAxisInclination =
        RealField(7, f, 1, r::kConeAxisInclination, axis_fallback,
                  dp.ConeAxisInclination, Place::kLine);
    p.ConeHalfAngle = RealField(7, f, 2, r::kConeHalfAngle,
                                p.ConeAxisInclination / 2, dp.ConeHalfAngle);
  }
  {
    const auto f = NumberRuns(Line(8));
    v.AnalemmaHour = IntField(8, f, 0, r::kAnalemmaHour, 12, dv.AnalemmaHour);
    p.SawyerCentre = RealField(8, f, 1, r::kSawyerCentre, 90, dp.SawyerCentre);
    p.SawyerHourAngle =
        RealField(8, f, 2, r::kSawyerHourAngle, 5, dp.SawyerHourAngle);
    p.SawyerTimeMode = static_cast<std::uint8_t>(
        IntField(8, f, 3, r::kSawyerTimeMode, 2, dp.SawyerTimeMode));
  }
  ReadLineOptions();
  ReadDialKind();
  {
    model::HourLineTimes& t = m_.times;
    const model::HourLineTimes dt;
    t.ApparentHoursFrom = IntField(11, NumberRuns(Line(11)), 0, r::kClockHour,
                                   7, dt.ApparentHoursFrom);
    t.ApparentHoursTo = IntField(12, NumberRuns(Line(12)), 0, r::kClockHour, 19,
                                 dt.ApparentHoursTo);
  }
  ReadLanguage();
  ReadWindowSize();
  ReadUmbrellaAndRing();
  {
    const auto f = NumberRuns(Line(16));
    p.HabermelGnomon = RealField(16, f, 0, r::kHabermelGnomon, 2,
                                 dp.HabermelGnomon, Place::kLineField);
    p.PeaucellierUnit = IntField(16, f, 1, r::kPeaucellierUnit, 32,
                                 dp.PeaucellierUnit, Place::kLineField);
    p.PeaucellierConstant =
        RealField(16, f, 2, r::kPeaucellierConstant, -0.9876,
                  dp.PeaucellierConstant, Place::kLineField);
    // A fourth field (older files) holds the Sawyer time mode.
    if (f.size() > 3)
      p.SawyerTimeMode = static_cast<std::uint8_t>(
          IntField(16, f, 3, r::kSawyerTimeMode, 2, dp.SawyerTimeMode,
                   Place::kLineField));
  }
  {
    const double half =
        astro::ZodiacDeclinations(p.Year).obliquity_display_deg / 2;
    const auto f = NumberRuns(Line(17));
    v.RingHoleOffset =
        RealField(17, f, 0, r::kRingHoleOffset, 0, dv.RingHoleOffset);
    v.RingHoleOffset2 =
        RealField(17, f, 1, r::kRingHoleOffset2, half, dv.RingHoleOffset2);
    v.RingHoleOffset3 =
        RealField(17, f, 2, r::kRingHoleOffset3, -half, dv.RingHoleOffset3);
  }
}

// Line 9: one character per option.
void SettingsReader::ReadLineOptions() {
  constexpr int kIndex = 9;
  const std::string_view line = Line(kIndex);
  model::LineOptions& o = m_.options;
  const model::LineOptions d;
  const int length = static_cast<int>(line.size());
  if (length < kRequiredLineOptions) Bad(kIndex, line);
  const auto present = [&](int pos) { return pos < length; };
  const auto invalid = [&](int pos) {
    Bad(kIndex, std::to_string(pos) + "=" + std::string(1, line[pos]));
  };
  // A digit position: the value when valid; `fallback` when invalid (with
  // a message) and `missing` when the line is too short.
  const auto digit = [&](int pos, ValueRange range, int fallback, int missing) {
    if (!present(pos)) return missing;
    if (const auto v = DigitIn(line[pos], range)) return *v;
    invalid(pos);
    return fallback;
  };
  const auto interval = [&](int pos, char missing) {
    if (!present(pos)) return missing;
    if (const auto v = HourIntervalDigit(line[pos]))
      return static_cast<char>('0' + *v);
    invalid(pos);
    return '0';
  };

  o.DateLineMode =
      static_cast<char>('0' + digit(0, ranges::kDateLineMode, 0, 0));
  o.MeanHourSubdivisions = interval(1, '0');
  // Missing flags of a short line take their defaults first, so that a
  // flag stored twice (positions 5 and 25) keeps the one that is present.
  for (const auto& f : kFlagPositions)
    if (!present(f.position) && f.position < kRequiredLineOptions)
      o.*f.option = d.*f.option;
  for (const auto& f : kFlagPositions) {
    if (!present(f.position)) continue;
    const char c = line[f.position];
    if (c == 'j' || c == 'n') {
      o.*f.option = c == 'j';
    } else {
      invalid(f.position);
      o.*f.option = d.*f.option;
    }
  }
  if (!present(12)) {
    o.HourTimeKind = d.HourTimeKind;
  } else if (line[12] == 'j' || line[12] == 'n') {
    o.HourTimeKind = line[12] == 'j' ? 1 : 0;
  } else {
    o.HourTimeKind = static_cast<std::uint8_t>(
        digit(12, ranges::kHourTimeKind, d.HourTimeKind, d.HourTimeKind));
  }
  // Position 17 only repeats position 12.
  o.ApparentHourSubdivisions = interval(18, o.ApparentHourSubdivisions);
  o.AnalemmaMarkDays =
      static_cast<std::uint8_t>(digit(24, ranges::kAnalemmaMarkDays, 0, 0));
  o.LightOffsetCorrection = static_cast<std::uint8_t>(
      digit(27, ranges::kLightOffsetCorrection, 0, 0));
  m_.LineWidth =
      digit(29, ranges::kLineWidth, model::Model{}.LineWidth, m_.LineWidth);
  o.ConePlane = static_cast<std::uint8_t>(digit(32, ranges::kConePlane, 0, 0));
  m_.selectors.AzimuthScale =
      static_cast<std::uint8_t>(digit(33, ranges::kAzimuthScale, 0, 1));
  m_.selectors.AzimuthCircles =
      static_cast<std::uint8_t>(digit(34, ranges::kAzimuthCircles, 0, 0));
  o.DateCircleMode =
      static_cast<std::uint8_t>(digit(35, ranges::kDateCircleMode, 0, 0));
}

// Line 10: "s" and the plane of an umbrella dial, or the kind letter with
// its variant digit.
void SettingsReader::ReadDialKind() {
  constexpr int kIndex = 10;
  const std::string_view line = Line(kIndex);
  model::DialSelectors& s = m_.selectors;
  const auto fallback = [&]() {
    Bad(kIndex, line);
    m_.DialKind = model::Model{}.DialKind;
    s.UmbrellaFlag = 0;
  };
  const auto is_one_of = [](char c, std::string_view letters) {
    return c != '\0' && letters.find(c) != std::string_view::npos;
  };
  if (line.empty()) return fallback();
  if (line[0] == 's') {
    // The plane letter must follow the marker directly.
    if (line.size() < 2 || !is_one_of(line[1], kUmbrellaPlaneLetters))
      return fallback();
    m_.DialKind = line[1];
    s.UmbrellaFlag = 1;
    return;
  }
  if (!is_one_of(line[0], kDialKindLetters)) return fallback();
  s.UmbrellaFlag = 0;
  m_.DialKind = line[0];
  const bool has_digit = line.size() > 1;
  const char next = has_digit ? line[1] : '\0';
  // The digit after the letter: a missing one gives 0, a bad one 0 with a
  // message.
  const auto variant = [&](ValueRange range) -> std::uint8_t {
    if (!has_digit) return 0;
    if (const auto v = DigitIn(next, range))
      return static_cast<std::uint8_t>(*v);
    Bad(kIndex, line);
    return 0;
  };
  switch (m_.DialKind) {
    case 'c':
      if (next == '1') {
        m_.DialKind = 'm';
      } else if (has_digit && next != '0') {
        Bad(kIndex, line);
      }
      break;
    case 'm':
      m_.options.ConePlane = variant(ranges::kConePlane);
      break;
    case 'z':
      s.CylinderVariant = variant(ranges::kCylinderVariant);
      break;
    case 'q':
      s.AltitudeVariant = variant(ranges::kAltitudeVariant);
      break;
    default:
      break;
  }
}

// Line 13: "D" or "E", then expert mode, expert panel, borders and
// coastlines as "j"/"n"; a missing switch is off.
void SettingsReader::ReadLanguage() {
  constexpr int kIndex = 13;
  const std::string_view line = Line(kIndex);
  bool bad = line.empty() || (line[0] != 'D' && line[0] != 'E');
  m_.Language = !line.empty() && line[0] == 'E' ? texts::Language::kEnglish
                                                : texts::Language::kGerman;
  bool switches[4] = {false, false, false, false};
  for (int i = 0; i < 4; ++i) {
    const std::size_t pos = static_cast<std::size_t>(i) + 1;
    if (pos >= line.size()) break;
    if (line[pos] == 'j') {
      switches[i] = true;
    } else if (line[pos] != 'n') {
      bad = true;
    }
  }
  m_.ExpertMode = switches[0] ? 1 : 0;
  m_.ExpertPanel = switches[1];
  m_.ShowBorders = switches[2];
  m_.ShowCoastlines = switches[3];
  if (bad) Bad(kIndex, line);
}

// Line 14: "false" opens the dialogs maximised, "true" in normal size.
void SettingsReader::ReadWindowSize() {
  constexpr int kIndex = 14;
  const std::string_view line = Line(kIndex);
  std::string word(TrimBlanks(line));
  for (char& c : word)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  m_.NormalWindowSize = word != "false";
  if (word != "true" && word != "false") Bad(kIndex, line);
}

// Line 15: the umbrella disk ratio, then ring diameter, width and hole
// position. Without ";" the line holds the ratio alone. Each field is the
// first run of "-", "." and digits of its part; fields after the first
// lose their "-".
void SettingsReader::ReadUmbrellaAndRing() {
  constexpr int kIndex = 15;
  const std::string_view line = Line(kIndex);
  std::vector<std::string> fields;
  const bool one_field = line.find(';') == std::string_view::npos;
  std::size_t start = 0;
  while (fields.size() < 4 && start <= line.size()) {
    const std::size_t semicolon =
        one_field ? std::string_view::npos : line.find(';', start);
    const std::string_view part = line.substr(
        start, semicolon == std::string_view::npos ? std::string_view::npos
                                                   : semicolon - start);
    const auto runs = NumberRuns(part);
    std::string field = runs.empty() ? std::string() : std::string(runs[0]);
    if (!fields.empty()) std::erase(field, '-');
    fields.push_back(field);
    if (semicolon == std::string_view::npos) break;
    start = semicolon + 1;
  }
  model::DialParameters& p = m_.parameters;
  const model::DialParameters dp;
  const auto real = [&](int field, ValueRange range, double fallback,
                        double builtin) {
    const std::string& text = fields[field];
    return Checked(AsReal(text), range, fallback, builtin, kIndex, text,
                   Place::kLineField, field);
  };
  p.UmbrellaDiskRatio = real(0, ranges::kUmbrellaDiskRatio,
                             dp.UmbrellaDiskRatio, dp.UmbrellaDiskRatio);
  if (one_field) return;
  fields.resize(4);
  p.RingDiameter = real(1, ranges::kRingDiameter, 110, dp.RingDiameter);
  p.RingWidth = real(2, ranges::kRingWidth, 50, dp.RingWidth);
  p.RingHolePosition =
      real(3, ranges::kRingHolePosition, 50, dp.RingHolePosition);
}

void SettingsReader::ReadColours(int section, int end) {
  const model::ColorTable defaults = model::kDefaultColors;
  for (int k = 0; k < kColourLines; ++k) {
    const int index = section + 1 + k;
    if (index >= end) {
      // The section is short: the line found here is not a colour; the
      // missing colours keep their values.
      Bad(index, index < static_cast<int>(lines_.size()) ? lines_[index] : "");
      return;
    }
    const auto v = AsInteger(TrimBlanks(lines_[index]));
    m_.Colors[k] = static_cast<std::uint32_t>(Checked(
        v, ranges::kColour, defaults[k], defaults[k], index, lines_[index]));
  }
}

void SettingsReader::ReadTimes(int section, int end) {
  model::HourLineTimes& t = m_.times;
  struct TimeLine {
    std::int32_t model::HourLineTimes::*value;
    ValueRange range;
    int fallback;
  };
  namespace r = ranges;
  using H = model::HourLineTimes;
  const TimeLine kLines[] = {
      {&H::MeanHoursFrom, r::kClockHour, 8},
      {&H::MeanHoursTo, r::kClockHour, 18},
      {&H::BabylonianFrom, r::kClockHour, 0},
      {&H::BabylonianTo, r::kClockHour, 12},
      {&H::ItalianFrom, r::kClockHour, 18},
      {&H::ItalianTo, r::kClockHour, 24},
      {&H::PlanarTemporalFrom, r::kTemporalHour, 1},
      {&H::PlanarTemporalTo, r::kTemporalHour, 11},
      {&H::AltitudeLinesFrom, r::kAltitudeLimit, 10},
      {&H::AltitudeLinesTo, r::kAltitudeLimit, 70},
      {&H::HourLinesFrom, r::kClockHour, 8},
      {&H::HourLinesTo, r::kClockHour, 18},
      {&H::TemporalHoursFrom, r::kTemporalHour, 1},
      {&H::TemporalHoursTo, r::kTemporalHour, 12},
  };
  const H defaults;
  bool reported_short = false;
  for (int k = 0; k < kTimeLines - 1; ++k) {
    const TimeLine& tl = kLines[k];
    const int index = section + 1 + k;
    if (index >= end) {
      // Missing lines take their fallbacks; the line found in their place
      // is reported once.
      if (!reported_short)
        Bad(index,
            index < static_cast<int>(lines_.size()) ? lines_[index] : "");
      reported_short = true;
      t.*tl.value = tl.fallback;
      continue;
    }
    t.*tl.value = static_cast<std::int32_t>(
        Checked(AsInteger(TrimBlanks(lines_[index])), tl.range, tl.fallback,
                defaults.*tl.value, index, lines_[index]));
  }
  // The interval digits; a shorter line sets only the digits it has.
  const int index = section + kTimeLines;
  if (index >= end) return;
  std::string_view digits = lines_[index];
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  struct IntervalDigit {
    std::uint8_t H::*value;
    bool minutes;  // an hour-line interval (60 .. 10 min)
    ValueRange range;
  };
  const IntervalDigit kDigits[] = {
      {&H::BabylonianSubdivisions, true, r::kHourInterval},
      {&H::ItalianSubdivisions, true, r::kHourInterval},
      {&H::PlanarTemporalSubdivisions, false, r::kTemporalInterval},
      {&H::AltitudeLineStep, false, r::kAltitudeStep},
      {&H::HourSubdivisions, true, r::kHourInterval},
      {&H::TemporalSubdivisions, false, r::kTemporalInterval},
  };
  bool bad = false;
  for (std::size_t i = 0; i < std::size(kDigits) && i < digits.size(); ++i) {
    const IntervalDigit& d = kDigits[i];
    const auto v =
        d.minutes ? HourIntervalDigit(digits[i]) : DigitIn(digits[i], d.range);
    if (v) {
      t.*d.value = static_cast<std::uint8_t>(*v);
    } else {
      t.*d.value = defaults.*d.value;
      bad = true;
    }
  }
  if (bad) Bad(index, lines_[index]);
}

void SettingsReader::ReadDateLines(int section) {
  m_.DateLineList.clear();
  for (std::size_t i = static_cast<std::size_t>(section) + 1; i < lines_.size();
       ++i) {
    const std::string& line = lines_[i];
    if (TrimBlanks(line).empty()) continue;
    if (IsDateLine(line)) {
      m_.DateLineList.push_back(line);
      continue;
    }
    bad_.insert(static_cast<int>(i) + 1);
    Show(std::string(texts::RawText(1650, m_.Language)) + Cut(line) + " in " +
         std::string(file_name_));
  }
}

// The index of the last line equal to `section`, or -1.
int LastIndexOf(const std::vector<std::string>& lines,
                std::string_view section) {
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
    if (lines[i] == section) return i;
  return -1;
}

std::string FileName(const std::filesystem::path& file) {
  return file.string();
}

// Copies the file to "lum_ini.bak" beside it and says whether that worked.
bool Backup(const std::filesystem::path& file, const model::Model& model,
            platform::Ui& ui) {
  const auto bytes = ReadFileBytes(file);
  const bool ok =
      bytes &&
      WriteFileAtomically(file.parent_path() / kSettingsBackupFileName, *bytes);
  if (ok) {
    ui.Message(Caption::kInformation, texts::MessageText(37, model.Language));
  } else {
    ui.Message(Caption::kError, texts::MessageText(36, model.Language));
  }
  return ok;
}

std::string Lower(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

SettingsSource SettingsSourceOf(const std::filesystem::path& file) {
  return Lower(file.filename().string()) == kSettingsFileName
             ? SettingsSource::kStartConfiguration
             : SettingsSource::kConstructionData;
}

SettingsReadReport ReadSettingsLines(const std::vector<std::string>& lines,
                                     std::string_view file_name,
                                     model::Model& model, platform::Ui& ui,
                                     bool read_colours, bool read_date_lines) {
  SettingsReadReport report;
  const int colours = LastIndexOf(lines, kColoursSection);
  const int times = LastIndexOf(lines, kTimesSection);
  const int dates = LastIndexOf(lines, kDateLinesSection);
  if (colours < 0 || colours >= times || times >= dates ||
      static_cast<int>(lines.size()) <= kMinimumLines) {
    report.status = SettingsReadStatus::kDamaged;
    return report;
  }
  // Read into a copy, so that the model is changed only as a whole.
  model::Model m = model;
  m.Language = texts::Language::kGerman;
  m.NormalWindowSize = true;
  SettingsReader reader(lines, file_name, m, ui);
  reader.ReadPositional(std::min(colours, kPositionalLines));
  if (read_colours) reader.ReadColours(colours, times);
  reader.ReadTimes(times, dates);
  if (read_date_lines) reader.ReadDateLines(dates);
  UpdateDerivedValues(m);
  model = std::move(m);
  report.bad_lines = reader.BadLines();
  return report;
}

SettingsReadReport ReadSettingsFile(const std::filesystem::path& file,
                                    SettingsSource source, model::Model& model,
                                    platform::Ui& ui, bool read_colours,
                                    bool read_date_lines) {
  const bool start = source == SettingsSource::kStartConfiguration;
  SettingsReadReport report;
  std::error_code ec;
  const bool exists = std::filesystem::exists(file, ec);
  if (!exists && !ec) {
    report.status = SettingsReadStatus::kMissing;
    if (start) {
      const texts::Language l = model.Language;
      const std::string question =
          FileName(file) + " : \r\n" + std::string(texts::MessageText(34, l)) +
          "\r\n" + std::string(texts::MessageText(35, l));
      if (ui.Message(Caption::kQuestion, question, platform::Buttons::kYesNo) ==
          platform::Answer::kYes) {
        ResetSettingsToDefaults(model);
        report.rewritten = WriteSettingsFile(file, model, ui);
      }
    } else {
      ui.Message(Caption::kError,
                 FileName(file) + " :\r\n" +
                     std::string(texts::MessageText(24, model.Language)) + "4");
    }
    return report;
  }
  const auto lines = exists ? ReadWindows1252Lines(file) : std::nullopt;
  if (!lines) {
    report.status = SettingsReadStatus::kUnreadable;
    ui.Message(Caption::kError,
               FileName(file) + " :\r\n" +
                   std::string(texts::MessageText(24, model.Language)) +
                   (start ? "3" : "4"));
    return report;
  }
  report = ReadSettingsLines(*lines, FileName(file), model, ui, read_colours,
                             read_date_lines);
  if (report.status == SettingsReadStatus::kDamaged) {
    if (!start) {
      ui.Message(Caption::kError, FileName(file) + std::string(texts::RawText(
                                                       1652, model.Language)));
      return report;
    }
    if (ui.Message(Caption::kQuestion, texts::MessageText(14, model.Language),
                   platform::Buttons::kYesNo) == platform::Answer::kYes &&
        Backup(file, model, ui)) {
      ResetSettingsToDefaults(model);
      report.rewritten = WriteSettingsFile(file, model, ui);
    }
    return report;
  }
  if (start && !report.bad_lines.empty()) {
    const texts::Language l = model.Language;
    const std::string question =
        FileName(file) + std::string(texts::RawText(1655, l)) +
        std::to_string(report.bad_lines.front()) + "\n\r" +
        std::string(texts::MessageText(14, l));
    if (ui.Message(Caption::kProblem, question, platform::Buttons::kYesNo) ==
            platform::Answer::kYes &&
        Backup(file, model, ui))
      report.rewritten = WriteSettingsFile(file, model, ui);
  }
  return report;
}

}  // namespace lumtar::app
