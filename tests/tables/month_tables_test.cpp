#include "tables/month_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "astro/format.h"
#include "tables_test_support.h"

namespace lumtar::tables {
namespace {

using testing::RowWithPrefix;
using testing::SiteModel;
using texts::Language;

std::string MonthPrefix(int day) { return astro::PadLeft(day, 3) + "."; }

int DayRows(const TableText& t) {
  int n = 0;
  for (int day = 1; day <= 31; ++day)
    if (RowWithPrefix(t, MonthPrefix(day)) != nullptr) ++n;
  return n;
}

TEST(MonthTable, HeadingAndFooterInBothLanguages) {
  struct Case {
    Language language;
    const char* title;
    const char* position;
    const char* zone;
    const char* twilight;
  } const cases[] = {
      {Language::kEnglish, " Rise and Set of Sun and Moon for June 2020",
       "Position: latitude 47.25°, longitude -9.59° (east negative)",
       "  All times are standard time (= UT +   1 h) and not DST !",
       "   Type of twilight displayed: astronom.(12°-18°)."},
      {Language::kGerman, " Auf- und Untergang von Sonne und Mond im Juni 2020",
       "Standort: Breite 47.25°, Länge -9.59° (Osten negativ)",
       "  Alle Zeiten sind Zonenzeit (= UT +   1 h) und keine Sommerzeit !",
       "   Angezeigte Dämmerung: astronom.(12°-18°)."},
  };
  for (const Case& c : cases) {
    const TableText t = BuildMonthTable(SiteModel(2020, c.language), 6);
    EXPECT_EQ(t.lines[0], c.title);
    EXPECT_EQ(t.lines[1], c.position);
    const std::size_t n = t.lines.size();
    ASSERT_GT(n, 5u);
    EXPECT_EQ(t.lines[n - 5], std::string(60, ' '));
    EXPECT_EQ(t.lines[n - 4], c.zone);
    EXPECT_EQ(t.lines[n - 3], c.twilight);
    EXPECT_EQ(t.lines[n - 2], std::string(55, ' ') + "Q.Dornwaldner");
    EXPECT_EQ(t.lines[n - 1], std::string(60, ' '));
  }
}

TEST(MonthTable, OneRowPerDayAndABlankLineAfterEveryFifth) {
  struct Case {
    int year, month, days;
  } const cases[] = {{2020, 6, 30},
                     {2021, 2, 28},
                     {1500, 2, 29},
                     {1700, 2, 28},
                     {2020, 12, 31}};
  for (const Case& c : cases) {
    const TableText t =
        BuildMonthTable(SiteModel(c.year, Language::kEnglish), c.month);
    EXPECT_EQ(DayRows(t), c.days) << c.year << "-" << c.month;
    for (std::size_t i = 0; i + 1 < t.lines.size(); ++i) {
      const auto& cells = t.cells[i];
      if (cells.empty() || static_cast<int>(i) <= t.header_line + 1) continue;
      const int day = std::stoi(cells[0]);
      EXPECT_EQ(t.lines[i + 1].empty(), day % 5 == 0) << t.lines[i];
    }
  }
}

TEST(MonthTable, RowCellsGiveTheLine) {
  const TableText t = BuildMonthTable(SiteModel(2020, Language::kEnglish), 3);
  for (std::size_t i = 0; i < t.lines.size(); ++i) {
    if (t.cells[i].empty()) continue;
    std::string joined;
    for (const auto& c : t.cells[i]) joined += c;
    EXPECT_EQ(joined, t.lines[i]);
  }
  // Day, three pairs of texts, equation of time, declination.
  EXPECT_EQ(RowWithPrefix(t, MonthPrefix(20))->size(), 9u);
}

TEST(MonthTable, GregorianReformDays) {
  const TableText t = BuildMonthTable(SiteModel(1582, Language::kEnglish), 10);
  EXPECT_EQ(DayRows(t), 31);  // the month keeps its 31 rows
  for (int day = 5; day <= 14; ++day) {
    const auto* row = RowWithPrefix(t, MonthPrefix(day));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(t.lines[&*row - &t.cells[0]],
              MonthPrefix(day) + "    ---  -  --- ");
  }
  // 4 and 15 October are computed: a sunrise time in the sun column.
  for (int day : {4, 15}) {
    const auto* row = RowWithPrefix(t, MonthPrefix(day));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ((*row)[1].size(), 7u);
    EXPECT_EQ((*row)[1][4], ':') << (*row)[1];
  }
}

TEST(MonthTable, TwilightKindChangesOnlyTheTwilightColumns) {
  model::Model civil = SiteModel(2020, Language::kEnglish);
  civil.TwilightKind = 0;
  model::Model astronomical = civil;
  astronomical.TwilightKind = 2;
  const TableText a = BuildMonthTable(civil, 3);
  const TableText b = BuildMonthTable(astronomical, 3);
  for (int day = 1; day <= 31; ++day) {
    const auto& ra = *RowWithPrefix(a, MonthPrefix(day));
    const auto& rb = *RowWithPrefix(b, MonthPrefix(day));
    for (int c : {1, 2, 5, 6, 7, 8}) EXPECT_EQ(ra[c], rb[c]) << day;
    // Astronomical twilight ends later in the evening than civil.
    EXPECT_GT(rb[3], ra[3]) << day;
  }
  EXPECT_NE(a.lines[a.lines.size() - 3].find("civil"), std::string::npos);
}

TEST(MonthTable, MarksDaysWithoutEvents) {
  // Latitude 55 in June: astronomical twilight lasts all night; latitude
  // 70 in December: the sun does not rise.
  model::Model north = SiteModel(2020, Language::kEnglish, -9.59, -15, 55);
  north.TwilightKind = 2;
  const TableText june_table = BuildMonthTable(north, 6);
  const auto* june = RowWithPrefix(june_table, MonthPrefix(21));
  ASSERT_NE(june, nullptr);
  EXPECT_EQ((*june)[3], "always bright ");
  EXPECT_EQ((*june)[4], "");

  model::Model arctic = SiteModel(2020, Language::kGerman, -19, -15, 70);
  const TableText dec = BuildMonthTable(arctic, 12);
  const auto* row = RowWithPrefix(dec, MonthPrefix(21));
  ASSERT_NE(row, nullptr);
  EXPECT_EQ((*row)[1], "  nie sichtbar ");
}

TEST(ZoneOffsetText, SignOnceAndHoursOrMinutes) {
  // Zone time = UT + offset, offset = -zone meridian / 15 hours.
  struct Case {
    double zone;
    const char* text;
  } const cases[] = {
      {-15, " +   1 h)"},    // Central European Time
      {75, " -   5 h)"},     // Eastern Standard Time
      {0, " +   0 h)"},      // Greenwich
      {-82.5, " +5:30 h)"},  // India
      {52.5, " -3:30 h)"},   // Newfoundland
      {-180, " +  12 h)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ZoneOffsetText(c.zone), c.text) << c.zone;
}

TEST(HalfYearTable, CellsDashesAndGap) {
  const TableText first =
      BuildHalfYearTable(SiteModel(2021, Language::kEnglish), 0);
  const TableText second =
      BuildHalfYearTable(SiteModel(1582, Language::kEnglish), 6);
  const std::string dashes = "       -------       ";
  // 29 to 31 February 2021 and 31 April and June do not exist.
  for (int day : {29, 30, 31}) {
    const auto* row = RowWithPrefix(first, MonthPrefix(day));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ((*row)[4], dashes) << day;  // February: cells 4..6
  }
  EXPECT_EQ((*RowWithPrefix(first, MonthPrefix(31)))[10], dashes);  // April
  EXPECT_EQ((*RowWithPrefix(first, MonthPrefix(31)))[16], dashes);  // June
  // October 1582 is the fourth month of the second half: cells 10..12.
  for (int day = 1; day <= 31; ++day) {
    const auto* row = RowWithPrefix(second, MonthPrefix(day));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ((*row)[10] == dashes, day >= 5 && day <= 14) << day;
  }
  // The rows line up: 4 + 6 x 21 characters for every day with times.
  for (int day = 1; day <= 28; ++day)
    EXPECT_EQ(
        first.lines[RowWithPrefix(first, MonthPrefix(day)) - &first.cells[0]]
            .size(),
        4u + 6 * 21);
  // An empty line after every fifth row, not after the 30th.
  const auto index = [&](int day) {
    return RowWithPrefix(first, MonthPrefix(day)) - &first.cells[0];
  };
  EXPECT_TRUE(first.lines[index(25) + 1].empty());
  EXPECT_EQ(first.cells[index(30) + 1][0], MonthPrefix(31));
  EXPECT_EQ(first.lines.back(), std::string(110, ' ') + "Q.Dornwaldner");
}

TEST(HalfYearTable, AgreesWithTheMonthTable) {
  // The same sunrise, sunset and equation of time for each date, also
  // after the calendar reform.
  const model::Model m = SiteModel(1582, Language::kEnglish);
  const TableText half = BuildHalfYearTable(m, 6);
  const TableText october = BuildMonthTable(m, 10);
  for (int day : {1, 4, 15, 16, 31}) {
    const auto& h = *RowWithPrefix(half, MonthPrefix(day));
    const auto& o = *RowWithPrefix(october, MonthPrefix(day));
    EXPECT_EQ(h[10], o[1]) << day;              // " " + sunrise
    EXPECT_EQ(h[11] + " ", o[2]) << day;        // sunset
    EXPECT_EQ(h[12], " " + o[7] + " ") << day;  // equation of time
  }
}

}  // namespace
}  // namespace lumtar::tables
