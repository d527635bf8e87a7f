#include "app/model_fields.h"

#include <charconv>
#include <cmath>
#include <type_traits>

#include "app/palette.h"
#include "app/settings_file.h"
#include "astro/field_readers.h"
#include "astro/solar_ephemeris.h"

namespace lumtar::app {
namespace {

using model::Model;
using Reason = std::optional<std::string>;
constexpr FieldStorage kStored = FieldStorage::kStored;
constexpr FieldStorage kNotStored = FieldStorage::kNotStored;

// The shortest fixed-point text that reads back as the same double.
std::string RealText(double v) {
  char buffer[400];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, v,
                               std::chars_format::fixed);
  if (r.ec != std::errc()) return "nan";
  return std::string(buffer, r.ptr);
}

std::string NumberText(double v) {
  return v == std::trunc(v) && std::fabs(v) < 1e15
             ? std::to_string(static_cast<long long>(v))
             : RealText(v);
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string Expected(std::string_view what, ValueRange range) {
  return "expected " + std::string(what) + " in " + RangeText(range);
}

ModelField NewField(std::string_view name, std::string_view record,
                    FieldKind kind, ValueRange range, int decimals,
                    FieldStorage storage) {
  ModelField f;
  f.name = name;
  f.record = record;
  f.kind = kind;
  f.range = range;
  f.decimals = decimals;
  f.storage = storage;
  return f;
}

// The builders below take `access`, a generic lambda that gives the field
// of a (const or mutable) Model; P, V, O, T, S and M make one from a member
// of the record.
template <typename F>
auto P(F model::DialParameters::*field) {
  return [field](auto& m) -> auto& { return m.parameters.*field; };
}
template <typename F>
auto V(F model::ConstructionValues::*field) {
  return [field](auto& m) -> auto& { return m.values.*field; };
}
template <typename F>
auto O(F model::LineOptions::*field) {
  return [field](auto& m) -> auto& { return m.options.*field; };
}
template <typename F>
auto T(F model::HourLineTimes::*field) {
  return [field](auto& m) -> auto& { return m.times.*field; };
}
template <typename F>
auto S(F model::DialSelectors::*field) {
  return [field](auto& m) -> auto& { return m.selectors.*field; };
}
template <typename F>
auto W(F model::ConstructionWindow::*field) {
  return [field](auto& m) -> auto& { return m.window.*field; };
}
template <typename F>
auto M(F model::Model::*field) {
  return [field](auto& m) -> auto& { return m.*field; };
}

template <typename Access>
ModelField Real(std::string_view name, std::string_view record, Access access,
                ValueRange range, int decimals, FieldStorage storage = kStored,
                bool latitude = false) {
  ModelField f =
      NewField(name, record, FieldKind::kReal, range, decimals, storage);
  f.get = [access](const Model& m) { return RealText(access(m)); };
  f.valid = [access, range](const Model& m) {
    return range.Contains(access(m));
  };
  f.set = [access, range, latitude](Model& m, std::string_view text) -> Reason {
    const auto v = astro::ParseDecimal(Trim(text));
    if (!v || !range.Contains(*v)) return Expected("a number", range);
    // A latitude of magnitude below 1e-6 becomes 1e-6, as when read.
    access(m) = latitude && std::fabs(*v) < 1e-6 ? 1e-6 : *v;
    return std::nullopt;
  };
  return f;
}

template <typename Access>
ModelField Integer(std::string_view name, std::string_view record,
                   Access access, ValueRange range,
                   FieldStorage storage = kStored) {
  ModelField f =
      NewField(name, record, FieldKind::kInteger, range, -1, storage);
  f.get = [access](const Model& m) {
    return std::to_string(static_cast<long long>(access(m)));
  };
  f.valid = [access, range](const Model& m) {
    return range.Contains(static_cast<double>(access(m)));
  };
  f.set = [access, range](Model& m, std::string_view text) -> Reason {
    const auto v = astro::ParseInteger(Trim(text));
    if (!v || !range.Contains(*v)) return Expected("a whole number", range);
    access(m) = static_cast<std::remove_reference_t<decltype(access(m))>>(*v);
    return std::nullopt;
  };
  return f;
}

template <typename Access>
ModelField Digit(std::string_view name, std::string_view record, Access access,
                 ValueRange range) {
  ModelField f = NewField(name, record, FieldKind::kDigit, range, -1, kStored);
  f.get = [access](const Model& m) { return std::string(1, access(m)); };
  f.valid = [access, range](const Model& m) {
    const char c = access(m);
    return c >= '0' && c <= '9' && range.Contains(c - '0');
  };
  f.set = [access, range](Model& m, std::string_view text) -> Reason {
    text = Trim(text);
    if (text.size() != 1 || text[0] < '0' || text[0] > '9' ||
        !range.Contains(text[0] - '0'))
      return Expected("a digit", range);
    access(m) = text[0];
    return std::nullopt;
  };
  return f;
}

template <typename Access>
ModelField Flag(std::string_view name, std::string_view record, Access access,
                FieldStorage storage = kStored) {
  ModelField f = NewField(name, record, FieldKind::kFlag, {0, 1}, -1, storage);
  f.get = [access](const Model& m) {
    return std::string(access(m) ? "true" : "false");
  };
  f.valid = [](const Model&) { return true; };
  f.set = [access](Model& m, std::string_view text) -> Reason {
    text = Trim(text);
    if (text == "true" || text == "1") {
      access(m) = true;
    } else if (text == "false" || text == "0") {
      access(m) = false;
    } else {
      return std::string("expected true or false");
    }
    return std::nullopt;
  };
  return f;
}

ModelField DialKindField() {
  ModelField f =
      NewField("DialKind", "Model", FieldKind::kKind, {0, 0}, -1, kStored);
  f.get = [](const Model& m) { return std::string(1, m.DialKind); };
  f.valid = [](const Model& m) {
    return std::string_view(kDialKindLetters).find(m.DialKind) !=
           std::string_view::npos;
  };
  f.set = [](Model& m, std::string_view text) -> Reason {
    text = Trim(text);
    if (text.size() != 1 || std::string_view(kDialKindLetters).find(text[0]) ==
                                std::string_view::npos)
      return "expected one of the letters " + std::string(kDialKindLetters);
    m.DialKind = text[0];
    return std::nullopt;
  };
  return f;
}

ModelField LanguageField() {
  ModelField f =
      NewField("Language", "Model", FieldKind::kLanguage, {0, 0}, -1, kStored);
  f.get = [](const Model& m) {
    return std::string(m.Language == texts::Language::kEnglish ? "en" : "de");
  };
  f.valid = [](const Model&) { return true; };
  f.set = [](Model& m, std::string_view text) -> Reason {
    text = Trim(text);
    if (text == "en") {
      m.Language = texts::Language::kEnglish;
    } else if (text == "de") {
      m.Language = texts::Language::kGerman;
    } else {
      return std::string("expected de or en");
    }
    return std::nullopt;
  };
  return f;
}

constexpr std::string_view kColourNames[12] = {
    "Colors[0]", "Colors[1]", "Colors[2]",  "Colors[3]",
    "Colors[4]", "Colors[5]", "Colors[6]",  "Colors[7]",
    "Colors[8]", "Colors[9]", "Colors[10]", "Colors[11]",
};

ModelField ColourField(int i) {
  ModelField f = NewField(kColourNames[i], "Model", FieldKind::kColour,
                          ranges::kColour, -1, kStored);
  f.get = [i](const Model& m) { return std::to_string(m.Colors[i]); };
  f.valid = [i](const Model& m) {
    return ranges::kColour.Contains(m.Colors[i]);
  };
  f.set = [i](Model& m, std::string_view text) -> Reason {
    text = Trim(text);
    std::optional<long long> v;
    if (text.size() > 2 && text[0] == '0' &&
        (text[1] == 'x' || text[1] == 'X')) {
      long long n = 0;
      const auto r =
          std::from_chars(text.data() + 2, text.data() + text.size(), n, 16);
      if (r.ec == std::errc() && r.ptr == text.data() + text.size()) v = n;
    } else if (const auto n = astro::ParseInteger(text)) {
      v = *n;
    }
    if (!v || !ranges::kColour.Contains(static_cast<double>(*v)))
      return std::string(
          "expected a colour 0x00BBGGRR in [0, 16777215] (decimal or 0x hex)");
    m.Colors[i] = static_cast<std::uint32_t>(*v);
    return std::nullopt;
  };
  return f;
}

ModelField DateLinesField() {
  ModelField f = NewField("DateLineList", "Model", FieldKind::kDateLines,
                          {0, 0}, -1, kStored);
  f.get = [](const Model& m) {
    std::string s;
    for (const std::string& entry : m.DateLineList) {
      if (!s.empty()) s += "|";
      s += entry;
    }
    return s;
  };
  f.valid = [](const Model& m) {
    for (const std::string& entry : m.DateLineList)
      if (!IsDateLine(entry)) return false;
    return true;
  };
  f.set = [](Model& m, std::string_view text) -> Reason {
    std::vector<std::string> entries;
    while (!Trim(text).empty()) {
      const std::size_t bar = text.find('|');
      const std::string_view entry = Trim(text.substr(0, bar));
      if (!IsDateLine(entry))
        return "'" + std::string(entry) +
               "': expected entries \"dd/mm [comment]\" separated by |";
      entries.emplace_back(entry);
      if (bar == std::string_view::npos) break;
      text.remove_prefix(bar + 1);
    }
    m.DateLineList = std::move(entries);
    return std::nullopt;
  };
  return f;
}

template <typename Access>
ModelField Derived(std::string_view name, std::string_view record,
                   FieldKind kind, Access access, std::string_view source) {
  ModelField f =
      NewField(name, record, kind, {0, 0}, -1, FieldStorage::kDerived);
  f.get = [access](const Model& m) { return NumberText(access(m)); };
  f.valid = [](const Model&) { return true; };  // see ModelProblems
  f.set = [source](Model&, std::string_view) -> Reason {
    return "follows " + std::string(source) + " and cannot be set";
  };
  return f;
}

std::vector<ModelField> BuildFields() {
  namespace r = ranges;
  std::vector<ModelField> f;
  constexpr std::string_view kSel = "DialSelectors";
  constexpr std::string_view kPar = "DialParameters";
  constexpr std::string_view kVal = "ConstructionValues";
  constexpr std::string_view kOpt = "LineOptions";
  constexpr std::string_view kTim = "HourLineTimes";
  constexpr std::string_view kMod = "Model";

  f.push_back(DialKindField());
  f.push_back(Integer("UmbrellaFlag", kSel,
                      S(&model::DialSelectors::UmbrellaFlag), {0, 1}));
  f.push_back(Integer("AltitudeVariant", kSel,
                      S(&model::DialSelectors::AltitudeVariant),
                      r::kAltitudeVariant));
  f.push_back(Integer("AzimuthCircles", kSel,
                      S(&model::DialSelectors::AzimuthCircles),
                      r::kAzimuthCircles));
  f.push_back(Integer("AzimuthScale", kSel,
                      S(&model::DialSelectors::AzimuthScale),
                      r::kAzimuthScale));
  f.push_back(Integer("CylinderVariant", kSel,
                      S(&model::DialSelectors::CylinderVariant),
                      r::kCylinderVariant));

  f.push_back(Real("Latitude", kPar, P(&model::DialParameters::Latitude),
                   r::kLatitude, 6, kStored, true));
  f.push_back(Real("Longitude", kPar, P(&model::DialParameters::Longitude),
                   r::kLongitude, 6));
  f.push_back(Real("ZoneMeridian", kPar,
                   P(&model::DialParameters::ZoneMeridian), r::kZoneMeridian,
                   2));
  f.push_back(Real("WallDeclination", kPar,
                   P(&model::DialParameters::WallDeclination),
                   r::kWallDeclination, 6));
  f.push_back(Real("Inclination", kPar, P(&model::DialParameters::Inclination),
                   r::kInclination, 6));
  f.push_back(Real("ConeAxisInclination", kPar,
                   P(&model::DialParameters::ConeAxisInclination),
                   r::kConeAxisInclination, 6));
  f.push_back(Real("ConeHalfAngle", kPar,
                   P(&model::DialParameters::ConeHalfAngle), r::kConeHalfAngle,
                   6));
  f.push_back(Real("UmbrellaDiskRatio", kPar,
                   P(&model::DialParameters::UmbrellaDiskRatio),
                   r::kUmbrellaDiskRatio, 6));
  f.push_back(Real("GnomonHeight", kPar,
                   P(&model::DialParameters::GnomonHeight), r::kGnomonHeight,
                   2));
  f.push_back(Real("HabermelGnomon", kPar,
                   P(&model::DialParameters::HabermelGnomon),
                   r::kHabermelGnomon, 1));
  f.push_back(Real("HabermelDiameter", kPar,
                   P(&model::DialParameters::HabermelDiameter),
                   r::kHabermelDiameter, 1));
  f.push_back(Real("RingHolePosition", kPar,
                   P(&model::DialParameters::RingHolePosition),
                   r::kRingHolePosition, 1));
  f.push_back(Real("RingDiameter", kPar,
                   P(&model::DialParameters::RingDiameter), r::kRingDiameter,
                   2));
  f.push_back(Real("RingWidth", kPar, P(&model::DialParameters::RingWidth),
                   r::kRingWidth, 2));
  f.push_back(Real("Latitude2", kPar, P(&model::DialParameters::Latitude2),
                   r::kLatitude, 2, kStored, true));
  f.push_back(Real("Longitude2", kPar, P(&model::DialParameters::Longitude2),
                   r::kLongitude, 2));
  f.push_back(Real("WallDeclination2", kPar,
                   P(&model::DialParameters::WallDeclination2),
                   r::kWallDeclination, 6));
  f.push_back(Real("CylinderRadius", kPar,
                   P(&model::DialParameters::CylinderRadius),
                   r::kCylinderRadius, 2));
  f.push_back(Real("CylinderGnomon", kPar,
                   P(&model::DialParameters::CylinderGnomon),
                   r::kCylinderGnomon, 2));
  f.push_back(Real("FocusBase", kPar, P(&model::DialParameters::FocusBase),
                   r::kFocusBase, -1, kNotStored));
  f.push_back(Integer("QuadrantSize", kPar,
                      P(&model::DialParameters::QuadrantSize),
                      r::kQuadrantSize));
  f.push_back(Integer("Year", kPar, P(&model::DialParameters::Year), r::kYear));
  f.push_back(Integer("ShepherdGnomon", kPar,
                      P(&model::DialParameters::ShepherdGnomon),
                      r::kShepherdGnomon));
  f.push_back(Integer("HidokeiGnomon", kPar,
                      P(&model::DialParameters::HidokeiGnomon),
                      r::kHidokeiGnomon));
  f.push_back(Integer("PeaucellierUnit", kPar,
                      P(&model::DialParameters::PeaucellierUnit),
                      r::kPeaucellierUnit));
  f.push_back(Real("SawyerCentre", kPar,
                   P(&model::DialParameters::SawyerCentre), r::kSawyerCentre,
                   1));
  f.push_back(Real("SawyerHourAngle", kPar,
                   P(&model::DialParameters::SawyerHourAngle),
                   r::kSawyerHourAngle, 2));
  f.push_back(Real("PeaucellierConstant", kPar,
                   P(&model::DialParameters::PeaucellierConstant),
                   r::kPeaucellierConstant, 4));
  f.push_back(Integer("SawyerTimeMode", kPar,
                      P(&model::DialParameters::SawyerTimeMode),
                      r::kSawyerTimeMode));

  f.push_back(Integer("CylinderScaleLength", kVal,
                      V(&model::ConstructionValues::CylinderScaleLength),
                      r::kCylinderScaleLength));
  f.push_back(Integer("MaxShadowLength", kVal,
                      V(&model::ConstructionValues::MaxShadowLength),
                      r::kMaxShadowLength, kNotStored));
  f.push_back(Integer("HidokeiScaleLength", kVal,
                      V(&model::ConstructionValues::HidokeiScaleLength),
                      r::kHidokeiScaleLength));
  f.push_back(Integer("HidokeiScaleWidth", kVal,
                      V(&model::ConstructionValues::HidokeiScaleWidth),
                      r::kHidokeiScaleWidth));
  f.push_back(Real("ObserverDistance", kVal,
                   V(&model::ConstructionValues::ObserverDistance),
                   r::kObserverDistance, -1, kNotStored));
  f.push_back(Real("BasePlateDiameter", kVal,
                   V(&model::ConstructionValues::BasePlateDiameter),
                   r::kBasePlateDiameter, -1, kNotStored));
  f.push_back(Integer("AnalemmaHour", kVal,
                      V(&model::ConstructionValues::AnalemmaHour),
                      r::kAnalemmaHour));
  f.push_back(Integer("MapScale", kVal, V(&model::ConstructionValues::MapScale),
                      r::kMapScale));
  f.push_back(Derived("Obliquity", kVal, FieldKind::kReal,
                      V(&model::ConstructionValues::Obliquity), "Year"));
  f.push_back(Real("RingHoleOffset", kVal,
                   V(&model::ConstructionValues::RingHoleOffset),
                   r::kRingHoleOffset, 2));
  f.push_back(Real("RingHoleOffset2", kVal,
                   V(&model::ConstructionValues::RingHoleOffset2),
                   r::kRingHoleOffset2, 2));
  f.push_back(Real("RingHoleOffset3", kVal,
                   V(&model::ConstructionValues::RingHoleOffset3),
                   r::kRingHoleOffset3, 2));

  f.push_back(Digit("DateLineMode", kOpt, O(&model::LineOptions::DateLineMode),
                    r::kDateLineMode));
  f.push_back(Digit("MeanHourSubdivisions", kOpt,
                    O(&model::LineOptions::MeanHourSubdivisions),
                    r::kHourInterval));
  f.push_back(Flag("HourLinesToFootPoint", kOpt,
                   O(&model::LineOptions::HourLinesToFootPoint)));
  f.push_back(Flag("OptionFlag3", kOpt, O(&model::LineOptions::OptionFlag3)));
  f.push_back(
      Flag("ShowHourLines", kOpt, O(&model::LineOptions::ShowHourLines)));
  f.push_back(Flag("ShowAnalemmaMarks", kOpt,
                   O(&model::LineOptions::ShowAnalemmaMarks)));
  f.push_back(Flag("ShowBabylonianHours", kOpt,
                   O(&model::LineOptions::ShowBabylonianHours)));
  f.push_back(
      Flag("ShowItalianHours", kOpt, O(&model::LineOptions::ShowItalianHours)));
  f.push_back(Flag("ShowAltitudeLines", kOpt,
                   O(&model::LineOptions::ShowAltitudeLines)));
  f.push_back(Flag("ShowTemporalHours", kOpt,
                   O(&model::LineOptions::ShowTemporalHours)));
  f.push_back(
      Flag("QuadrantMirrored", kOpt, O(&model::LineOptions::QuadrantMirrored)));
  f.push_back(
      Flag("ConstructWithEoT", kOpt, O(&model::LineOptions::ConstructWithEoT)));
  f.push_back(Integer("HourTimeKind", kOpt,
                      O(&model::LineOptions::HourTimeKind), r::kHourTimeKind));
  f.push_back(
      Flag("JanuaryOutside", kOpt, O(&model::LineOptions::JanuaryOutside)));
  f.push_back(
      Flag("ApparentAtSite", kOpt, O(&model::LineOptions::ApparentAtSite)));
  f.push_back(
      Flag("FullYearScale", kOpt, O(&model::LineOptions::FullYearScale)));
  f.push_back(Flag("HourLinesMeanTime", kOpt,
                   O(&model::LineOptions::HourLinesMeanTime)));
  f.push_back(Digit("ApparentHourSubdivisions", kOpt,
                    O(&model::LineOptions::ApparentHourSubdivisions),
                    r::kHourInterval));
  f.push_back(Flag("HidokeiVerticalFace", kOpt,
                   O(&model::LineOptions::HidokeiVerticalFace)));
  f.push_back(
      Flag("OneHourLineBand", kOpt, O(&model::LineOptions::OneHourLineBand)));
  f.push_back(Flag("HourLinesLocalMeridian", kOpt,
                   O(&model::LineOptions::HourLinesLocalMeridian)));
  f.push_back(
      Flag("ShowPoleTriangle", kOpt, O(&model::LineOptions::ShowPoleTriangle)));
  f.push_back(Flag("ShowMeanHourLines", kOpt,
                   O(&model::LineOptions::ShowMeanHourLines)));
  f.push_back(Integer("AnalemmaMarkDays", kOpt,
                      O(&model::LineOptions::AnalemmaMarkDays),
                      r::kAnalemmaMarkDays));
  f.push_back(Flag("AzimuthDateCircles", kOpt,
                   O(&model::LineOptions::AzimuthDateCircles)));
  f.push_back(Integer("LightOffsetCorrection", kOpt,
                      O(&model::LineOptions::LightOffsetCorrection),
                      r::kLightOffsetCorrection));
  f.push_back(Flag("NoonLineHorizontal", kOpt,
                   O(&model::LineOptions::NoonLineHorizontal)));
  f.push_back(Flag("OptionFlag30", kOpt, O(&model::LineOptions::OptionFlag30)));
  f.push_back(Flag("SecondPlaneEnabled", kOpt,
                   O(&model::LineOptions::SecondPlaneEnabled)));
  f.push_back(Integer("ConePlane", kOpt, O(&model::LineOptions::ConePlane),
                      r::kConePlane));
  f.push_back(Integer("DateCircleMode", kOpt,
                      O(&model::LineOptions::DateCircleMode),
                      r::kDateCircleMode));
  f.push_back(Flag("OptionFlag36", kOpt, O(&model::LineOptions::OptionFlag36)));
  f.push_back(Flag("ExtendTemporalHours", kOpt,
                   O(&model::LineOptions::ExtendTemporalHours)));
  f.push_back(Flag("SawyerStraightMeanLines", kOpt,
                   O(&model::LineOptions::SawyerStraightMeanLines),
                   kNotStored));
  f.push_back(Flag("SawyerCurvedMeanLines", kOpt,
                   O(&model::LineOptions::SawyerCurvedMeanLines), kNotStored));

  f.push_back(Integer("ApparentHoursFrom", kTim,
                      T(&model::HourLineTimes::ApparentHoursFrom),
                      r::kClockHour));
  f.push_back(Integer("ApparentHoursTo", kTim,
                      T(&model::HourLineTimes::ApparentHoursTo),
                      r::kClockHour));
  f.push_back(Integer("MeanHoursFrom", kTim,
                      T(&model::HourLineTimes::MeanHoursFrom), r::kClockHour));
  f.push_back(Integer("MeanHoursTo", kTim,
                      T(&model::HourLineTimes::MeanHoursTo), r::kClockHour));
  f.push_back(Integer("BabylonianFrom", kTim,
                      T(&model::HourLineTimes::BabylonianFrom), r::kClockHour));
  f.push_back(Integer("BabylonianTo", kTim,
                      T(&model::HourLineTimes::BabylonianTo), r::kClockHour));
  f.push_back(Integer("ItalianFrom", kTim,
                      T(&model::HourLineTimes::ItalianFrom), r::kClockHour));
  f.push_back(Integer("ItalianTo", kTim, T(&model::HourLineTimes::ItalianTo),
                      r::kClockHour));
  f.push_back(Integer("PlanarTemporalFrom", kTim,
                      T(&model::HourLineTimes::PlanarTemporalFrom),
                      r::kTemporalHour));
  f.push_back(Integer("PlanarTemporalTo", kTim,
                      T(&model::HourLineTimes::PlanarTemporalTo),
                      r::kTemporalHour));
  f.push_back(Integer("AltitudeLinesFrom", kTim,
                      T(&model::HourLineTimes::AltitudeLinesFrom),
                      r::kAltitudeLimit));
  f.push_back(Integer("AltitudeLinesTo", kTim,
                      T(&model::HourLineTimes::AltitudeLinesTo),
                      r::kAltitudeLimit));
  f.push_back(Integer("HourLinesFrom", kTim,
                      T(&model::HourLineTimes::HourLinesFrom), r::kClockHour));
  f.push_back(Integer("HourLinesTo", kTim,
                      T(&model::HourLineTimes::HourLinesTo), r::kClockHour));
  f.push_back(Integer("TemporalHoursFrom", kTim,
                      T(&model::HourLineTimes::TemporalHoursFrom),
                      r::kTemporalHour));
  f.push_back(Integer("TemporalHoursTo", kTim,
                      T(&model::HourLineTimes::TemporalHoursTo),
                      r::kTemporalHour));
  f.push_back(Integer("BabylonianSubdivisions", kTim,
                      T(&model::HourLineTimes::BabylonianSubdivisions),
                      r::kHourInterval));
  f.push_back(Integer("ItalianSubdivisions", kTim,
                      T(&model::HourLineTimes::ItalianSubdivisions),
                      r::kHourInterval));
  f.push_back(Integer("PlanarTemporalSubdivisions", kTim,
                      T(&model::HourLineTimes::PlanarTemporalSubdivisions),
                      r::kTemporalInterval));
  f.push_back(Integer("AltitudeLineStep", kTim,
                      T(&model::HourLineTimes::AltitudeLineStep),
                      r::kAltitudeStep));
  f.push_back(Integer("HourSubdivisions", kTim,
                      T(&model::HourLineTimes::HourSubdivisions),
                      r::kHourInterval));
  f.push_back(Integer("TemporalSubdivisions", kTim,
                      T(&model::HourLineTimes::TemporalSubdivisions),
                      r::kTemporalInterval));

  f.push_back(DateLinesField());
  for (int i = 0; i < 12; ++i) f.push_back(ColourField(i));
  f.push_back(
      Integer("LineWidth", kMod, M(&model::Model::LineWidth), r::kLineWidth));
  f.push_back(Derived("ColourRoleBlock", kMod, FieldKind::kInteger,
                      M(&model::Model::ColourRoleBlock), "DialKind"));
  f.push_back(LanguageField());
  f.push_back(
      Integer("ExpertMode", kMod, M(&model::Model::ExpertMode), {0, 1}));
  f.push_back(Flag("ExpertPanel", kMod, M(&model::Model::ExpertPanel)));
  f.push_back(Flag("ShowBorders", kMod, M(&model::Model::ShowBorders)));
  f.push_back(Flag("ShowCoastlines", kMod, M(&model::Model::ShowCoastlines)));
  f.push_back(
      Flag("NormalWindowSize", kMod, M(&model::Model::NormalWindowSize)));
  f.push_back(Flag("DecimalSiteInput", kMod, M(&model::Model::DecimalSiteInput),
                   kNotStored));
  f.push_back(
      Flag("DialogsValid", kMod, M(&model::Model::DialogsValid), kNotStored));
  f.push_back(Flag("ParametersValid", kMod, M(&model::Model::ParametersValid),
                   kNotStored));
  f.push_back(Flag("ZoneWarningPending", kMod,
                   M(&model::Model::ZoneWarningPending), kNotStored));
  f.push_back(Integer("WizardState", kMod, M(&model::Model::WizardState),
                      {0, 5}, kNotStored));
  f.push_back(Integer("TwilightKind", kMod, M(&model::Model::TwilightKind),
                      {0, 2}, kNotStored));

  // The construction window's state, for the command-line tool.
  constexpr std::string_view kWin = "ConstructionWindow";
  f.push_back(Real("Zoom", kWin, W(&model::ConstructionWindow::Zoom),
                   {1.0 / 64, 64}, 6, kNotStored));
  f.push_back(Flag("PrintLikeScreen", kWin,
                   W(&model::ConstructionWindow::PrintLikeScreen), kNotStored));
  f.push_back(Flag("DrawGrid", kWin, W(&model::ConstructionWindow::DrawGrid),
                   kNotStored));
  f.push_back(Flag("LargeLabels", kWin,
                   W(&model::ConstructionWindow::LargeLabels), kNotStored));
  f.push_back(Flag("ShowSunshineLines", kWin,
                   W(&model::ConstructionWindow::ShowSunshineLines),
                   kNotStored));
  return f;
}

}  // namespace

std::string RangeText(ValueRange range) {
  if (range.max == ranges::kAny) return "(any number)";
  return "[" + NumberText(range.min) + ", " + NumberText(range.max) + "]";
}

const std::vector<ModelField>& ModelFields() {
  static const std::vector<ModelField> fields = BuildFields();
  return fields;
}

const ModelField* FindModelField(std::string_view name) {
  for (const ModelField& f : ModelFields())
    if (f.name == name) return &f;
  return nullptr;
}

std::optional<std::string> SetModelField(model::Model& model,
                                         std::string_view name,
                                         std::string_view value) {
  const ModelField* f = FindModelField(name);
  if (f == nullptr) return "unknown field '" + std::string(name) + "'";
  return f->set(model, value);
}

std::vector<std::string> ModelProblems(const model::Model& model) {
  std::vector<std::string> problems;
  for (const ModelField& f : ModelFields()) {
    if (!f.valid(model))
      problems.push_back(std::string(f.name) + " = " + f.get(model) +
                         " is outside " + RangeText(f.range));
  }
  if (model.selectors.UmbrellaFlag != 0 &&
      std::string_view(kUmbrellaPlaneLetters).find(model.DialKind) ==
          std::string_view::npos)
    problems.push_back(
        "UmbrellaFlag = 1 needs DialKind h, i or v (the umbrella plane)");
  if (model.ColourRoleBlock != ColourRoleBlockForKind(model.DialKind))
    problems.push_back("ColourRoleBlock does not follow DialKind");
  if (ranges::kYear.Contains(model.parameters.Year) &&
      model.values.Obliquity != astro::ZodiacDeclinations(model.parameters.Year)
                                    .obliquity_display_deg)
    problems.push_back("Obliquity does not follow Year");
  return problems;
}

}  // namespace lumtar::app
