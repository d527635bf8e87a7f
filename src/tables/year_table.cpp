#include "tables/year_table.h"

#include <cmath>
#include <string>

#include "astro/format.h"
#include "texts/months.h"
#include "texts/pair_texts.h"

namespace lumtar::tables {
namespace {

using texts::Language;

// Cell widths without the separating blank.
constexpr int kCellWidth = 6;
constexpr int kNoonCellWidth = 8;
constexpr int kAuthorIndent = 68;

std::string Phrase(int entry, Language l) {
  return std::string(texts::PhraseText(entry, l));
}

std::string Cell(YearTableKind kind, int day, int month, int year,
                 double correction_deg, double zone_meridian) {
  const int width =
      kind == YearTableKind::kMeridianPassage ? kNoonCellWidth : kCellWidth;
  if (InGregorianGap(day, month, year)) {
    // With its separating blank: "   ----", and two blanks more for the
    // wider cells of the meridian passage.
    return kind == YearTableKind::kMeridianPassage ? "  ----  " : "  ----";
  }
  if (!DateExists(day, month, year)) return std::string(width, ' ');
  const astro::SolarState sun =
      NoonZoneTimeSun(day, month, year, zone_meridian);
  switch (kind) {
    case YearTableKind::kEquationOfTime:
    case YearTableKind::kEotWithLongitude:
      return astro::FormatEotMinSec(sun.eot_deg - correction_deg);
    case YearTableKind::kDeclination:
      return astro::FormatFixed(width, 2,
                                std::round(sun.declination_deg * 1000) / 1000);
    case YearTableKind::kMeridianPassage:
      return MeridianPassageText(correction_deg - sun.eot_deg);
  }
  return std::string(width, ' ');
}

}  // namespace

std::string MeridianPassageText(double offset_deg) {
  // 12 h + d/15 h in whole seconds of a day.
  long long s = std::llround((12.0 + offset_deg / 15.0) * 3600.0);
  constexpr long long kDay = 24 * 3600;
  s = ((s % kDay) + kDay) % kDay;
  const long long h = s / 3600, m = s / 60 % 60, sec = s % 60;
  std::string t;
  for (long long v : {h, m, sec}) {
    if (!t.empty()) t += ':';
    if (v < 10) t += '0';
    t += std::to_string(v);
  }
  return t;
}

TableText BuildYearTable(const model::Model& model, YearTableKind kind) {
  const Language l = model.Language;
  const int year = model.parameters.Year;
  const double longitude = model.parameters.Longitude;
  const double zone = model.parameters.ZoneMeridian;
  const bool corrected = kind == YearTableKind::kEotWithLongitude ||
                         kind == YearTableKind::kMeridianPassage;
  // Longitude correction k = longitude - zone meridian (degrees).
  const double k = corrected ? longitude - zone : 0.0;
  const std::string year_text = astro::FormatFixed(4, 0, year);

  TableText t;
  switch (kind) {
    case YearTableKind::kMeridianPassage:
      t.Add(Phrase(209, l));
      break;
    case YearTableKind::kDeclination:
      t.Add(Phrase(78, l) + year_text + "  " + Phrase(82, l) +
            astro::FormatFixed(6, 1, zone) + "° )");
      break;
    case YearTableKind::kEotWithLongitude:
      t.Add(Phrase(117, l) + year_text);
      break;
    case YearTableKind::kEquationOfTime:
      t.Add(Phrase(77, l) + year_text + "  " + Phrase(82, l) +
            astro::FormatFixed(5, 1, zone) + "° )");
      break;
  }
  t.Add(" ");
  t.Add(" ");
  switch (kind) {
    case YearTableKind::kDeclination:
      t.Add(" ");
      break;
    case YearTableKind::kEotWithLongitude:
      t.Add(Phrase(118, l));
      break;
    case YearTableKind::kEquationOfTime:
      t.Add(Phrase(81, l));
      break;
    case YearTableKind::kMeridianPassage:
      break;
  }
  t.Add(kind == YearTableKind::kMeridianPassage ? Phrase(210, l) + year_text
                                                : Phrase(79, l));
  if (corrected) {
    t.Add(Phrase(38, l) + astro::FormatFixed(7, 2, longitude) +
          "° = " + astro::FormatEotMinSec(k) + " min:sec  " + Phrase(82, l) +
          astro::FormatFixed(6, 1, zone) + "° )");
  } else {
    t.Add(" ");
  }
  t.Add(" ");

  const bool noon = kind == YearTableKind::kMeridianPassage;
  const int column = (noon ? kNoonCellWidth : kCellWidth) + 1;
  const std::string header(noon ? texts::NoonTableMonthHeader(l)
                                : texts::YearTableMonthHeader(l));
  t.AddHeader(SplitFixed(header, 3, column, 12));

  for (int day = 1; day <= 31; ++day) {
    if (day % 5 == 1 && day != 31) t.Add(" ");
    std::vector<std::string> parts;
    parts.reserve(13);
    parts.push_back(astro::FormatFixed(2, 0, day) + ".");
    for (int month = 1; month <= 12; ++month)
      parts.push_back(" " + Cell(kind, day, month, year, k, zone));
    t.AddCells(std::move(parts));
  }
  t.Add(std::string(kAuthorIndent, ' ') + "Q.Dornwaldner");
  return t;
}

}  // namespace lumtar::tables
