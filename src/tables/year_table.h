#pragma once

#include "model/model.h"
#include "tables/table.h"

namespace lumtar::tables {

// The four year tables of the radio group " Jahrestabelle fuer ".
enum class YearTableKind {
  kEquationOfTime = 0,    // E in min:sec
  kEotWithLongitude = 1,  // E - (longitude - zone meridian), min:sec
  kDeclination = 2,       // declination in degrees, two decimals
  kMeridianPassage = 3,   // zone time of local apparent noon, hh:mm:ss
};

// The equation-of-time flag of the tables window: set for the two tables
// of the equation of time (it shows the symmetric-table check box).
constexpr bool ShowsEquationOfTime(YearTableKind kind) {
  return kind == YearTableKind::kEquationOfTime ||
         kind == YearTableKind::kEotWithLongitude;
}

// The year table of `kind` for the model's Year and site, in the model's
// language: a title block, the month header line, 31 day rows of twelve
// month cells (all values for 12 h zone time of the date, which is never
// daylight-saving time), and the author line. Dates that do not exist
// give blank cells; 5..14 October 1582 give dashes. Row cells for CSV:
// the day prefix "dd." and twelve cells of 7 characters (9 for the
// meridian passage), each with the blank that separates it.
TableText BuildYearTable(const model::Model& model, YearTableKind kind);

// Zone time of local apparent noon as "hh:mm:ss" for the offset
// d = k - E degrees (k the longitude correction): 12 h + d/15 h, rounded
// to the second with carries into minutes and hours.
std::string MeridianPassageText(double offset_deg);

}  // namespace lumtar::tables
