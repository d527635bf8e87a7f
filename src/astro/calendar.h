#pragma once

#include "platform/ui.h"
#include "texts/language.h"

namespace lumtar::astro {

// Valid years of every computation and year field.
inline constexpr int kFirstYear = 1300;
inline constexpr int kLastYear = 2500;

// Chronological Julian day number (the Julian date at 12 h UT) of a date;
// Julian calendar up to 4 Oct 1582, Gregorian from 15 Oct 1582. The days
// 5..14 Oct 1582 that never existed give the number of 15 Oct (2299161).
double JulianDayNumber(int day, int month, int year);

// Modified Julian date at `hour` of the date (Montenbruck-Pfleger). Day 0 is
// the day before the 1st. Julian up to 4 Oct 1582, Gregorian after; the gap
// days are computed as Gregorian dates.
double ModifiedJulianDate(int day, int month, int year, double hour);

// Day of the year 1..366, always with the Gregorian leap-year rule.
int DayOfYear(int year, int month, int day);

// Days in a month for the rise/set tables: Julian leap years up to 1590,
// Gregorian after (1500 has a 29 February, 1700 has not).
int DaysInMonth(int month, int year);

// The calculator's date check: a day of the Gregorian gap (5..14 Oct 1582)
// becomes 15 and the correction is announced; returns true when it changed
// the day (the caller writes "15" back into the day field).
bool controlGregor(int year, int month, int& day, platform::Ui& ui,
                   texts::Language language);

}  // namespace lumtar::astro
