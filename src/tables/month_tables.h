#pragma once

#include <string>

#include "astro/rise_set.h"
#include "model/model.h"
#include "tables/table.h"

namespace lumtar::tables {

// The twilight of the model (0 civil, 1 nautical, 2 astronomical; other
// values count as astronomical, the start-up choice).
astro::TwilightKind TwilightOf(const model::Model& model);

// The name of a twilight kind (PhraseTable entries 34..36).
std::string TwilightName(astro::TwilightKind kind, texts::Language language);

// " +   1 h)"-style zone offset of the month-table footer: the sign of the
// offset from UT (east of Greenwich positive) and its magnitude, whole
// hours right-aligned in four characters, or h:mm when the zone meridian
// is not a whole hour from Greenwich.
std::string ZoneOffsetText(double zone_meridian);

// The month table of rise and set of sun, twilight (evening end, morning
// begin) and moon, with the equation of time and the declination of 12 h
// zone time, one row per day of `month` (1..12) of the model's Year at the
// model's site, in the model's language and twilight kind. Days 5..14
// October 1582 carry dashes. Row cells for CSV: the day, the two texts of
// each of sun, twilight and moon, the equation of time, the declination.
TableText BuildMonthTable(const model::Model& model, int month);

// The half-year table of sunrise, sunset and the equation of time of 12 h
// zone time: 31 day rows, six month columns starting after month
// `first_month_index` (0: January..June, 6: July..December). Dates that do
// not exist and 5..14 October 1582 hold dashes. Row cells for CSV: the
// day, then sunrise, sunset and equation of time per month.
TableText BuildHalfYearTable(const model::Model& model, int first_month_index);

}  // namespace lumtar::tables
