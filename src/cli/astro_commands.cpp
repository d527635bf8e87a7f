#include "cli/astro_commands.h"

#include <cmath>
#include <sstream>

#include "astro/calendar.h"
#include "astro/format.h"
#include "astro/rise_set.h"
#include "astro/solar_ephemeris.h"
#include "astro/sun_position.h"
#include "cli/console_ui.h"
#include "cli/json.h"
#include "cli/options.h"
#include "model/model.h"
#include "tables/calculator.h"

namespace lumtar::cli {
namespace {

const char kSiteHelp[] =
    "  --lat DEG      latitude, north positive (or 47.25N / 33.9S)\n"
    "  --lon DEG      longitude, WEST positive, east negative (or 9.59E)\n"
    "  --zone DEG     zone meridian of the civil time, west positive\n"
    "                 (Central European Time: -15 or 15E)\n"
    "  --date DATE    YYYY-MM-DD, 1300..2500; Julian calendar before\n"
    "                 15 October 1582\n"
    "  --lang en|de   language of messages and notes (default en)\n"
    "  --json         one JSON object instead of text\n";

struct SiteDate {
  astro::Site site;
  Date date;
  texts::Language language;
  bool json;
};

const std::set<std::string> kSiteOptions = {"lat", "lon", "zone", "date",
                                            "lang"};

std::set<std::string> With(std::set<std::string> base,
                           std::initializer_list<const char*> more) {
  for (const char* m : more) base.insert(m);
  return base;
}

SiteDate ReadSiteDate(const Options& o) {
  SiteDate s;
  s.site.latitude = ParseAngle("lat", o.Require("lat"), -90, 90, 'N', 'S');
  s.site.longitude = ParseAngle("lon", o.Require("lon"), -180, 180, 'W', 'E');
  s.site.zone_meridian =
      ParseAngle("zone", o.Require("zone"), -180, 180, 'W', 'E');
  s.date = ParseDate("date", o.Require("date"));
  const std::string lang = o.Get("lang").value_or("en");
  if (lang != "en" && lang != "de")
    throw ArgumentError("--lang '" + lang + "': expected en or de");
  s.language =
      lang == "de" ? texts::Language::kGerman : texts::Language::kEnglish;
  s.json = o.Has("json");
  return s;
}

// Day count of the date in its own calendar (1 January = 1), the count the
// ephemeris expects.
int DayCount(const Date& d) {
  return static_cast<int>(
      std::trunc(astro::ModifiedJulianDate(d.day, d.month, d.year, 0) -
                 astro::ModifiedJulianDate(0, 1, d.year, 0)));
}

// A day of the Gregorian gap is moved to 15 October with the calculator's
// message.
void CheckGregorianGap(SiteDate& s, platform::Ui& ui) {
  astro::controlGregor(s.date.year, s.date.month, s.date.day, ui, s.language);
}

// "hh:mm" with two-digit hours from a time in hours.
std::string ClockText(double hours) {
  std::string t = astro::FormatHoursMinutes(hours);
  while (!t.empty() && t[0] == ' ') t.erase(t.begin());
  if (t.size() == 4) t.insert(t.begin(), '0');
  return t;
}

// The calculator of `mode` for the site and date, its fields filled as the
// user would type them; `setup` adjusts the fields before the calculation.
// Prints the result list and returns the calculator's labels.
template <typename Setup>
tables::Calculator::Labels CalculatorText(const SiteDate& s, int mode,
                                          std::uint8_t twilight,
                                          platform::Ui& ui, std::ostream& o,
                                          Setup setup) {
  model::Model model;
  model.Language = s.language;
  model.parameters.Latitude = s.site.latitude;
  model.parameters.Longitude = s.site.longitude;
  model.parameters.ZoneMeridian = s.site.zone_meridian;
  model.parameters.Year = s.date.year;
  model.TwilightKind = twilight;
  tables::CalcState state = tables::StartupCalcState(s.date.month, s.date.day);
  state.CalcMode = mode;
  tables::Calculator calc(model, state, ui);
  calc.Open();
  // Full precision instead of the display format of the opened fields.
  calc.latitude = astro::FormatFixed(12, 9, s.site.latitude);
  calc.longitude = astro::FormatFixed(13, 9, s.site.longitude);
  calc.zone_meridian = astro::FormatFixed(13, 9, s.site.zone_meridian);
  calc.LeaveLongitude();  // sets the zone warning as the field would
  setup(calc);
  calc.Calculate();
  for (const std::string& line : calc.ResultList()) o << line << "\n";
  return calc.labels();
}

template <typename Body>
int Guarded(const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err, const char* help, Body body) {
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      out << help << kSiteHelp;
      return 0;
    }
  }
  std::ostringstream buffer;
  try {
    const int rc = body(buffer);
    out << buffer.str();
    return rc;
  } catch (const ArgumentError& e) {
    err << "lumtar-cli: " << e.what() << "\n";
    return 2;
  }
}

}  // namespace

int RunSunCommand(const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
  static const char kHelp[] =
      "usage: lumtar-cli sun --lat DEG --lon DEG --zone DEG --date DATE\n"
      "                      --time hh:mm[:ss] [--kind zone|mean|apparent]\n"
      "Altitude and azimuth of the sun (azimuth 0 south, west positive),\n"
      "its declination and the equation of time (apparent minus mean).\n"
      "  --time T       clock time of the kind chosen by --kind\n"
      "  --kind K       zone time (default), local mean or apparent time\n";
  return Guarded(args, out, err, kHelp, [&](std::ostream& o) {
    const Options opt(args, With(kSiteOptions, {"time", "kind"}), {"json"});
    SiteDate s = ReadSiteDate(opt);
    const double t = ParseClock("time", opt.Require("time"));
    const std::string kind = opt.Get("kind").value_or("zone");
    if (kind != "zone" && kind != "mean" && kind != "apparent")
      throw ArgumentError("--kind '" + kind +
                          "': expected zone, mean or apparent");
    ConsoleUi ui(err, s.language);
    CheckGregorianGap(s, ui);
    const astro::TimeKind time_kind = kind == "zone" ? astro::TimeKind::kZone
                                      : kind == "mean"
                                          ? astro::TimeKind::kLocalMean
                                          : astro::TimeKind::kLocalApparent;
    const astro::SunPlace p = astro::SunPositionForClock(
        time_kind, s.date.year, DayCount(s.date), t, s.site.latitude,
        s.site.longitude, s.site.zone_meridian);
    if (s.json) {
      JsonObject j;
      j.Number("altitude_deg", p.altitude_deg, 6);
      j.Number("azimuth_deg", p.azimuth_deg, 6);
      j.Number("declination_deg", p.declination_deg, 6);
      j.Number("eot_min", p.eot_deg * 4, 6);
      o << j.Text() << "\n";
      return 0;
    }
    CalculatorText(
        s, tables::kCalcPosition, model::Model{}.TwilightKind, ui, o,
        [&](tables::Calculator& c) {
          c.time = tables::TimeOfDayText(t);
          c.time_kind =
              kind == "zone" ? tables::Calculator::TimeKindChoice::kZone
              : kind == "mean"
                  ? tables::Calculator::TimeKindChoice::kLocalMean
                  : tables::Calculator::TimeKindChoice::kLocalApparent;
        });
    return 0;
  });
}

int RunRiseSetCommand(const std::vector<std::string>& args, std::ostream& out,
                      std::ostream& err) {
  static const char kHelp[] =
      "usage: lumtar-cli riseset --lat DEG --lon DEG --zone DEG --date DATE\n"
      "                          [--twilight civil|nautical|astronomical]\n"
      "Sunrise, sunset, twilight begin and end, moonrise and moonset in zone\n"
      "time (never daylight-saving time), and the declination and equation\n"
      "of time at 12 h zone time.\n"
      "  --twilight K   depression of the twilight: civil 6, nautical 12,\n"
      "                 astronomical 18 degrees (default astronomical)\n";
  return Guarded(args, out, err, kHelp, [&](std::ostream& o) {
    const Options opt(args, With(kSiteOptions, {"twilight"}), {"json"});
    SiteDate s = ReadSiteDate(opt);
    const std::string tw = opt.Get("twilight").value_or("astronomical");
    astro::TwilightKind kind;
    if (tw == "civil") {
      kind = astro::TwilightKind::kCivil;
    } else if (tw == "nautical") {
      kind = astro::TwilightKind::kNautical;
    } else if (tw == "astronomical") {
      kind = astro::TwilightKind::kAstronomical;
    } else {
      throw ArgumentError("--twilight '" + tw +
                          "': expected civil, nautical or astronomical");
    }
    ConsoleUi ui(err, s.language);
    CheckGregorianGap(s, ui);
    const astro::DayRiseSet d = astro::RiseSetForDay(
        s.date.day, s.date.month, s.date.year, s.site.latitude,
        s.site.longitude, s.site.zone_meridian, kind, s.language);
    const astro::SolarState noon = astro::SolarEphemeris(
        s.date.year, DayCount(s.date) + s.site.zone_meridian / 360);

    struct Event {
      const char* key;
      const char* label;
      bool found;
      double time;
      const std::string& text;
    };
    const Event events[] = {
        {"sunrise", "sunrise:        ", d.sun.rise_found, d.sun.rising,
         d.sun.rising_text},
        {"sunset", "sunset:         ", d.sun.set_found, d.sun.setting,
         d.sun.setting_text},
        {"twilight_begin", "twilight begin: ", d.twilight.rise_found,
         d.twilight.rising, d.twilight.rising_text},
        {"twilight_end", "twilight end:   ", d.twilight.set_found,
         d.twilight.setting, d.twilight.setting_text},
        {"moonrise", "moonrise:       ", d.moon.rise_found, d.moon.rising,
         d.moon.rising_text},
        {"moonset", "moonset:        ", d.moon.set_found, d.moon.setting,
         d.moon.setting_text},
    };
    if (s.json) {
      JsonObject j;
      for (const Event& e : events) {
        if (e.found) {
          j.String(e.key, ClockText(e.time));
        } else {
          j.Null(e.key);
          j.String(std::string(e.key) + "_note", e.text);
        }
      }
      j.Number("declination_deg", noon.declination_deg, 6);
      j.Number("eot_min", noon.eot_deg * 4, 6);
      o << j.Text() << "\n";
      return 0;
    }
    CalculatorText(s, tables::kCalcRiseSet, static_cast<std::uint8_t>(kind), ui,
                   o, [](tables::Calculator&) {});
    return 0;
  });
}

int RunAzimuthTimeCommand(const std::vector<std::string>& args,
                          std::ostream& out, std::ostream& err) {
  static const char kHelp[] =
      "usage: lumtar-cli azimuth-time --lat DEG --lon DEG --zone DEG --date "
      "DATE\n"
      "                               --azimuth DEG\n"
      "The zone time at which the sun stands at the given azimuth (0 south,\n"
      "west positive, -90 east, +-180 north) and its altitude then.\n"
      "Exit code 1 when no time is found.\n"
      "  --azimuth DEG  in [-180, 180]\n";
  return Guarded(args, out, err, kHelp, [&](std::ostream& o) {
    const Options opt(args, With(kSiteOptions, {"azimuth"}), {"json"});
    SiteDate s = ReadSiteDate(opt);
    const double azimuth =
        ParseReal("azimuth", opt.Require("azimuth"), -180, 180);
    ConsoleUi ui(err, s.language);
    CheckGregorianGap(s, ui);
    if (s.json) {
      const astro::AzimuthTime t =
          astro::TimeForAzimuth(s.site, s.date.day, s.date.month, s.date.year,
                                azimuth, ui, s.language);
      std::string clock;
      if (t.found) {
        clock = astro::FormatClockSeconds(t.zone_time);
        while (!clock.empty() && clock[0] == ' ') clock.erase(clock.begin());
        if (clock.size() == 7) clock.insert(clock.begin(), '0');
      }
      JsonObject j;
      if (t.found) {
        j.String("time", clock);
        j.Number("altitude_deg", t.altitude_deg, 6);
      } else {
        j.Null("time");
        j.Null("altitude_deg");
      }
      o << j.Text() << "\n";
      return t.found ? 0 : 1;
    }
    const tables::Calculator::Labels labels =
        CalculatorText(s, tables::kCalcAzimuthTime, model::Model{}.TwilightKind,
                       ui, o, [&](tables::Calculator& c) {
                         c.azimuth = astro::FormatFixed(13, 9, azimuth);
                       });
    return labels.time.empty() ? 1 : 0;
  });
}

}  // namespace lumtar::cli
