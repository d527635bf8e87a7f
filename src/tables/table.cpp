#include "tables/table.h"

#include <algorithm>

#include "astro/calendar.h"
#include "astro/time_scales.h"

namespace lumtar::tables {

std::vector<std::string> SplitFixed(const std::string& line, int prefix,
                                    int width, int count) {
  std::vector<std::string> parts;
  const auto size = static_cast<int>(line.size());
  parts.push_back(line.substr(0, std::min(prefix, size)));
  for (int j = 0; j < count; ++j) {
    const int from = prefix + j * width;
    if (from >= size) {
      parts.emplace_back();
      continue;
    }
    parts.push_back(j + 1 == count ? line.substr(from)
                                   : line.substr(from, width));
  }
  return parts;
}

int TextWidth(const std::string& text) {
  int n = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

bool InGregorianGap(int day, int month, int year) {
  return year == 1582 && month == 10 && day >= 5 && day <= 14;
}

bool DateExists(int day, int month, int year) {
  return day >= 1 && day <= astro::DaysInMonth(month, year) &&
         !InGregorianGap(day, month, year);
}

astro::SolarState NoonZoneTimeSun(int day, int month, int year,
                                  double zone_meridian) {
  const double x = astro::JulianDayNumber(day, month, year) -
                   astro::JulianDayNumber(0, 1, year) -
                   astro::ZoneOffsetDays(zone_meridian);
  return astro::SolarEphemeris(year, x);
}

}  // namespace lumtar::tables
