#include "tables/year_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/format.h"
#include "tables_test_support.h"

namespace lumtar::tables {
namespace {

using testing::ClockSeconds;
using testing::MinSecSeconds;
using testing::RowWithPrefix;
using testing::SiteModel;
using texts::Language;

std::string YearPrefix(int day) { return astro::FormatFixed(2, 0, day) + "."; }

// The cell of `day` and `month` (1..12), without its separating blank.
std::string CellOf(const TableText& t, int day, int month) {
  const auto* row = RowWithPrefix(t, YearPrefix(day));
  if (row == nullptr || row->size() != 13) {
    ADD_FAILURE() << "no row for day " << day;
    return {};
  }
  return (*row)[month].substr(1);
}

TEST(YearTable, TitleBlockInBothLanguages) {
  // The lines as the tables window composes them from its phrases.
  struct Case {
    Language language;
    YearTableKind kind;
    const char* title;
    const char* fourth;  // the line after the two blank lines
  } const cases[] = {
      {Language::kEnglish, YearTableKind::kEquationOfTime,
       "  Equation of Time in min:sec for 2020   (Zone meridian = -15.0° )",
       "  [ Equation of Time = Local Apparent Time - Local Mean Time ]"},
      {Language::kGerman, YearTableKind::kEquationOfTime,
       "  Zeitgleichung in min:sec für 2020   (Zonenmeridian = -15.0° )",
       "  [ Zeitgleichung = Wahre Ortszeit - Mittlere Ortszeit ]"},
      {Language::kEnglish, YearTableKind::kEotWithLongitude,
       "  EoT + Longitude Correction in min:sec for 2020",
       "  Civil Time = Local Apparent Time - Value in Table"},
      {Language::kEnglish, YearTableKind::kDeclination,
       "  Declination of Sun in dd.dd for 2020   (Zone meridian =  -15.0° )",
       " "},
      {Language::kGerman, YearTableKind::kMeridianPassage,
       "  Zeit des Meridiandurchgangs (= 12 Uhr wahre Ortszeit)",
       "  Die Zeiten sind Zonenzeit des Zonenmeridians ohne Sommerzeit, "
       "genau für das Jahr 2020"},
  };
  for (const Case& c : cases) {
    const TableText t = BuildYearTable(SiteModel(2020, c.language), c.kind);
    ASSERT_GT(t.lines.size(), 4u);
    EXPECT_EQ(t.lines[0], c.title);
    EXPECT_EQ(t.lines[1], " ");
    EXPECT_EQ(t.lines[2], " ");
    EXPECT_EQ(t.lines[3], c.fourth);
    EXPECT_EQ(t.lines.back(), std::string(68, ' ') + "Q.Dornwaldner");
  }
}

TEST(YearTable, RowsHaveFixedColumnsUnderTheMonthHeader) {
  // CSV splits rows at fixed places: the day prefix of 3 characters, then
  // twelve cells of 7 (9 for the meridian passage) from 7 j - 3 (9 j - 5).
  for (YearTableKind kind :
       {YearTableKind::kEquationOfTime, YearTableKind::kDeclination,
        YearTableKind::kMeridianPassage}) {
    const TableText t =
        BuildYearTable(SiteModel(1582, Language::kEnglish), kind);
    const int width = kind == YearTableKind::kMeridianPassage ? 9 : 7;
    ASSERT_GE(t.header_line, 0);
    const std::string& header = t.lines[t.header_line];
    if (kind != YearTableKind::kMeridianPassage) {
      EXPECT_EQ(header.substr(6, 3), "Jan");  // characters 7 to 9
    }
    int rows = 0;
    for (std::size_t i = t.header_line + 1; i < t.lines.size(); ++i) {
      const auto& cells = t.cells[i];
      if (cells.empty()) continue;
      ++rows;
      ASSERT_EQ(cells.size(), 13u) << t.lines[i];
      for (int j = 1; j <= 12; ++j) {
        EXPECT_EQ(static_cast<int>(cells[j].size()), width) << t.lines[i];
        EXPECT_EQ(t.lines[i].substr(3 + (j - 1) * width, width), cells[j]);
      }
    }
    EXPECT_EQ(rows, 31);
  }
}

TEST(YearTable, GregorianReformDashesOctoberFifthToFourteenth) {
  for (YearTableKind kind :
       {YearTableKind::kEquationOfTime, YearTableKind::kMeridianPassage}) {
    const TableText t =
        BuildYearTable(SiteModel(1582, Language::kGerman), kind);
    const bool noon = kind == YearTableKind::kMeridianPassage;
    for (int day = 1; day <= 31; ++day) {
      const auto* row = RowWithPrefix(t, YearPrefix(day));
      ASSERT_NE(row, nullptr);
      const std::string& october = (*row)[10];
      if (day >= 5 && day <= 14) {
        EXPECT_EQ(october, noon ? "   ----  " : "   ----") << day;
        // The other months of those rows are real dates.
        EXPECT_NE((*row)[9].find(':'), std::string::npos);
      } else {
        EXPECT_EQ(october.find("----"), std::string::npos) << day;
      }
    }
  }
  // 15 October follows 4 October by one day: the equation of time moves by
  // about 19 s a day there (not by 11 days' worth, about 3 minutes).
  const TableText t = BuildYearTable(SiteModel(1582, Language::kEnglish),
                                     YearTableKind::kEquationOfTime);
  const auto e4 = MinSecSeconds(CellOf(t, 4, 10));
  const auto e15 = MinSecSeconds(CellOf(t, 15, 10));
  ASSERT_TRUE(e4 && e15);
  EXPECT_GT(*e15 - *e4, 5);
  EXPECT_LT(*e15 - *e4, 30);
}

TEST(YearTable, JulianLeapYearsBeforeTheReform) {
  // 1500 is a Julian leap year; 1700 is Gregorian and not a leap year.
  struct Case {
    int year;
    bool has_february_29;
  } const cases[] = {
      {1500, true}, {1600, true}, {1700, false}, {2020, true}, {2100, false}};
  for (YearTableKind kind :
       {YearTableKind::kEquationOfTime, YearTableKind::kDeclination}) {
    for (const Case& c : cases) {
      const TableText t =
          BuildYearTable(SiteModel(c.year, Language::kEnglish), kind);
      const std::string feb29 = CellOf(t, 29, 2);
      EXPECT_EQ(feb29 == "      ", !c.has_february_29) << c.year;
      EXPECT_EQ(CellOf(t, 30, 2), "      ") << c.year;
      EXPECT_EQ(CellOf(t, 31, 4), "      ") << c.year;
      EXPECT_EQ(CellOf(t, 31, 11), "      ") << c.year;
    }
  }
  // The 29 February of 1500 lies between its neighbours (the equation of
  // time rises steadily in early March, Gregorian reckoning).
  const TableText t = BuildYearTable(SiteModel(1500, Language::kEnglish),
                                     YearTableKind::kEquationOfTime);
  const auto a = MinSecSeconds(CellOf(t, 28, 2));
  const auto b = MinSecSeconds(CellOf(t, 29, 2));
  const auto c = MinSecSeconds(CellOf(t, 1, 3));
  ASSERT_TRUE(a && b && c);
  EXPECT_LT(*a, *b);
  EXPECT_LT(*b, *c);
}

// Equation of time of every date of the year in order, in seconds.
std::vector<std::pair<int, int>> EotByDate(const TableText& t, int year) {
  std::vector<std::pair<int, int>> v;  // (month * 100 + day, seconds)
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const auto s = MinSecSeconds(CellOf(t, day, month));
      if (s) v.emplace_back(month * 100 + day, *s);
    }
  }
  (void)year;
  return v;
}

TEST(YearTable, EquationOfTimeCrossesZeroFourTimesAYear) {
  // Zeros near 16 April, 14 June, 1 September and 25 December (Meeus,
  // Astronomical Algorithms, chapter 28); a sign change is placed at the
  // first date of the new sign, within three days of those.
  const TableText t = BuildYearTable(SiteModel(2020, Language::kEnglish),
                                     YearTableKind::kEquationOfTime);
  const auto v = EotByDate(t, 2020);
  ASSERT_EQ(v.size(), 366u);
  std::vector<int> crossings;
  for (std::size_t i = 1; i < v.size(); ++i) {
    if ((v[i - 1].second < 0) != (v[i].second < 0))
      crossings.push_back(v[i].first);
  }
  const int expected[] = {416, 614, 901, 1225};
  ASSERT_EQ(crossings.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    const int got = crossings[k], want = expected[k];
    const int days = (got / 100 - want / 100) * 30 + got % 100 - want % 100;
    EXPECT_LE(std::abs(days), 3) << got << " vs " << want;
  }
  // Extremes within the plotted range of the graph, +-17 minutes.
  for (const auto& [date, s] : v) EXPECT_LT(std::abs(s), 17 * 60) << date;
}

TEST(YearTable, LongitudeCorrectionShiftsByTwentyTwoMinutes) {
  // lambda = -9.55, lambda_z = -15: k = 5.45 degrees = 21 min 48 s, about
  // 22 minutes. Every corrected cell is the plain one minus that shift.
  const model::Model m = SiteModel(2020, Language::kEnglish, -9.55, -15);
  const TableText plain = BuildYearTable(m, YearTableKind::kEquationOfTime);
  const TableText corrected =
      BuildYearTable(m, YearTableKind::kEotWithLongitude);
  const std::string correction = corrected.lines[5];
  EXPECT_EQ(correction,
            "  Correction for longitude  -9.55° =  21:48 min:sec   (Zone "
            "meridian =  -15.0° )");
  int compared = 0;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const auto a = MinSecSeconds(CellOf(plain, day, month));
      const auto b = MinSecSeconds(CellOf(corrected, day, month));
      ASSERT_EQ(a.has_value(), b.has_value());
      if (!a) continue;
      EXPECT_NEAR(*a - *b, 21 * 60 + 48, 1) << day << "." << month;
      ++compared;
    }
  }
  EXPECT_EQ(compared, 366);
}

TEST(YearTable, MeridianPassageNearHalfPastTwelveSevenAndAHalfDegreesWest) {
  // A site 7.5 degrees west of its zone meridian has its mean noon at
  // 12:30 zone time; apparent noon is that minus the equation of time.
  struct Site {
    double longitude, zone;
  } const sites[] = {{7.5, 0}, {-7.5, -15}, {82.5, 75}};
  for (const Site& s : sites) {
    const model::Model m =
        SiteModel(2020, Language::kEnglish, s.longitude, s.zone);
    const TableText noon = BuildYearTable(m, YearTableKind::kMeridianPassage);
    const TableText eot = BuildYearTable(m, YearTableKind::kEquationOfTime);
    int earliest = 24 * 3600, latest = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        const std::string cell = CellOf(noon, day, month);
        const auto e = MinSecSeconds(CellOf(eot, day, month));
        if (!e) {
          EXPECT_EQ(cell, "        ");
          continue;
        }
        const auto t = ClockSeconds(cell);
        ASSERT_TRUE(t) << cell;
        EXPECT_NEAR(*t, 12 * 3600 + 30 * 60 - *e, 1) << day << "." << month;
        earliest = std::min(earliest, *t);
        latest = std::max(latest, *t);
      }
    }
    // Extremes of the equation of time: +16.4 min early in November,
    // -14.2 min in mid-February.
    EXPECT_NEAR(earliest, 12 * 3600 + 30 * 60 - 16.4 * 60, 30);
    EXPECT_NEAR(latest, 12 * 3600 + 30 * 60 + 14.2 * 60, 30);
  }
}

TEST(MeridianPassageText, CarriesIntoMinutesAndHours) {
  // d degrees after 12 h: 15 degrees are one hour, 1/240 degree a second.
  struct Case {
    double d;
    const char* text;
  } const cases[] = {
      {0, "12:00:00"},
      {15, "13:00:00"},
      {-0.25, "11:59:00"},
      {59.999 / 240, "12:01:00"},  // 59.999 s round to a full minute
      {14.999999, "13:00:00"},     // just below an hour rounds up to it
      {-15.0 - 1 / 240.0, "10:59:59"},
      {7.5 + 5.45, "12:51:48"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MeridianPassageText(c.d), c.text) << c.d;
}

}  // namespace
}  // namespace lumtar::tables
