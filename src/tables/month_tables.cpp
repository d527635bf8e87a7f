#include "tables/month_tables.h"

#include <cmath>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/format.h"
#include "astro/pascal_math.h"
#include "astro/time_scales.h"
#include "texts/months.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::tables {
namespace {

using texts::Language;

constexpr int kMonthAuthorIndent = 55;
constexpr int kMonthBlankLine = 60;
constexpr int kHalfYearBlankLine = 110;
constexpr int kHalfYearColumn = 21;  // one month with its separating blank

std::string Phrase(int entry, Language l) {
  return std::string(texts::PhraseText(entry, l));
}

// "Position: latitude 47.25°, longitude -9.59° (east negative)".
std::string PositionLine(const model::Model& m) {
  const Language l = m.Language;
  return Phrase(84, l) + std::string(texts::RawText(1817, l)) +
         astro::FormatFixed(4, 2, m.parameters.Latitude) +
         std::string(texts::RawText(1818, l)) +
         astro::FormatFixed(4, 2, m.parameters.Longitude) +
         std::string(texts::RawText(1819, l));
}

// "  All times are standard time (= UT +   1 h) and not DST !"
std::string ZoneLine(const model::Model& m) {
  const Language l = m.Language;
  return Phrase(222, l) + ZoneOffsetText(m.parameters.ZoneMeridian) +
         Phrase(225, l);
}

// The two texts of one object in the order of its fragment (twilight:
// evening end first). A day without any event shows the phrase once.
void AddEventCells(const astro::RiseSetResult& r, bool twilight,
                   std::vector<std::string>& parts) {
  if (!r.rise_found && !r.set_found) {
    parts.push_back(r.fragment);
    parts.emplace_back();
    return;
  }
  parts.push_back(twilight ? r.setting_text : r.rising_text);
  parts.push_back((twilight ? r.rising_text : r.setting_text) + " ");
}

}  // namespace

astro::TwilightKind TwilightOf(const model::Model& model) {
  switch (model.TwilightKind) {
    case 0:
      return astro::TwilightKind::kCivil;
    case 1:
      return astro::TwilightKind::kNautical;
    default:
      return astro::TwilightKind::kAstronomical;
  }
}

std::string TwilightName(astro::TwilightKind kind, Language language) {
  return Phrase(34 + static_cast<int>(kind), language);
}

std::string ZoneOffsetText(double zone_meridian) {
  const double hours = astro::ZoneOffsetHours(zone_meridian);
  const long long minutes = std::llround(std::fabs(hours) * 60);
  std::string magnitude = std::to_string(minutes / 60);
  if (minutes % 60 != 0) {
    magnitude += ':';
    if (minutes % 60 < 10) magnitude += '0';
    magnitude += std::to_string(minutes % 60);
  }
  if (magnitude.size() < 4) magnitude.insert(0, 4 - magnitude.size(), ' ');
  return std::string(hours < 0 ? " -" : " +") + magnitude + " h)";
}

TableText BuildMonthTable(const model::Model& model, int month) {
  const Language l = model.Language;
  const auto& p = model.parameters;
  const int year = p.Year;
  const astro::TwilightKind twilight = TwilightOf(model);

  TableText t;
  t.Add(Phrase(83, l) + std::string(texts::RawText(1802 + month, l)) + " " +
        astro::FormatFixed(4, 0, year));
  t.Add(PositionLine(model));
  // The column headings, split where the rows below them are.
  const std::vector<int> widths = {4, 7, 7, 6, 7, 6, 7, 6};
  auto split = [&](const std::string& line) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    for (int w : widths) {
      parts.push_back(at < line.size() ? line.substr(at, w) : "");
      at += w;
    }
    parts.push_back(at < line.size() ? line.substr(at) : "");
    return parts;
  };
  t.AddHeader(split(Phrase(72, l)));
  t.AddCells(split(Phrase(73, l)));

  const int days = astro::DaysInMonth(month, year);
  for (int day = 1; day <= days; ++day) {
    std::vector<std::string> parts;
    parts.push_back(astro::PadLeft(day, 3) + ".");
    if (InGregorianGap(day, month, year)) {
      parts.push_back(" " + std::string("   ---  "));
      parts.push_back("-");
      parts.push_back("  --- ");
    } else {
      const astro::DayRiseSet d =
          astro::RiseSetForDay(day, month, year, p.Latitude, p.Longitude,
                               p.ZoneMeridian, twilight, l);
      AddEventCells(d.sun, false, parts);
      AddEventCells(d.twilight, true, parts);
      AddEventCells(d.moon, false, parts);
      parts[1].insert(0, " ");
      const astro::SolarState sun =
          NoonZoneTimeSun(day, month, year, p.ZoneMeridian);
      parts.push_back(astro::FormatEotMinSec(sun.eot_deg));
      parts.push_back(" " + astro::FormatFixed(6, 2, sun.declination_deg));
    }
    t.AddCells(std::move(parts));
    if (day % 5 == 0) t.Add("");
  }

  t.Add(std::string(kMonthBlankLine, ' '));
  t.Add(ZoneLine(model));
  t.Add("   " + Phrase(228, l) + TwilightName(twilight, l) + ".");
  t.Add(std::string(kMonthAuthorIndent, ' ') + "Q.Dornwaldner");
  t.Add(std::string(kMonthBlankLine, ' '));
  return t;
}

TableText BuildHalfYearTable(const model::Model& model, int first_month_index) {
  const Language l = model.Language;
  const auto& p = model.parameters;
  const int year = p.Year;
  const int first = first_month_index >= 6 ? 7 : 1;

  TableText t;
  t.Add(std::string(texts::RawText(1815, l)) + astro::FormatFixed(4, 0, year));
  t.Add("  " + PositionLine(model));
  t.Add(ZoneLine(model));
  t.Add(" ");
  std::vector<std::string> names = {"    "};
  std::vector<std::string> units = {"    "};
  for (int month = first; month < first + 6; ++month) {
    const std::string name(texts::MonthName(month, l));
    const int left = (kHalfYearColumn - static_cast<int>(name.size())) / 2;
    names.push_back(std::string(left, ' ') + name +
                    std::string(kHalfYearColumn - left - name.size(), ' '));
    units.emplace_back(texts::RawText(1816, l));
  }
  t.AddHeader(std::move(names));
  t.AddCells(std::move(units));

  const astro::RiseSetContext context{
      astro::RiseAltitudes(TwilightOf(model)), astro::SinDeg(p.Latitude),
      astro::CosDeg(p.Latitude), p.Longitude, l};
  for (int day = 1; day <= 31; ++day) {
    std::vector<std::string> parts;
    parts.push_back(astro::PadLeft(day, 3) + ".");
    for (int month = first; month < first + 6; ++month) {
      if (!DateExists(day, month, year)) {
        parts.push_back("       -------       ");
        parts.emplace_back();
        parts.emplace_back();
        continue;
      }
      // 0 h zone time of the date; the modified Julian date follows the
      // calendar dates across the reform.
      const double mjd0 = astro::ModifiedJulianDate(day, month, year, 0) -
                          astro::ZoneOffsetDays(p.ZoneMeridian);
      const astro::RiseSetResult sun =
          astro::RiseSetSearch(astro::RiseObject::kSun, mjd0, context);
      const astro::SolarState noon =
          NoonZoneTimeSun(day, month, year, p.ZoneMeridian);
      if (sun.rise_found || sun.set_found) {
        parts.push_back(" " + sun.rising_text);
        parts.push_back(sun.setting_text);
      } else {
        parts.push_back(" " + sun.fragment);
        parts.emplace_back();
      }
      parts.push_back(" " + astro::FormatEotMinSec(noon.eot_deg) + " ");
    }
    t.AddCells(std::move(parts));
    if (day % 5 == 0 && day != 30) t.Add("");
  }
  t.Add(std::string(kHalfYearBlankLine, ' '));
  t.Add(std::string(kHalfYearBlankLine, ' ') + "Q.Dornwaldner");
  return t;
}

}  // namespace lumtar::tables
