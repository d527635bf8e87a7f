#pragma once

#include <functional>

#include "model/model.h"
#include "tables/table.h"
#include "tables/year_table.h"

namespace lumtar::app {

// What the tables window shows: one of the year tables, the month table of
// one month, a half-year table, or the symmetric equation-of-time table.
enum class TableSource {
  kYear,
  kMonth,
  kFirstHalfYear,
  kSecondHalfYear,
  kSymmetric
};

struct TableChoice {
  TableSource source = TableSource::kYear;
  tables::YearTableKind kind = tables::YearTableKind::kEquationOfTime;
  int month = 1;            // of the month table, 1..12
  int symmetric_index = 0;  // list index of the lines per circle
};

// The symmetric table is offered only beside the plain equation-of-time
// year table.
constexpr bool SymmetricOptionShown(const TableChoice& choice) {
  return (choice.source == TableSource::kYear ||
          choice.source == TableSource::kSymmetric) &&
         choice.kind == tables::YearTableKind::kEquationOfTime;
}

// Builds the chosen table for the model's site, Year, language and
// twilight; the symmetric table is built with "/" between its fields, as
// it is shown on the screen.
tables::TableText BuildChosenTable(const model::Model& model,
                                   const TableChoice& choice);

// Help context of the tables window for a choice: the rise and set tables
// share the topic of the rise and set calculator, the others that of the
// equation of time.
int TablesHelpContext(const TableChoice& choice);

// The width of one character and the distance of two lines, in pixels, of
// the fixed-pitch font at a size in points.
struct CharBox {
  int width;
  int line_height;
};
using FontMetrics = std::function<CharBox(int points)>;

inline constexpr int kTableStartPoints = 11;
inline constexpr int kTableMinPoints = 4;
inline constexpr int kTableFitLines = 42;

// The point size of the table view: 11 points, reduced point by point
// until `lines` lines and `widest_chars` characters fit `width` x `height`
// pixels, but never below kTableMinPoints (the view then scrolls).
int TableFontPoints(int width, int height, int widest_chars,
                    const FontMetrics& metrics, int lines = kTableFitLines);

}  // namespace lumtar::app
