// Cross-checks the year tables, the month table and the half-year table
// against the astronomy reference tables of tests/astro/data, computed
// independently from a full-precision ephemeris (conventions in
// tools/make_astro_reference.py). Tolerances as for the astronomy core:
// equation of time 10 s, declination 0.01 degree, sunrise and sunset
// 2 min (|latitude| <= 60), moon 5 min; each widened by half the unit in
// which the table writes the value (0.5 s, 0.005 degree, 0.5 min), since
// the tables round for display on top of the core's own error.
//
// The tables give their values for 12 h zone time. A reference instant at
// zone time T for zone meridian z is 12 h zone time for the meridian
// z' = 15 (T - 12) + z, so each reference row is compared with the table
// computed for that meridian (rows whose z' lies beyond 180 are skipped).

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "astro/format.h"
#include "tables/month_tables.h"
#include "tables/year_table.h"
#include "tables_test_support.h"

namespace lumtar::tables {
namespace {

using testing::ClockSeconds;
using testing::MinSecSeconds;
using testing::RowWithPrefix;
using testing::SiteModel;
using testing::Trimmed;
using texts::Language;

// LUMTAR_TEST_DATA is tests/tables/data; the reference tables belong to
// the astronomy tests beside it.
const std::string kAstroData =
    (std::filesystem::path(LUMTAR_TEST_DATA).parent_path().parent_path() /
     "astro" / "data")
        .string();

// A CSV file with a header line; rows as maps from column to text.
std::vector<std::map<std::string, std::string>> ReadCsv(
    const std::string& name) {
  std::vector<std::map<std::string, std::string>> rows;
  std::ifstream in(kAstroData + "/" + name);
  if (!in) {
    ADD_FAILURE() << "cannot open " << kAstroData << "/" << name;
    return rows;
  }
  auto split = [](const std::string& line) {
    std::vector<std::string> out;
    std::string field;
    std::istringstream s(line);
    while (std::getline(s, field, ',')) out.push_back(field);
    if (!line.empty() && line.back() == ',') out.emplace_back();
    return out;
  };
  std::string line;
  std::getline(in, line);
  const auto header = split(line);
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const auto f = split(line);
    std::map<std::string, std::string> row;
    for (std::size_t i = 0; i < header.size(); ++i)
      row[header[i]] = i < f.size() ? f[i] : "";
    rows.push_back(std::move(row));
  }
  return rows;
}

double Num(const std::map<std::string, std::string>& r, const char* k) {
  return std::stod(r.at(k));
}
int Int(const std::map<std::string, std::string>& r, const char* k) {
  return std::stoi(r.at(k));
}
std::optional<double> Opt(const std::map<std::string, std::string>& r,
                          const char* k) {
  const std::string& v = r.at(k);
  if (v.empty()) return std::nullopt;
  return std::stod(v);
}

struct MaxError {
  MaxError(const char* name, const char* unit) : name(name), unit(unit) {}
  const char* name;
  const char* unit;
  double value = 0;
  std::string where;
  void Add(double e, const std::string& row) {
    if (std::fabs(e) > value) {
      value = std::fabs(e);
      where = row;
    }
  }
  void Report() const {
    std::cout << "[ reference ] max " << name << " error " << value << " "
              << unit << " (" << where << ")\n";
    ::testing::Test::RecordProperty(std::string("max_") + name,
                                    std::to_string(value));
  }
};

std::string Describe(const std::map<std::string, std::string>& r) {
  return r.at("year") + "-" + r.at("month") + "-" + r.at("day") + " lat " +
         r.at("latitude") + " lon " + r.at("longitude") + " zone " +
         r.at("zone_meridian");
}

constexpr double kEotTolS = 10 + 0.5;
constexpr double kDeclinationTol = 0.01 + 0.005;

// Tables are cached by their inputs; many reference rows share them.
template <typename Key, typename Build>
const TableText& Cached(std::map<Key, TableText>& cache, const Key& key,
                        Build build) {
  auto it = cache.find(key);
  if (it == cache.end()) it = cache.emplace(key, build()).first;
  return it->second;
}

TEST(TablesReference, YearTablesMatchTheSunTable) {
  const auto rows = ReadCsv("sun_reference.csv");
  ASSERT_FALSE(rows.empty());
  std::map<std::tuple<int, double, double, int>, TableText> cache;
  MaxError eot{"year_table_eot", "s"}, dec{"year_table_declination", "deg"};
  MaxError noon{"noon_table_eot", "s"};
  int compared = 0, skipped = 0;
  for (const auto& r : rows) {
    const int year = Int(r, "year"), month = Int(r, "month"),
              day = Int(r, "day");
    const double zone =
        15 * (Num(r, "zone_time_hours") - 12) + Num(r, "zone_meridian");
    if (std::fabs(zone) > 180) {
      ++skipped;
      continue;
    }
    const double lon = Num(r, "longitude");
    const std::string row = Describe(r);
    SCOPED_TRACE(row);
    auto table = [&](YearTableKind kind) -> const TableText& {
      return Cached(cache, std::make_tuple(year, lon, zone, int(kind)), [&] {
        return BuildYearTable(SiteModel(year, Language::kEnglish, lon, zone),
                              kind);
      });
    };
    const std::string prefix = astro::FormatFixed(2, 0, day) + ".";
    const auto* e_row =
        RowWithPrefix(table(YearTableKind::kEquationOfTime), prefix);
    const auto* d_row =
        RowWithPrefix(table(YearTableKind::kDeclination), prefix);
    const auto* n_row =
        RowWithPrefix(table(YearTableKind::kMeridianPassage), prefix);
    ASSERT_TRUE(e_row && d_row && n_row);
    const double want_eot_s = Num(r, "eot_deg") * 240;
    const double want_dec = Num(r, "declination_deg");

    const auto e = MinSecSeconds((*e_row)[month]);
    ASSERT_TRUE(e) << (*e_row)[month];
    EXPECT_NEAR(*e, want_eot_s, kEotTolS);
    eot.Add(*e - want_eot_s, row);

    const double d = std::stod((*d_row)[month]);
    EXPECT_NEAR(d, want_dec, kDeclinationTol);
    dec.Add(d - want_dec, row);

    // Apparent noon at 12 h + (k - E)/15 h, k = longitude - zone meridian.
    const auto t = ClockSeconds((*n_row)[month].substr(1));
    ASSERT_TRUE(t) << (*n_row)[month];
    double e_from_noon = (lon - zone) * 240 - (*t - 12 * 3600);
    e_from_noon -= 86400 * std::round((e_from_noon - want_eot_s) / 86400);
    EXPECT_NEAR(e_from_noon, want_eot_s, kEotTolS);
    noon.Add(e_from_noon - want_eot_s, row);
    ++compared;
  }
  std::cout << "[ reference ] " << compared << " dates compared, " << skipped
            << " skipped (meridian beyond 180)\n";
  EXPECT_GT(compared, static_cast<int>(rows.size()) * 3 / 4);
  for (const auto* m : {&eot, &dec, &noon}) m->Report();
}

TEST(TablesReference, MonthAndHalfYearNoonValuesMatchTheSunTable) {
  const auto rows = ReadCsv("sun_reference.csv");
  ASSERT_FALSE(rows.empty());
  MaxError eot{"month_table_eot", "s"}, dec{"month_table_declination", "deg"};
  MaxError half{"halfyear_table_eot", "s"};
  int compared = 0;
  for (const auto& r : rows) {
    const int year = Int(r, "year"), month = Int(r, "month"),
              day = Int(r, "day");
    const double zone =
        15 * (Num(r, "zone_time_hours") - 12) + Num(r, "zone_meridian");
    if (std::fabs(zone) > 180) continue;
    const std::string row = Describe(r);
    SCOPED_TRACE(row);
    const model::Model m =
        SiteModel(year, Language::kEnglish, Num(r, "longitude"), zone,
                  Num(r, "latitude"));
    const std::string prefix = astro::PadLeft(day, 3) + ".";
    const TableText mt = BuildMonthTable(m, month);
    const auto* cells = RowWithPrefix(mt, prefix);
    ASSERT_NE(cells, nullptr);
    ASSERT_EQ(cells->size(), 9u) << mt.lines[cells - &mt.cells[0]];
    const double want_eot_s = Num(r, "eot_deg") * 240;
    const double want_dec = Num(r, "declination_deg");
    const auto e = MinSecSeconds((*cells)[7]);
    ASSERT_TRUE(e);
    EXPECT_NEAR(*e, want_eot_s, kEotTolS);
    eot.Add(*e - want_eot_s, row);
    const double d = std::stod((*cells)[8]);
    EXPECT_NEAR(d, want_dec, kDeclinationTol);
    dec.Add(d - want_dec, row);

    const TableText ht = BuildHalfYearTable(m, month <= 6 ? 0 : 6);
    const auto* h = RowWithPrefix(ht, prefix);
    ASSERT_NE(h, nullptr);
    const auto he = MinSecSeconds((*h)[3 + 3 * ((month - 1) % 6)]);
    ASSERT_TRUE(he);
    EXPECT_NEAR(*he, want_eot_s, kEotTolS);
    half.Add(*he - want_eot_s, row);
    ++compared;
  }
  EXPECT_GT(compared, 0);
  for (const auto* m : {&eot, &dec, &half}) m->Report();
}

// A rise/set text of the tables in hours; nullopt when it is no time.
std::optional<double> TableTime(const std::string& text) {
  const auto s = MinSecSeconds(text);  // "h:mm" reads as minutes:seconds
  if (!s) return std::nullopt;
  return *s / 60.0;
}

// As the astronomy cross-check: an event on one side only is accepted
// within 5 minutes of midnight.
void CompareEvent(const char* what, std::optional<double> want,
                  std::optional<double> got, bool check_time, double tol_h,
                  MaxError& max, const std::string& row) {
  constexpr double kBoundaryH = 5.0 / 60;
  if (want && got) {
    if (!check_time) return;
    EXPECT_NEAR(*got, *want, tol_h) << what;
    max.Add((*got - *want) * 60, row);
    return;
  }
  if (!want && !got) return;
  const double t = want ? *want : *got;
  EXPECT_TRUE(t < kBoundaryH || t > 24 - kBoundaryH)
      << what << ": only " << (want ? "the reference" : "the table")
      << " has an event, at " << t << " h";
}

TEST(TablesReference, MonthTableRiseAndSetMatchTheRiseSetTable) {
  const auto rows = ReadCsv("riseset_reference.csv");
  ASSERT_FALSE(rows.empty());
  std::map<std::tuple<int, int, double, double, double>, TableText> months;
  MaxError sunrise{"month_table_sunrise", "min"},
      sunset{"month_table_sunset", "min"};
  MaxError moonrise{"month_table_moonrise", "min"},
      moonset{"month_table_moonset", "min"};
  MaxError half_rise{"halfyear_table_sunrise", "min"},
      half_set{"halfyear_table_sunset", "min"};
  constexpr double kSunTolH = 2.5 / 60, kMoonTolH = 5.5 / 60;
  for (const auto& r : rows) {
    const int year = Int(r, "year"), month = Int(r, "month"),
              day = Int(r, "day");
    const double lat = Num(r, "latitude"), lon = Num(r, "longitude"),
                 zone = Num(r, "zone_meridian");
    const std::string row = Describe(r);
    SCOPED_TRACE(row);
    model::Model m = SiteModel(year, Language::kEnglish, lon, zone, lat);
    m.TwilightKind = 0;
    const TableText& t =
        Cached(months, std::make_tuple(year, month, lat, lon, zone),
               [&] { return BuildMonthTable(m, month); });
    const std::string prefix = astro::PadLeft(day, 3) + ".";
    const auto* c = RowWithPrefix(t, prefix);
    ASSERT_NE(c, nullptr);
    ASSERT_EQ(c->size(), 9u);
    const bool sun_times = std::fabs(lat) <= 60;
    CompareEvent("sunrise", Opt(r, "sunrise"), TableTime((*c)[1]), sun_times,
                 kSunTolH, sunrise, row);
    CompareEvent("sunset", Opt(r, "sunset"), TableTime((*c)[2]), sun_times,
                 kSunTolH, sunset, row);
    CompareEvent("moonrise", Opt(r, "moonrise"), TableTime((*c)[5]), true,
                 kMoonTolH, moonrise, row);
    CompareEvent("moonset", Opt(r, "moonset"), TableTime((*c)[6]), true,
                 kMoonTolH, moonset, row);

    const TableText h = BuildHalfYearTable(m, month <= 6 ? 0 : 6);
    const auto* hc = RowWithPrefix(h, prefix);
    ASSERT_NE(hc, nullptr);
    const int at = 1 + 3 * ((month - 1) % 6);
    CompareEvent("half-year sunrise", Opt(r, "sunrise"), TableTime((*hc)[at]),
                 sun_times, kSunTolH, half_rise, row);
    CompareEvent("half-year sunset", Opt(r, "sunset"), TableTime((*hc)[at + 1]),
                 sun_times, kSunTolH, half_set, row);
  }
  for (const auto* m :
       {&sunrise, &sunset, &moonrise, &moonset, &half_rise, &half_set})
    m->Report();
}

}  // namespace
}  // namespace lumtar::tables
