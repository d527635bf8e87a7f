#include "astro/calendar.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"

namespace lumtar::astro {
namespace {

using platform::Caption;
using platform::ScriptedUi;
using texts::Language;

struct JdnCase {
  int d, m, y;
  double jdn;
  const char* why;
};
const JdnCase kJdnCases[] = {
    {1, 1, 2000, 2451545, "J2000.0"},
    {4, 10, 1582, 2299160, "last Julian day"},
    {5, 10, 1582, 2299161, "days that never existed map to 15 Oct"},
    {14, 10, 1582, 2299161, "last day of the gap"},
    {15, 10, 1582, 2299161, "first Gregorian day"},
    {16, 10, 1582, 2299162, "day after the reform"},
    {1, 1, 1300, 2195883, "Julian 1 Jan 1300 (Meeus, ch. 7)"},
    {1, 3, 1500, 2268993, "Julian 1 Mar 1500 (Meeus, ch. 7)"},
    {31, 12, 2500, 2634531, "Gregorian 31 Dec 2500 (Meeus, ch. 7)"},
};

TEST(JulianDayNumber, CalendarReformAndRange) {
  for (const auto& c : kJdnCases)
    EXPECT_EQ(JulianDayNumber(c.d, c.m, c.y), c.jdn)
        << c.why << " " << std::fixed << JulianDayNumber(c.d, c.m, c.y);
}

TEST(ModifiedJulianDate, OriginAndReform) {
  EXPECT_EQ(ModifiedJulianDate(1, 1, 2000, 0), 51544);
  EXPECT_EQ(
      ModifiedJulianDate(15, 10, 1582, 0) - ModifiedJulianDate(4, 10, 1582, 0),
      1);
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 1, 2000, 12), 51544.5);
  // Agrees with the day number on both sides of the reform (MJD = JD -
  // 2400000.5, the day number being the JD at 12 h).
  for (const auto& c : kJdnCases) {
    if (c.m == 10 && c.y == 1582 && c.d > 4 && c.d < 15) continue;
    EXPECT_EQ(ModifiedJulianDate(c.d, c.m, c.y, 12) + 2400000.5, c.jdn)
        << c.why;
  }
  // Day 0 is the day before the 1st.
  EXPECT_EQ(ModifiedJulianDate(0, 1, 2020, 0) + 1,
            ModifiedJulianDate(1, 1, 2020, 0));
}

TEST(DayOfYear, GregorianRuleOnly) {
  EXPECT_EQ(DayOfYear(2000, 3, 1), 61);
  EXPECT_EQ(DayOfYear(1900, 3, 1), 60);
  EXPECT_EQ(DayOfYear(1500, 3, 1), 60);  // common year for this routine
  EXPECT_EQ(DayOfYear(2021, 1, 1), 1);
  EXPECT_EQ(DayOfYear(2021, 12, 31), 365);
  EXPECT_EQ(DayOfYear(2020, 12, 31), 366);
}

TEST(DaysInMonth, FebruaryAcrossTheReform) {
  struct {
    int year, days;
  } const cases[] = {{1500, 29}, {1600, 29}, {1700, 28},
                     {2000, 29}, {2100, 28}, {2023, 28}};
  for (const auto& c : cases)
    EXPECT_EQ(DaysInMonth(2, c.year), c.days) << c.year;
  EXPECT_EQ(DaysInMonth(4, 2020), 30);
  EXPECT_EQ(DaysInMonth(12, 2020), 31);
}

TEST(ControlGregor, GapDaysBecomeFifteenthWithMessage) {
  for (int d = 5; d <= 14; ++d) {
    ScriptedUi ui;
    int day = d;
    EXPECT_TRUE(controlGregor(1582, 10, day, ui, Language::kEnglish));
    EXPECT_EQ(day, 15);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].caption, Caption::kProblem);
    EXPECT_NE(ui.shown[0].text.find("15/10/1582"), std::string::npos);
  }
  for (int d : {4, 15}) {
    ScriptedUi ui;
    int day = d;
    EXPECT_FALSE(controlGregor(1582, 10, day, ui, Language::kGerman));
    EXPECT_EQ(day, d);
    EXPECT_TRUE(ui.shown.empty());
  }
  ScriptedUi ui;
  int day = 10;
  EXPECT_FALSE(controlGregor(1583, 10, day, ui, Language::kGerman));
}

}  // namespace
}  // namespace lumtar::astro
