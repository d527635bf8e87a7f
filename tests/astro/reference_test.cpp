// Compares the solar ephemeris, the sun's position and the rise/set times
// with tables computed independently from a full-precision ephemeris
// (tools/make_astro_reference.py; the conventions are described there).
// The references are taken at the true UT instant while the core treats UT
// as ephemeris time; that Delta T effect is part of the tolerances.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"

namespace lumtar::astro {
namespace {

// A CSV table with a header line; fields addressed by column name.
class Table {
 public:
  explicit Table(const std::string& name) {
    const std::string path = std::string(LUMTAR_TEST_DATA) + "/" + name;
    std::ifstream in(path);
    if (!in) {
      ADD_FAILURE() << "cannot open " << path;
      return;
    }
    std::string line;
    std::getline(in, line);
    const auto header = Split(line);
    for (size_t i = 0; i < header.size(); ++i) columns_[header[i]] = i;
    while (std::getline(in, line))
      if (!line.empty()) rows_.push_back(Split(line));
  }

  size_t size() const { return rows_.size(); }

  const std::string& Field(size_t row, const std::string& column) const {
    static const std::string kEmpty;
    const auto it = columns_.find(column);
    if (it == columns_.end()) {
      ADD_FAILURE() << "no column " << column;
      return kEmpty;
    }
    const auto& r = rows_[row];
    return it->second < r.size() ? r[it->second] : kEmpty;
  }
  double Number(size_t row, const std::string& column) const {
    return std::stod(Field(row, column));
  }
  int Integer(size_t row, const std::string& column) const {
    return std::stoi(Field(row, column));
  }
  // Empty field: the event does not happen that day.
  std::optional<double> Optional(size_t row, const std::string& column) const {
    const auto& f = Field(row, column);
    if (f.empty()) return std::nullopt;
    return std::stod(f);
  }
  // "year-month-day lat .. lon .." for failure messages.
  std::string Describe(size_t row) const {
    std::ostringstream s;
    s << "line " << row + 2 << ": " << Field(row, "year") << "-"
      << Field(row, "month") << "-" << Field(row, "day") << " lat "
      << Field(row, "latitude") << " lon " << Field(row, "longitude")
      << " zone " << Field(row, "zone_meridian");
    return s.str();
  }

 private:
  static std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream s(line);
    while (std::getline(s, field, ',')) out.push_back(field);
    if (!line.empty() && line.back() == ',') out.emplace_back();
    return out;
  }

  std::map<std::string, size_t> columns_;
  std::vector<std::vector<std::string>> rows_;
};

double AngleDiff(double a, double b) { return std::remainder(a - b, 360.0); }

// Largest absolute error of one quantity and the row where it occurred.
struct MaxError {
  MaxError(const char* name, const char* unit, double scale)
      : name(name), unit(unit), scale(scale) {}

  const char* name;
  const char* unit;
  double scale;  // from the compared unit to the reported one
  double value = 0;
  std::string where;

  void Add(double error, const std::string& row) {
    if (std::fabs(error) > value) {
      value = std::fabs(error);
      where = row;
    }
  }
  void Report() const {
    std::ostringstream s;
    s << value * scale << " " << unit << " (" << where << ")";
    std::cout << "[ reference ] max " << name << " error " << s.str() << "\n";
    ::testing::Test::RecordProperty(std::string("max_") + name, s.str());
  }
};

// Tolerances. E: 10 s of time (1 deg = 240 s); declination 0.01 deg;
// altitude 0.02 deg; azimuth 0.05 deg, compared only away from zenith and
// nadir (|altitude| < 80 deg) where it is well conditioned.
constexpr double kEotTolDeg = 10.0 / 240.0;
constexpr double kDeclinationTolDeg = 0.01;
constexpr double kAltitudeTolDeg = 0.02;
constexpr double kAzimuthTolDeg = 0.05;
constexpr double kAzimuthMaxAltitude = 80.0;

TEST(SunReference, EphemerisAndPositionMatchTable) {
  const Table t("sun_reference.csv");
  ASSERT_GT(t.size(), 0u);
  MaxError eot{"eot", "s", 240.0}, dec{"declination", "deg", 1.0};
  MaxError pos_eot{"position_eot", "s", 240.0};
  MaxError pos_dec{"position_declination", "deg", 1.0};
  MaxError alt{"altitude", "deg", 1.0}, az{"azimuth", "deg", 1.0};
  MaxError hour{"hour_angle", "deg", 1.0};
  for (size_t i = 0; i < t.size(); ++i) {
    const std::string row = t.Describe(i);
    SCOPED_TRACE(row);
    const int year = t.Integer(i, "year");
    const int day = t.Integer(i, "day_of_year");
    const double clock = t.Number(i, "zone_time_hours");
    const double lat = t.Number(i, "latitude");
    const double lon = t.Number(i, "longitude");
    const double zone = t.Number(i, "zone_meridian");
    const double want_dec = t.Number(i, "declination_deg");
    const double want_eot = t.Number(i, "eot_deg");
    const double want_alt = t.Number(i, "altitude_deg");
    const double want_az = t.Number(i, "azimuth_deg");

    // Day count of that instant: x = 1.0 at 12 h UT of 1 January.
    const double x = day + (clock + zone / 15.0 - 12.0) / 24.0;
    EXPECT_NEAR(x, t.Number(i, "x"), 1e-7) << "table column x";
    const SolarState s = SolarEphemeris(year, x);
    EXPECT_NEAR(s.eot_deg, want_eot, kEotTolDeg);
    EXPECT_NEAR(s.declination_deg, want_dec, kDeclinationTolDeg);
    eot.Add(s.eot_deg - want_eot, row);
    dec.Add(s.declination_deg - want_dec, row);

    const SunPlace p = SunPosition(year, day, clock, lat, lon, zone, true);
    EXPECT_NEAR(p.eot_deg, want_eot, kEotTolDeg);
    EXPECT_NEAR(p.declination_deg, want_dec, kDeclinationTolDeg);
    EXPECT_NEAR(p.altitude_deg, want_alt, kAltitudeTolDeg);
    pos_eot.Add(p.eot_deg - want_eot, row);
    pos_dec.Add(p.declination_deg - want_dec, row);
    alt.Add(p.altitude_deg - want_alt, row);
    // Hour angle from the table's E: H = (T - 12) 15 - (lon - zone) + E.
    const double want_hour = (clock - 12.0) * 15.0 - (lon - zone) + want_eot;
    const double hour_error = AngleDiff(p.hour_angle_deg, want_hour);
    EXPECT_LE(std::fabs(hour_error), kEotTolDeg) << "hour angle";
    hour.Add(hour_error, row);
    if (std::fabs(want_alt) < kAzimuthMaxAltitude) {
      const double az_error = AngleDiff(p.azimuth_deg, want_az);
      EXPECT_LE(std::fabs(az_error), kAzimuthTolDeg)
          << "azimuth " << p.azimuth_deg << " want " << want_az;
      az.Add(az_error, row);
    }
  }
  for (const auto* m : {&eot, &dec, &pos_eot, &pos_dec, &hour, &alt, &az})
    m->Report();
}

// One event compared by presence and time. An event that only one side has
// is accepted when it lies within `boundary_h` of 0 h or 24 h, where the
// other side may have put it into the neighbouring day.
void CompareEvent(const char* what, std::optional<double> want, bool found,
                  double got, bool check_time, double tol_h, double boundary_h,
                  MaxError& max, const std::string& row) {
  if (want && found) {
    if (!check_time) return;
    EXPECT_NEAR(got, *want, tol_h) << what;
    max.Add(got - *want, row);
    return;
  }
  if (!want && !found) return;
  const double t = want ? *want : got;
  EXPECT_TRUE(t < boundary_h || t > 24.0 - boundary_h)
      << what << ": only " << (want ? "the table" : "the core")
      << " has an event, at " << t << " h";
}

// Sun: 2 minutes for |latitude| <= 60 (further north or south only whether
// the sun rises or sets is compared); moon: 5 minutes. A one-sided event is
// accepted within 5 minutes of midnight.
constexpr double kSunTolH = 2.0 / 60.0;
constexpr double kSunTimeMaxLatitude = 60.0;
constexpr double kMoonTolH = 5.0 / 60.0;
constexpr double kBoundaryH = 5.0 / 60.0;

TEST(RiseSetReference, SunAndMoonMatchTable) {
  const Table t("riseset_reference.csv");
  ASSERT_GT(t.size(), 0u);
  MaxError sunrise{"sunrise", "min", 60.0}, sunset{"sunset", "min", 60.0};
  MaxError moonrise{"moonrise", "min", 60.0}, moonset{"moonset", "min", 60.0};
  for (size_t i = 0; i < t.size(); ++i) {
    const std::string row = t.Describe(i);
    SCOPED_TRACE(row);
    const double lat = t.Number(i, "latitude");
    const DayRiseSet r = RiseSetForDay(
        t.Integer(i, "day"), t.Integer(i, "month"), t.Integer(i, "year"), lat,
        t.Number(i, "longitude"), t.Number(i, "zone_meridian"),
        TwilightKind::kCivil, texts::Language::kEnglish);
    const bool sun_times = std::fabs(lat) <= kSunTimeMaxLatitude;
    CompareEvent("sunrise", t.Optional(i, "sunrise"), r.sun.rise_found,
                 r.sun.rising, sun_times, kSunTolH, kBoundaryH, sunrise, row);
    CompareEvent("sunset", t.Optional(i, "sunset"), r.sun.set_found,
                 r.sun.setting, sun_times, kSunTolH, kBoundaryH, sunset, row);
    CompareEvent("moonrise", t.Optional(i, "moonrise"), r.moon.rise_found,
                 r.moon.rising, true, kMoonTolH, kBoundaryH, moonrise, row);
    CompareEvent("moonset", t.Optional(i, "moonset"), r.moon.set_found,
                 r.moon.setting, true, kMoonTolH, kBoundaryH, moonset, row);
  }
  for (const auto* m : {&sunrise, &sunset, &moonrise, &moonset}) m->Report();
}

}  // namespace
}  // namespace lumtar::astro
