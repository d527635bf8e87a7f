#pragma once

#include <string>
#include <vector>

#include "astro/solar_ephemeris.h"

namespace lumtar::tables {

// A finished table as the tables window shows, prints and exports it: a
// list of fixed-pitch text lines (UTF-8, no line ends). Each line may also
// carry its cells, the pieces that become the fields of a CSV export; the
// cells of a line joined without separator give the line itself. Lines
// without cells are written whole.
struct TableText {
  std::vector<std::string> lines;
  std::vector<std::vector<std::string>> cells;  // one entry per line
  // Index of the month header line; CSV writes the lines before it as a
  // blank, the separator and the line. -1 when the table has none.
  int header_line = -1;

  void Add(std::string line) {
    lines.push_back(std::move(line));
    cells.emplace_back();
  }
  // A line made of cells.
  void AddCells(std::vector<std::string> parts) {
    std::string line;
    for (const std::string& p : parts) line += p;
    lines.push_back(std::move(line));
    cells.push_back(std::move(parts));
  }
  // The month header line, split like the rows below it.
  void AddHeader(std::vector<std::string> parts) {
    header_line = static_cast<int>(lines.size());
    AddCells(std::move(parts));
  }
};

// Splits a fixed-layout row: `prefix` characters, then `count` cells of
// `width` characters each (the last one takes the rest of the line).
std::vector<std::string> SplitFixed(const std::string& line, int prefix,
                                    int width, int count);

// The days 5..14 October 1582 that the calendar reform skipped.
bool InGregorianGap(int day, int month, int year);

// True when the date is a day of the calendar of its time: no 30 February,
// 29 February only in leap years (Julian up to 1590, as the month lengths
// of the tables count them), and not a day of the Gregorian gap.
bool DateExists(int day, int month, int year);

// Declination and equation of time at 12 h zone time of the date, at
// day count x = JDN(date) - JDN(0 January) - ZoneOffsetDays, which follows
// the calendar dates across the reform.
astro::SolarState NoonZoneTimeSun(int day, int month, int year,
                                  double zone_meridian);

// Characters of a UTF-8 text (code points), the width of a line in a
// fixed-pitch font.
int TextWidth(const std::string& text);

}  // namespace lumtar::tables
