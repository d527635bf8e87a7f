#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/rise_set.h"
#include "astro/sun_position.h"
#include "cli/commands.h"

namespace lumtar::cli {
namespace {

struct CliRun {
  int rc;
  std::string out, err;
};

CliRun Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int rc = RunCommand(args, out, err);
  return {rc, out.str(), err.str()};
}

const std::vector<std::string> kSite = {"--lat",  "47.25",     "--lon",
                                        "-9.59",  "--zone",    "-15",
                                        "--date", "2020-06-21"};

std::vector<std::string> With(const std::string& command,
                              std::vector<std::string> extra) {
  std::vector<std::string> a = {command};
  a.insert(a.end(), kSite.begin(), kSite.end());
  a.insert(a.end(), extra.begin(), extra.end());
  return a;
}

// The number after "key": in a flat JSON object.
double JsonNumber(const std::string& json, const std::string& key) {
  const auto at = json.find("\"" + key + "\": ");
  EXPECT_NE(at, std::string::npos) << key << " in " << json;
  if (at == std::string::npos) return NAN;
  return std::stod(json.substr(at + key.size() + 4));
}

TEST(CliSun, JsonMatchesTheCoreForEachClockKind) {
  const int d = static_cast<int>(astro::ModifiedJulianDate(21, 6, 2020, 0) -
                                 astro::ModifiedJulianDate(0, 1, 2020, 0));
  struct {
    const char* kind;
    double longitude;
    bool eot;
  } const kinds[] = {
      {"zone", -9.59, true}, {"mean", -15, true}, {"apparent", -15, false}};
  for (const auto& k : kinds) {
    const CliRun r =
        Cli(With("sun", {"--time", "14:30", "--kind", k.kind, "--json"}));
    ASSERT_EQ(r.rc, 0) << r.err;
    const astro::SunPlace p =
        astro::SunPosition(2020, d, 14.5, 47.25, k.longitude, -15, k.eot);
    EXPECT_NEAR(JsonNumber(r.out, "altitude_deg"), p.altitude_deg, 1e-6)
        << k.kind;
    EXPECT_NEAR(JsonNumber(r.out, "azimuth_deg"), p.azimuth_deg, 1e-6)
        << k.kind;
    EXPECT_NEAR(JsonNumber(r.out, "declination_deg"), p.declination_deg, 1e-6);
    EXPECT_NEAR(JsonNumber(r.out, "eot_min"), p.eot_deg * 4, 1e-6);
  }
}

TEST(CliSun, HemisphereLettersStateTheSign) {
  const CliRun letters =
      Cli({"sun", "--lat", "33.9S", "--lon", "18.4E", "--zone", "30E", "--date",
           "2021-12-21", "--time", "9:15", "--json"});
  const CliRun signs =
      Cli({"sun", "--lat", "-33.9", "--lon", "-18.4", "--zone", "-30", "--date",
           "2021-12-21", "--time", "9:15", "--json"});
  ASSERT_EQ(letters.rc, 0) << letters.err;
  EXPECT_EQ(letters.out, signs.out);
  const CliRun west =
      Cli({"sun", "--lat", "40N", "--lon", "74W", "--zone", "75W", "--date",
           "2021-12-21", "--time", "9:15", "--json"});
  const CliRun plus = Cli({"sun", "--lat", "40", "--lon", "74", "--zone", "75",
                           "--date", "2021-12-21", "--time", "9:15", "--json"});
  EXPECT_EQ(west.out, plus.out);
}

TEST(CliArguments, BadInputIsOneLineExitTwoAndNoOutput) {
  struct {
    std::vector<std::string> args;
    const char* names;  // the error line must name this
  } const cases[] = {
      {{"sun", "--lat", "95", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01", "--time", "1"},
       "--lat"},
      {{"sun", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "1299-12-31", "--time", "1"},
       "--date"},
      {{"sun", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2021-02-29", "--time", "1"},
       "--date"},
      {{"sun", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01", "--time", "25:00"},
       "--time"},
      {{"sun", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01", "--time", "12:61"},
       "--time"},
      {{"sun", "--lat", "10", "--lon", "-9.5E", "--zone", "0", "--date",
        "2020-01-01", "--time", "1"},
       "--lon"},
      {{"sun", "--lat", "10", "--lon", "abc", "--zone", "0", "--date",
        "2020-01-01", "--time", "1"},
       "--lon"},
      {{"sun", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01"},
       "--time"},
      {{"sun", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01", "--time", "1", "--kind", "solar"},
       "--kind"},
      {{"sun", "--lat", "10", "--bogus", "1"}, "--bogus"},
      {{"riseset", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01", "--twilight", "dusk"},
       "--twilight"},
      {{"azimuth-time", "--lat", "10", "--lon", "0", "--zone", "0", "--date",
        "2020-01-01", "--azimuth", "181"},
       "--azimuth"},
      {{"frobnicate"}, "frobnicate"},
  };
  for (const auto& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.rc, 2) << c.names;
    EXPECT_TRUE(r.out.empty()) << c.names << ": " << r.out;
    EXPECT_NE(r.err.find(c.names), std::string::npos) << r.err;
    if (std::string(c.names) != "frobnicate") {
      EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
  }
}

TEST(CliRiseSet, JsonTimesAndNotes) {
  CliRun r = Cli(With("riseset", {"--twilight", "civil", "--json"}));
  ASSERT_EQ(r.rc, 0) << r.err;
  const astro::DayRiseSet d = astro::RiseSetForDay(
      21, 6, 2020, 47.25, -9.59, -15, astro::TwilightKind::kCivil,
      texts::Language::kEnglish);
  const int minutes = static_cast<int>(d.sun.rising * 60 + 0.5);
  char expected[32];
  std::snprintf(expected, sizeof expected, "\"sunrise\": \"%02d:%02d\"",
                minutes / 60, minutes % 60);
  EXPECT_NE(r.out.find(expected), std::string::npos) << r.out;

  r = Cli({"riseset", "--lat", "55", "--lon", "-9.59", "--zone", "-15",
           "--date", "2020-06-21", "--json"});
  EXPECT_NE(r.out.find("\"twilight_begin\": null"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"twilight_begin_note\": \"always bright \""),
            std::string::npos);
}

TEST(CliAzimuthTime, SouthGivesTheTransit) {
  const CliRun r = Cli(With("azimuth-time", {"--azimuth", "0", "--json"}));
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_NE(r.out.find("\"time\": \"12:23:"), std::string::npos) << r.out;
  EXPECT_NEAR(JsonNumber(r.out, "altitude_deg"), 90 - 47.25 + 23.44, 0.01);
  const CliRun text = Cli(With("azimuth-time", {"--azimuth", "0"}));
  EXPECT_NE(text.out.find("Sunposition reached at:  12:23:"), std::string::npos)
      << text.out;
}

TEST(CliBinary, RunsAsAProgram) {
  const std::string cmd = std::string(LUMTAR_CLI_PATH) +
                          " sun --lat 47.25 --lon -9.59 --zone -15 --date "
                          "2020-06-21 --time 12:00 --json";
  FILE* p = popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  char buf[512] = {};
  const std::size_t n = std::fread(buf, 1, sizeof buf - 1, p);
  EXPECT_EQ(pclose(p), 0);
  EXPECT_EQ(std::string(buf, n).rfind("{\"altitude_deg\": 65.72", 0), 0u)
      << buf;
  const std::string bad =
      std::string(LUMTAR_CLI_PATH) + " sun --lat x 2>/dev/null";
  FILE* q = popen(bad.c_str(), "r");
  ASSERT_NE(q, nullptr);
  const int status = pclose(q);
  EXPECT_EQ(WEXITSTATUS(status), 2);
}

}  // namespace
}  // namespace lumtar::cli
