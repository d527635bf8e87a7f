#include "app/tables_view.h"

#include <gtest/gtest.h>

#include "tables/month_tables.h"
#include "tables/symmetric_table.h"

namespace lumtar::app {
namespace {

// A font whose characters are `points` pixels wide and whose lines are
// twice that apart.
CharBox Proportional(int points) { return {points, 2 * points}; }

TEST(TableFontPoints, ShrinksUntilLinesAndWidthFit) {
  struct Case {
    int width, height, chars, points;
    const char* why;
  };
  const Case cases[] = {
      {2000, 2000, 90, 11, "room enough: 11 points"},
      {2000, 42 * 2 * 8, 90, 8, "42 lines of 16 px fit at 8 points"},
      {2000, 42 * 2 * 8 - 1, 90, 7, "one pixel less: 7 points"},
      {90 * 6, 2000, 90, 6, "90 characters of 6 px fit at 6 points"},
      {10, 10, 90, kTableMinPoints, "never below the smallest size"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TableFontPoints(c.width, c.height, c.chars, Proportional),
              c.points)
        << c.why;
}

TEST(BuildChosenTable, EachSourceGivesItsTable) {
  model::Model m;
  m.parameters.Year = 2021;
  const struct {
    TableChoice choice;
    tables::TableText expected;
  } cases[] = {
      {{TableSource::kYear, tables::YearTableKind::kDeclination, 1, 0},
       tables::BuildYearTable(m, tables::YearTableKind::kDeclination)},
      {{TableSource::kMonth, tables::YearTableKind::kEquationOfTime, 4, 0},
       tables::BuildMonthTable(m, 4)},
      {{TableSource::kFirstHalfYear, {}, 9, 0},
       tables::BuildHalfYearTable(m, 0)},
      {{TableSource::kSecondHalfYear, {}, 1, 0},
       tables::BuildHalfYearTable(m, 6)},
      {{TableSource::kSymmetric, {}, 1, 1},
       tables::BuildSymmetricEotTable(m, 120, '/')},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BuildChosenTable(m, c.choice).lines, c.expected.lines);
}

TEST(SymmetricOptionShown, OnlyBesideThePlainEquationOfTime) {
  for (int k = 0; k < 4; ++k) {
    const TableChoice c{TableSource::kYear,
                        static_cast<tables::YearTableKind>(k), 1, 0};
    EXPECT_EQ(SymmetricOptionShown(c), k == 0) << k;
  }
  EXPECT_FALSE(SymmetricOptionShown({TableSource::kMonth, {}, 1, 0}));
}

}  // namespace
}  // namespace lumtar::app
