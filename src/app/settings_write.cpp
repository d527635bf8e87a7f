// Writing the settings file, and the built-in defaults.

#include <optional>
#include <string>

#include "app/ansi_text_file.h"
#include "app/palette.h"
#include "app/settings_file.h"
#include "app/settings_lines.h"
#include "app/value_ranges.h"
#include "astro/field_readers.h"
#include "astro/format.h"
#include "astro/solar_ephemeris.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

using settings_lines::DigitChar;
using settings_lines::FlagChar;
using settings_lines::FlagPosition;
using settings_lines::kColourLines;
using settings_lines::kColoursSection;
using settings_lines::kDateLinesSection;
using settings_lines::kFlagPositions;
using settings_lines::kLineOptionsLength;
using settings_lines::kTimesSection;
using settings_lines::TrimBlanks;

std::string Fixed(int width, int decimals, double x) {
  return astro::FormatFixed(width, decimals, x);
}

// Line 9: one character per line option.
std::string LineOptionsText(const model::Model& m) {
  const model::LineOptions& o = m.options;
  std::string s(kLineOptionsLength, 'n');
  for (const FlagPosition& f : kFlagPositions)
    s[f.position] = FlagChar(o.*f.option);
  s[0] = o.DateLineMode >= '0' && o.DateLineMode <= '9' ? o.DateLineMode : '0';
  s[1] = o.MeanHourSubdivisions >= '0' && o.MeanHourSubdivisions <= '9'
             ? o.MeanHourSubdivisions
             : '0';
  s[12] = DigitChar(o.HourTimeKind);
  s[17] = FlagChar(o.HourTimeKind == 0);  // for information only
  s[18] = o.ApparentHourSubdivisions >= '0' && o.ApparentHourSubdivisions <= '9'
              ? o.ApparentHourSubdivisions
              : '0';
  s[24] = DigitChar(o.AnalemmaMarkDays);
  s[27] = DigitChar(o.LightOffsetCorrection);
  s[29] = DigitChar(m.LineWidth);
  s[32] = DigitChar(o.ConePlane);
  s[33] = DigitChar(m.selectors.AzimuthScale);
  s[34] = DigitChar(m.selectors.AzimuthCircles);
  s[35] = DigitChar(o.DateCircleMode);
  return s;
}

// Line 10: "s" and the plane letter for an umbrella dial, else the letter
// with the variant digit of q, z and m ("0" after c).
std::string DialKindText(const model::Model& m) {
  std::string s;
  if (m.selectors.UmbrellaFlag != 0) s += 's';
  s += m.DialKind;
  if (m.selectors.UmbrellaFlag == 0) {
    switch (m.DialKind) {
      case 'q':
        s += DigitChar(m.selectors.AltitudeVariant);
        break;
      case 'z':
        s += DigitChar(m.selectors.CylinderVariant);
        break;
      case 'm':
        s += DigitChar(m.options.ConePlane);
        break;
      case 'c':
        s += '0';
        break;
      default:
        break;
    }
  }
  return s;
}

// The colour lines of `file` after its last "[Farben]", or nullopt when
// the file cannot be read or has no such line.
std::optional<std::vector<std::string>> StoredColourLines(
    const std::filesystem::path& file) {
  const auto lines = ReadWindows1252Lines(file);
  if (!lines) return std::nullopt;
  int colours = -1;
  int times = -1;
  for (int i = 0; i < static_cast<int>(lines->size()); ++i) {
    if ((*lines)[i] == kColoursSection) colours = i;
    if ((*lines)[i] == kTimesSection) times = i;
  }
  if (colours < 0) return std::nullopt;
  const int end = times > colours ? times : static_cast<int>(lines->size());
  std::vector<std::string> out;
  for (int k = 1; k <= kColourLines; ++k) {
    const int i = colours + k;
    const auto v =
        i < end ? astro::ParseInteger(TrimBlanks((*lines)[i])) : std::nullopt;
    out.push_back(std::to_string(v && ranges::kColour.Contains(*v) ? *v : 255));
  }
  return out;
}

// A date line as one line of the file: control characters would break the
// line structure and become blanks.
std::string OneLine(std::string_view entry) {
  std::string s(entry);
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return s;
}

}  // namespace

std::vector<std::string> WriteSettingsLines(
    const model::Model& m, platform::Ui& ui,
    const std::filesystem::path* keep_colours_of) {
  const model::DialParameters& p = m.parameters;
  const model::ConstructionValues& v = m.values;
  const model::HourLineTimes& t = m.times;
  std::vector<std::string> lines;
  lines.push_back(std::to_string(p.Year));
  lines.push_back(Fixed(10, 6, p.Latitude) + ";" + Fixed(12, 2, p.Latitude2));
  lines.push_back(Fixed(10, 6, p.Longitude) + ";" + Fixed(12, 2, p.Longitude2));
  lines.push_back(Fixed(12, 2, p.ZoneMeridian));
  lines.push_back(
      Fixed(6, 2, p.GnomonHeight) + ";" + Fixed(6, 2, p.CylinderGnomon) + ";" +
      Fixed(8, 2, p.CylinderRadius) + ";" + Fixed(7, 0, v.CylinderScaleLength));
  lines.push_back(
      std::to_string(p.ShepherdGnomon) + "," +
      std::to_string(v.HidokeiScaleWidth) + "," +
      std::to_string(v.HidokeiScaleLength) + "," +
      std::to_string(p.HidokeiGnomon) + "," + std::to_string(v.MapScale) + "," +
      std::to_string(p.QuadrantSize) + "," + Fixed(6, 1, p.HabermelDiameter));
  lines.push_back(Fixed(11, 6, p.WallDeclination) + ";" +
                  Fixed(10, 6, p.WallDeclination2));
  lines.push_back(Fixed(11, 6, p.Inclination) + ";" +
                  Fixed(10, 6, p.ConeAxisInclination) + ";" +
                  Fixed(10, 6, p.ConeHalfAngle));
  lines.push_back(
      std::to_string(v.AnalemmaHour) + ";" + Fixed(6, 1, p.SawyerCentre) + ";" +
      Fixed(7, 2, p.SawyerHourAngle) + ";  " + Fixed(2, 0, p.SawyerTimeMode));
  lines.push_back(LineOptionsText(m));
  lines.push_back(DialKindText(m));
  lines.push_back(std::to_string(t.ApparentHoursFrom));
  lines.push_back(std::to_string(t.ApparentHoursTo));
  lines.push_back(
      std::string(m.Language == texts::Language::kEnglish ? "E" : "D") +
      FlagChar(m.ExpertMode != 0) + FlagChar(m.ExpertPanel) +
      FlagChar(m.ShowBorders) + FlagChar(m.ShowCoastlines));
  lines.push_back(m.NormalWindowSize ? "true" : "false");
  lines.push_back(Fixed(11, 6, p.UmbrellaDiskRatio) + ";" +
                  Fixed(7, 2, p.RingDiameter) + ";" + Fixed(7, 2, p.RingWidth) +
                  ";" + Fixed(5, 1, p.RingHolePosition));
  lines.push_back(Fixed(7, 1, p.HabermelGnomon) + ";" +
                  Fixed(6, 0, p.PeaucellierUnit) + ";" +
                  Fixed(9, 4, p.PeaucellierConstant));
  lines.push_back(Fixed(7, 2, v.RingHoleOffset) + ";" +
                  Fixed(7, 2, v.RingHoleOffset2) + ";" +
                  Fixed(7, 2, v.RingHoleOffset3));

  lines.emplace_back(kColoursSection);
  std::optional<std::vector<std::string>> kept;
  if (keep_colours_of != nullptr) {
    std::error_code ec;
    if (std::filesystem::exists(*keep_colours_of, ec)) {
      kept = StoredColourLines(*keep_colours_of);
      if (!kept)
        ui.Message(platform::Caption::kInformation,
                   texts::RawText(1651, m.Language));
    }
  }
  if (kept) {
    lines.insert(lines.end(), kept->begin(), kept->end());
  } else {
    for (std::uint32_t c : m.Colors) lines.push_back(std::to_string(c));
  }

  lines.emplace_back(kTimesSection);
  for (std::int32_t hour :
       {t.MeanHoursFrom, t.MeanHoursTo, t.BabylonianFrom, t.BabylonianTo,
        t.ItalianFrom, t.ItalianTo, t.PlanarTemporalFrom, t.PlanarTemporalTo,
        t.AltitudeLinesFrom, t.AltitudeLinesTo, t.HourLinesFrom, t.HourLinesTo,
        t.TemporalHoursFrom, t.TemporalHoursTo})
    lines.push_back(std::to_string(hour));
  std::string digits;
  for (std::uint8_t d : {t.BabylonianSubdivisions, t.ItalianSubdivisions,
                         t.PlanarTemporalSubdivisions, t.AltitudeLineStep,
                         t.HourSubdivisions, t.TemporalSubdivisions})
    digits += DigitChar(d);
  lines.push_back(digits);

  lines.emplace_back(kDateLinesSection);
  for (const std::string& entry : m.DateLineList)
    if (IsDateLine(entry)) lines.push_back(OneLine(entry));
  return lines;
}

bool WriteSettingsFile(const std::filesystem::path& file,
                       const model::Model& model, platform::Ui& ui,
                       const std::filesystem::path* keep_colours_of) {
  const auto lines = WriteSettingsLines(model, ui, keep_colours_of);
  if (WriteWindows1252Lines(file, lines)) {
    ui.Message(platform::Caption::kInformation,
               file.string() + "  " +
                   std::string(texts::MessageText(58, model.Language)));
    return true;
  }
  ui.Message(platform::Caption::kError,
             file.string() + " :\r\n" +
                 std::string(texts::MessageText(18, model.Language)));
  return false;
}

void UpdateDerivedValues(model::Model& model) {
  UpdateColourRoleBlock(model);
  if (ranges::kYear.Contains(model.parameters.Year))
    model.values.Obliquity =
        astro::ZodiacDeclinations(model.parameters.Year).obliquity_display_deg;
}

void ResetSettingsToDefaults(model::Model& model) {
  const std::uint8_t temporal_interval = model.times.TemporalSubdivisions;
  model.parameters = model::DialParameters{};
  model.values = model::ConstructionValues{};
  model.options = model::LineOptions{};
  model.times = model::HourLineTimes{};
  model.times.TemporalSubdivisions = temporal_interval;
  model.parameters.ConeAxisInclination = model.parameters.Latitude;
  model.selectors.AzimuthScale = 1;
  model.selectors.AzimuthCircles = 1;
  UpdateDerivedValues(model);
  const double half = model.values.Obliquity / 2;
  model.values.RingHoleOffset = 0;
  model.values.RingHoleOffset2 = half;
  model.values.RingHoleOffset3 = -half;
}

}  // namespace lumtar::app
