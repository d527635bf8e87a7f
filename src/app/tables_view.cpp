#include "app/tables_view.h"

#include "tables/month_tables.h"
#include "tables/symmetric_table.h"

namespace lumtar::app {

tables::TableText BuildChosenTable(const model::Model& model,
                                   const TableChoice& choice) {
  switch (choice.source) {
    case TableSource::kMonth:
      return tables::BuildMonthTable(
          model, choice.month >= 1 && choice.month <= 12 ? choice.month : 1);
    case TableSource::kFirstHalfYear:
      return tables::BuildHalfYearTable(model, 0);
    case TableSource::kSecondHalfYear:
      return tables::BuildHalfYearTable(model, 6);
    case TableSource::kSymmetric:
      return tables::BuildSymmetricEotTable(
          model, tables::SymmetricLinesForIndex(choice.symmetric_index), '/');
    case TableSource::kYear:
      break;
  }
  return tables::BuildYearTable(model, choice.kind);
}

int TablesHelpContext(const TableChoice& choice) {
  switch (choice.source) {
    case TableSource::kMonth:
    case TableSource::kFirstHalfYear:
    case TableSource::kSecondHalfYear:
      return 28;
    default:
      return 30;
  }
}

int TableFontPoints(int width, int height, int widest_chars,
                    const FontMetrics& metrics, int lines) {
  for (int points = kTableStartPoints; points > kTableMinPoints; --points) {
    const CharBox box = metrics(points);
    if (box.line_height * lines <= height && box.width * widest_chars <= width)
      return points;
  }
  return kTableMinPoints;
}

}  // namespace lumtar::app
