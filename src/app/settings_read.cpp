// Reading the settings file: the positional lines and the sections' order.

#include <algorithm>
#include <cctype>
#include <string>

#include "app/settings_file.h"
#include "app/settings_reader.h"
#include "astro/solar_ephemeris.h"

namespace lumtar::app {
namespace settings_reading {

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

}  // namespace settings_reading

namespace {

using settings_lines::kColoursSection;
using settings_lines::kDateLinesSection;
using settings_lines::kMinimumLines;
using settings_lines::kPositionalLines;
using settings_lines::kTimesSection;

// The index of the last line equal to `section`, or -1.
int LastIndexOf(const std::vector<std::string>& lines,
                std::string_view section) {
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
    if (lines[i] == section) return i;
  return -1;
}

}  // namespace

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
  settings_reading::SettingsReader reader(lines, file_name, m, ui);
  reader.ReadPositional(std::min(colours, kPositionalLines));
  if (read_colours) reader.ReadColours(colours, times);
  reader.ReadTimes(times, dates);
  if (read_date_lines) reader.ReadDateLines(dates);
  UpdateDerivedValues(m);
  model = std::move(m);
  report.bad_lines = reader.BadLines();
  return report;
}

}  // namespace lumtar::app
