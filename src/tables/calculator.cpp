#include "tables/calculator.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "astro/field_readers.h"
#include "astro/format.h"
#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "tables/month_tables.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::tables {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Caption;
using texts::Language;

const std::string kIndent11(11, ' ');
const std::string kIndent9(9, ' ');

// Longitudes and zone meridians beyond this many degrees apart are
// questioned (the same threshold as the site dialog).
constexpr double kZoneWarningDegrees = 15;

std::string Phrase(int entry, Language l) {
  return std::string(texts::PhraseText(entry, l));
}

std::string RuleLine() {
  std::string s = "  __";
  for (int i = 0; i < 37; ++i) s += "__";
  return s;
}

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(' ');
  return std::string(s.substr(first, last - first + 1));
}

// The plain real conversion of the window: blanks around the number are
// ignored and "," counts as ".".
std::optional<double> PlainReal(std::string_view text) {
  std::string s = Trim(text);
  for (char& c : s)
    if (c == ',') c = '.';
  return astro::ParseDecimal(s);
}

std::optional<int> PlainInteger(std::string_view text) {
  return astro::ParseInteger(Trim(text));
}

// A rise/set text with its unit; texts that are not times (" -----",
// "always seen" ...) stand alone, padded to the width of a time and unit.
std::string EventText(bool found, const std::string& text) {
  if (found) return text + " hh:min";
  std::string s = text;
  if (s.size() < 13) s.append(13 - s.size(), ' ');
  return s;
}

std::string ZoneQuestion(Language l) {
  return std::string(texts::RawText(1694, l)) + "\r\n" +
         std::string(texts::RawText(1695, l)) + "\r\n" +
         std::string(texts::RawText(1696, l));
}

}  // namespace

CalcState StartupCalcState(int today_month, int today_day) {
  CalcState s;
  s.CalcMonth = today_month;
  s.CalcDay = today_day;
  return s;
}

std::optional<double> ParseTimeOfDay(std::string_view text) {
  int parts[3] = {0, 0, 0};
  int count = 0;
  int digits = 0;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (++digits > 2) return std::nullopt;
      parts[count] = parts[count] * 10 + (c - '0');
    } else if (c == ':') {
      if (digits == 0 || count == 2) return std::nullopt;
      ++count;
      digits = 0;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  if (parts[1] > 59 || parts[2] > 59) return std::nullopt;
  // 24:00:00 is the end of the day; later hours are no time of day.
  if (parts[0] > 24 || (parts[0] == 24 && parts[1] + parts[2] > 0))
    return std::nullopt;
  return parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
}

std::string TimeOfDayText(double hours) {
  const long long s = std::clamp(std::llround(hours * 3600), 0LL, 86400LL);
  std::string t;
  for (long long v : {s / 3600, s / 60 % 60, s % 60}) {
    if (!t.empty()) t += ':';
    if (v < 10) t += '0';
    t += std::to_string(v);
  }
  return t;
}

Calculator::Calculator(model::Model& model, CalcState& state, platform::Ui& ui)
    : model_(model), state_(state), ui_(ui) {}

void Calculator::Open() {
  const auto& p = model_.parameters;
  longitude = astro::FormatFixed(13, 6, p.Longitude);
  latitude = astro::FormatFixed(13, 6, p.Latitude);
  year = std::to_string(p.Year);
  zone_meridian = astro::FormatFixed(7, 2, p.ZoneMeridian);
  month = std::to_string(state_.CalcMonth);
  day = std::to_string(state_.CalcDay);
  azimuth = astro::FormatFixed(7, 2, state_.TargetAzimuth);
  time = TimeOfDayText(state_.CalcTimeOfDay);
  focus.reset();
  result_.clear();
  labels_ = {};

  view_ = {};
  view_.maximised = !model_.NormalWindowSize;
  switch (state_.CalcMode) {
    case kCalcAzimuthTime:
      view_.help_context = 49;
      view_.more_tables_menu = true;
      break;
    case kCalcRiseSet:
      view_.help_context = 28;
      view_.tables_button = true;
      view_.tables_button_text = std::string(texts::RawText(808, language()));
      break;
    case kCalcPosition:
      view_.help_context = 29;
      view_.more_tables_menu = true;
      view_.altitude_graph_button = true;
      break;
    default:  // 8, 16 and 0: equation of time
      view_.help_context = 30;
      view_.eot_graph_button = true;
      view_.tables_button = true;
      view_.tables_button_text = std::string(texts::RawText(825, language()));
      break;
  }
}

void Calculator::UpdateZoneWarning() {
  const auto& p = model_.parameters;
  model_.ZoneWarningPending =
      std::fabs(p.Longitude - p.ZoneMeridian) > kZoneWarningDegrees;
}

void Calculator::LeaveLatitude() {
  focus.reset();
  const auto r = astro::ReadRealField(
      latitude, model_.parameters.Latitude,
      astro::StripAccelerators(texts::RawText(1767, language())), 90, -90, ui_,
      language());
  if (r.failed) {
    if (r.rewrite) latitude = *r.rewrite;
    focus = Field::kLatitude;
    return;
  }
  model_.parameters.Latitude = r.value;
  latitude = astro::FormatFixed(11, 6, r.value);
}

void Calculator::LeaveLongitude() {
  focus.reset();
  const auto v = PlainReal(longitude);
  if (v && std::fabs(*v) <= 180) {
    model_.parameters.Longitude = *v;
  } else {
    longitude = astro::FormatFixed(13, 6, model_.parameters.Longitude);
  }
  UpdateZoneWarning();
}

void Calculator::LeaveZoneMeridian() {
  focus.reset();
  const auto v = PlainReal(zone_meridian);
  if (v && std::fabs(*v) <= 180) {
    model_.parameters.ZoneMeridian = *v;
  } else {
    zone_meridian = astro::FormatFixed(7, 2, model_.parameters.ZoneMeridian);
  }
  UpdateZoneWarning();
}

void Calculator::CheckDate() {
  int d = state_.CalcDay;
  if (astro::controlGregor(model_.parameters.Year, state_.CalcMonth, d, ui_,
                           language())) {
    state_.CalcDay = d;
    day = std::to_string(d);
  }
}

void Calculator::LeaveYear() {
  focus.reset();
  const auto v = PlainInteger(year);
  if (v && *v >= astro::kFirstYear && *v <= astro::kLastYear) {
    model_.parameters.Year = *v;
  }
  year = std::to_string(model_.parameters.Year);
  CheckDate();
}

void Calculator::LeaveMonth() {
  focus.reset();
  const auto v = PlainInteger(month);
  if (v && *v >= 1 && *v <= 12) state_.CalcMonth = *v;
  month = std::to_string(state_.CalcMonth);
  CheckDate();
}

void Calculator::LeaveDay() {
  focus.reset();
  const auto v = PlainInteger(day);
  if (v && *v >= 1 && *v <= 31) state_.CalcDay = *v;
  day = std::to_string(state_.CalcDay);
  CheckDate();
}

void Calculator::LeaveTime() {
  focus.reset();
  if (Trim(time).empty()) time = "12:00:00";
  const auto t = ParseTimeOfDay(Trim(time));
  if (!t) {
    time = std::string(texts::RawText(1763, language()));
    focus = Field::kTime;
    return;
  }
  time = TimeOfDayText(*t);
  state_.CalcTimeOfDay = *t;
}

std::optional<char> Calculator::TimeKey(char key) {
  if (key == ' ') return ':';
  if ((key >= '0' && key <= '9') || key == ':' || key == '\b') return key;
  if (key == '\r' || key == '\n') focus = Field::kCalculate;
  return std::nullopt;
}

void Calculator::ReadAllFields() {
  auto& p = model_.parameters;
  if (const auto v = PlainInteger(year);
      v && *v >= astro::kFirstYear && *v <= astro::kLastYear) {
    p.Year = *v;
  } else {
    year = std::to_string(p.Year);
  }
  if (const auto v = PlainInteger(month); v && *v >= 1 && *v <= 12) {
    state_.CalcMonth = *v;
  } else {
    month = std::to_string(state_.CalcMonth);
  }
  if (const auto v = PlainInteger(day); v && *v >= 1 && *v <= 31) {
    state_.CalcDay = *v;
  } else {
    day = std::to_string(state_.CalcDay);
  }
  if (const auto v = PlainReal(longitude); v && std::fabs(*v) <= 180) {
    p.Longitude = *v;
  } else {
    longitude = astro::FormatFixed(13, 6, p.Longitude);
  }
  if (const auto v = PlainReal(latitude); v && std::fabs(*v) <= 90) {
    p.Latitude = *v;
  } else {
    latitude = astro::FormatFixed(11, 6, p.Latitude);
  }
  if (const auto v = PlainReal(zone_meridian); v && std::fabs(*v) <= 180) {
    p.ZoneMeridian = *v;
  } else {
    zone_meridian = astro::FormatFixed(7, 2, p.ZoneMeridian);
  }
  CheckDate();
}

bool Calculator::AskZoneWarning() {
  if (!model_.ZoneWarningPending) return true;
  if (ui_.Message(Caption::kWarning, ZoneQuestion(language()),
                  Buttons::kYesNo) != Answer::kYes)
    return false;
  model_.ZoneWarningPending = false;
  return true;
}

void Calculator::Fail(Field field, std::string text) {
  if (field == Field::kTime) {
    time = std::move(text);
  } else {
    azimuth = std::move(text);
  }
  focus = field;
  result_.clear();
}

bool Calculator::Calculate() {
  const Language l = language();
  print_enabled_ = true;
  focus.reset();
  ReadAllFields();
  const auto& p = model_.parameters;

  labels_ = {};
  result_.clear();
  result_.push_back(" ");
  result_.push_back(RuleLine());
  result_.push_back(" ");
  result_.push_back(Phrase(89, l) + astro::FormatFixed(4, 0, p.Year) + "-" +
                    astro::FormatFixed(2, 0, state_.CalcMonth) + "-" +
                    astro::FormatFixed(2, 0, state_.CalcDay));
  result_.push_back(Phrase(87, l) + astro::FormatFixed(6, 2, p.Latitude) +
                    Phrase(105, l));
  result_.push_back(Phrase(88, l) + astro::FormatFixed(7, 2, p.Longitude) +
                    Phrase(90, l) + astro::FormatFixed(6, 1, p.ZoneMeridian) +
                    Phrase(105, l));
  result_.push_back(" ");

  if (!AskZoneWarning()) {
    result_.clear();
    return false;
  }
  switch (state_.CalcMode) {
    case kCalcAzimuthTime:
      if (!CalculateAzimuthTime()) return false;
      break;
    case kCalcPosition:
      if (!CalculatePosition()) return false;
      break;
    case kCalcRiseSet:
      CalculateNoonValues();
      RiseSetDisplay();
      break;
    default:
      CalculateNoonValues();
      break;
  }
  result_.push_back(RuleLine());
  return true;
}

bool Calculator::CalculateAzimuthTime() {
  const Language l = language();
  const auto& p = model_.parameters;
  if (Trim(azimuth).empty()) {
    Fail(Field::kAzimuth, Phrase(67, l));
    return false;
  }
  const auto a = PlainReal(azimuth);
  if (!a || std::fabs(*a) > 180) {
    Fail(Field::kAzimuth, std::string(texts::RawText(1763, l)));
    return false;
  }
  state_.TargetAzimuth = *a;
  result_.push_back(kIndent11 + Phrase(102, l) + kIndent11 +
                    astro::FormatFixed(7, 2, state_.TargetAzimuth) + "  " +
                    Phrase(105, l));
  result_.push_back(kIndent11 + Phrase(104, l));
  const astro::AzimuthTime t = astro::TimeForAzimuth(
      {p.Latitude, p.Longitude, p.ZoneMeridian}, state_.CalcDay,
      state_.CalcMonth, p.Year, state_.TargetAzimuth, ui_, l);
  labels_.time = t.text;
  result_.push_back(kIndent11 + Phrase(107, l) + Trim(t.text));
  if (t.altitude_deg > 0) {
    result_.push_back(
        kIndent11 + Phrase(101, l) +
        astro::FormatFixed(5, 2, std::round(t.altitude_deg * 100) / 100) +
        "  " + Phrase(105, l));
  } else {
    result_.push_back(kIndent11 + Phrase(108, l));
  }
  labels_.altitude =
      astro::FormatFixed(5, 1, std::round(t.altitude_deg * 10) / 10) +
      Phrase(105, l);
  return true;
}

bool Calculator::CalculatePosition() {
  const Language l = language();
  const auto& p = model_.parameters;
  if (Trim(time).empty()) {
    Fail(Field::kTime, Phrase(67, l));
    return false;
  }
  const auto t = ParseTimeOfDay(Trim(time));
  if (!t) {
    Fail(Field::kTime, std::string(texts::RawText(1763, l)));
    return false;
  }
  state_.CalcTimeOfDay = *t;
  result_.push_back(kIndent11 + Phrase(100, l) + time);
  const int d = static_cast<int>(std::trunc(
      astro::ModifiedJulianDate(state_.CalcDay, state_.CalcMonth, p.Year, 0) -
      astro::ModifiedJulianDate(0, 1, p.Year, 0)));
  const astro::TimeKind kind = time_kind == TimeKindChoice::kLocalApparent
                                   ? astro::TimeKind::kLocalApparent
                               : time_kind == TimeKindChoice::kLocalMean
                                   ? astro::TimeKind::kLocalMean
                                   : astro::TimeKind::kZone;
  const astro::SunPlace s =
      astro::SunPositionForClock(kind, p.Year, d, state_.CalcTimeOfDay,
                                 p.Latitude, p.Longitude, p.ZoneMeridian);
  const std::string eot = astro::FormatEotMinSec(s.eot_deg);
  labels_.altitude = astro::FormatFixed(7, 2, s.altitude_deg);
  labels_.azimuth = astro::FormatFixed(7, 2, s.azimuth_deg);
  labels_.equation_of_time = eot + "  min:sec";
  labels_.declination =
      astro::FormatFixed(7, 2, std::round(s.declination_deg * 100) / 100) +
      " deg ";
  result_.push_back(
      kIndent11 + Phrase(101, l) + astro::FormatFixed(6, 2, s.altitude_deg) +
      Phrase(105, l) + "    " + Phrase(103, l) +
      astro::FormatFixed(6, 2, s.declination_deg) + Phrase(105, l));
  result_.push_back(kIndent11 + Phrase(102, l) +
                    astro::FormatFixed(7, 2, s.azimuth_deg) + Phrase(105, l) +
                    "    " + Phrase(92, l) + " " + eot + " mm:ss");
  result_.push_back(kIndent11 + Phrase(104, l));
  return true;
}

void Calculator::CalculateNoonValues() {
  const Language l = language();
  const auto& p = model_.parameters;
  // 12 h zone time of the calculator's date.
  const double x =
      astro::ModifiedJulianDate(state_.CalcDay, state_.CalcMonth, p.Year, 0) -
      astro::ModifiedJulianDate(0, 1, p.Year, 0) -
      astro::ZoneOffsetDays(p.ZoneMeridian);
  const astro::SolarState s = astro::SolarEphemeris(p.Year, x);
  const std::string eot = astro::FormatEotMinSec(s.eot_deg);
  const std::string dec = astro::FormatFixed(6, 2, s.declination_deg);
  labels_.equation_of_time = eot + "  min:sec";
  labels_.declination = dec + Phrase(105, l);
  if (state_.CalcMode == kCalcRiseSet) {
    result_.push_back("    " + Phrase(91, l) + dec + Phrase(105, l) + "      " +
                      Phrase(92, l) + eot + " min:sec");
    return;
  }
  result_.push_back(kIndent9 + Phrase(91, l) + dec + Phrase(105, l));
  result_.push_back(kIndent9 + Phrase(92, l) + eot + " mm:ss");
  result_.push_back(std::string(25, ' ') + Phrase(106, l));
}

void Calculator::RiseSetDisplay() {
  const Language l = language();
  const auto& p = model_.parameters;
  const astro::TwilightKind twilight = TwilightOf(model_);
  const astro::DayRiseSet d =
      astro::RiseSetForDay(state_.CalcDay, state_.CalcMonth, p.Year, p.Latitude,
                           p.Longitude, p.ZoneMeridian, twilight, l);
  labels_.sunrise = d.sun.rising_text + " hh:min";
  labels_.sunset = d.sun.setting_text + " hh:min";
  labels_.twilight_begin = d.twilight.rising_text + " hh:min";
  labels_.twilight_end = d.twilight.setting_text + " hh:min";
  labels_.moonrise = d.moon.rising_text + " hh:min";
  labels_.moonset = d.moon.setting_text + " hh:min";
  result_.push_back(
      Phrase(93, l) + EventText(d.sun.rise_found, d.sun.rising_text) +
      Phrase(95, l) + EventText(d.sun.set_found, d.sun.setting_text));
  result_.push_back(
      Phrase(94, l) + EventText(d.twilight.rise_found, d.twilight.rising_text) +
      Phrase(96, l) + EventText(d.twilight.set_found, d.twilight.setting_text));
  result_.push_back(std::string(24, ' ') + "[" + Phrase(76, l) +
                    TwilightName(twilight, l) + "]");
  result_.push_back("    " + Phrase(98, l) +
                    EventText(d.moon.rise_found, d.moon.rising_text) +
                    std::string(5, ' ') + Phrase(99, l) +
                    EventText(d.moon.set_found, d.moon.setting_text));
}

bool Calculator::ChooseTimeKind(TimeKindChoice kind) {
  time_kind = kind;
  return Calculate();
}

void Calculator::ChooseTwilight(int twilight_kind) {
  model_.TwilightKind = static_cast<std::uint8_t>(
      twilight_kind >= 0 && twilight_kind <= 2 ? twilight_kind : 2);
  if (state_.CalcMode == kCalcRiseSet) Calculate();
}

std::optional<Calculator::TablesRequest> Calculator::ShowTables() {
  if (!Calculate()) return std::nullopt;
  if (state_.CalcMode == kCalcEotGraph) state_.CalcMode = kCalcEquationOfTime;
  TablesRequest r;
  if (state_.CalcMode == kCalcRiseSet) {
    // The user's twilight choice is kept for the month table.
    r.month_table = true;
    r.month = state_.CalcMonth;
    r.table = BuildMonthTable(model_, state_.CalcMonth);
    return r;
  }
  if (state_.CalcMode == kCalcEquationOfTime) {
    r.kind = state_.YearTableKind;
    r.table = BuildYearTable(model_, state_.YearTableKind);
    return r;
  }
  return std::nullopt;
}

std::optional<Calculator::TablesRequest> Calculator::ChooseMoreTables(
    MoreTables entry) {
  switch (entry) {
    case MoreTables::kRiseSet:
      state_.CalcMode = kCalcRiseSet;
      break;
    case MoreTables::kEquationOfTime:
      state_.CalcMode = kCalcEquationOfTime;
      state_.YearTableKind = YearTableKind::kEquationOfTime;
      break;
    case MoreTables::kDeclination:
      state_.CalcMode = kCalcEquationOfTime;
      state_.YearTableKind = YearTableKind::kDeclination;
      break;
    case MoreTables::kNoon:
      state_.CalcMode = kCalcEquationOfTime;
      state_.YearTableKind = YearTableKind::kMeridianPassage;
      break;
  }
  return ShowTables();
}

void Calculator::Print(TextChannel& channel) {
  if (!Calculate()) return;
  const Answer a =
      ui_.Message(Caption::kQuestion, texts::MessageText(54, language()),
                  Buttons::kYesNoCancel);
  if (a == Answer::kYes) {
    if (channel.Write(result_, ui_, language())) channel.Close(ui_, language());
    result_.clear();
  } else if (a == Answer::kNo) {
    channel.Write(result_, ui_, language());
    result_.clear();
  }
}

void Calculator::PrintWithFormFeed(TextChannel& channel) {
  if (!Calculate()) return;
  if (channel.Write(result_, ui_, language())) channel.Close(ui_, language());
  result_.clear();
}

void Calculator::PrintWithoutFormFeed(TextChannel& channel) {
  if (!Calculate()) return;
  channel.Write(result_, ui_, language());
  result_.clear();
}

void Calculator::PrintPage(TextChannel& channel) {
  channel.Close(ui_, language());
}

bool Calculator::Close() {
  focus.reset();
  if (model_.ZoneWarningPending) {
    if (ui_.Message(Caption::kWarning, ZoneQuestion(language()),
                    Buttons::kYesNo) != Answer::kYes) {
      focus = Field::kClose;
      return false;
    }
    model_.ZoneWarningPending = false;
  }
  return true;
}

}  // namespace lumtar::tables
