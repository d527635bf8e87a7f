#include "astro/calendar.h"

#include <cmath>

#include "texts/pair_texts.h"

namespace lumtar::astro {

double JulianDayNumber(int day, int month, int year) {
  int y = year;
  int m = month;
  if (month <= 2) {
    y = year - 1;
    m = month + 12;
  }
  // The reform test uses the unadjusted year and month; the key
  // year + month/100 + day/10000 is compared scaled by 10000, exactly.
  const long long key = 10000LL * year + 100LL * month + day;
  long double b;
  if (key >= 15821015) {
    b = std::trunc(y / 400.0L) - std::trunc(y / 100.0L);
  } else if (key <= 15821004) {
    b = -2;
  } else {
    b = -12;
    day = 15;
  }
  const long double jdn = std::trunc(365.25L * y) +
                          std::trunc(30.6001L * (m + 1)) + day + b + 1720997;
  return static_cast<double>(jdn);
}

double ModifiedJulianDate(int day, int month, int year, double hour) {
  const double a = 10000.0 * year + 100.0 * month + day;
  if (month <= 2) {
    month += 12;
    year -= 1;
  }
  double b;
  if (a <= 15821004.1) {
    b = -2 + std::trunc((year + 4716) / 4.0) - 1179;
  } else {
    b = std::trunc(year / 400.0) - std::trunc(year / 100.0) +
        std::trunc(year / 4.0);
  }
  return 365.0 * year - 679004 + b + std::trunc(30.6001 * (month + 1)) + day +
         hour / 24;
}

namespace {
bool GregorianLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
}  // namespace

int DayOfYear(int year, int month, int day) {
  if (month <= 2) return 31 * (month - 1) + day;
  int d = static_cast<int>(std::trunc(30.6001 * month - 32.3)) + day;
  if (GregorianLeap(year)) d += 1;
  return d;
}

int DaysInMonth(int month, int year) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      if (year % 4 == 0 && (year % 100 != 0 || year <= 1590)) return 29;
      return year % 400 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

bool controlGregor(int year, int month, int& day, platform::Ui& ui,
                   texts::Language language) {
  if (year == 1582 && month == 10 && day >= 5 && day <= 14) {
    day = 15;
    ui.Message(platform::Caption::kProblem, texts::MessageText(26, language));
    return true;
  }
  return false;
}

}  // namespace lumtar::astro
