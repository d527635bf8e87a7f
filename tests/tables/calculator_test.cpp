#include "tables/calculator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/sun_position.h"
#include "platform/scripted_ui.h"
#include "tables_test_support.h"

namespace lumtar::tables {
namespace {

using Field = Calculator::Field;
using platform::Answer;
using platform::Buttons;
using platform::Caption;
using platform::ScriptedUi;
using testing::RecordingPrinter;
using testing::SiteModel;
using testing::Trimmed;
using texts::Language;

// "  __" and 37 times "__".
const std::string kRule = "  " + std::string(76, '_');

// A calculator of `mode` opened on `month`/`day` of the model's year.
struct Fixture {
  Fixture(model::Model m, int mode, int month, int day)
      : model(std::move(m)), state(StartupCalcState(month, day)) {
    state.CalcMode = mode;
    calc.Open();
  }
  model::Model model;
  CalcState state;
  ScriptedUi ui;
  Calculator calc{model, state, ui};
};

// The number that follows `label` in one of the result lines.
double NumberAfter(const std::vector<std::string>& lines,
                   const std::string& label) {
  for (const std::string& line : lines) {
    const auto at = line.find(label);
    if (at != std::string::npos)
      return std::stod(line.substr(at + label.size()));
  }
  ADD_FAILURE() << "no line with " << label;
  return NAN;
}

TEST(Calculator, PositionAtApparentNoonIsDueSouth) {
  // 12:00:00 local apparent time is the hour angle 0: azimuth 0, altitude
  // 90 - latitude + declination.
  for (Language l : {Language::kEnglish, Language::kGerman}) {
    Fixture f(SiteModel(2020, l, -9.55, -15, 47.25), kCalcPosition, 6, 21);
    f.calc.time = "12:00:00";
    f.calc.time_kind = Calculator::TimeKindChoice::kLocalApparent;
    ASSERT_TRUE(f.calc.Calculate());
    EXPECT_EQ(f.calc.labels().azimuth, "   0.00");
    const auto& r = f.calc.ResultList();
    const bool en = l == Language::kEnglish;
    const double alt = NumberAfter(r, en ? "Sun altitude: " : "Sonnenhöhe:   ");
    const double dec =
        NumberAfter(r, en ? "Sun declination:   " : "Deklination:       ");
    EXPECT_NEAR(alt, 90 - 47.25 + dec, 0.011);
    EXPECT_NEAR(dec, 23.44, 0.01);  // the June solstice
  }
}

TEST(Calculator, ResultListLayoutInBothLanguages) {
  struct Case {
    Language language;
    std::vector<std::string> head;  // lines 0..7
    const char* azimuth_line_start;
    const char* east_note;
  } const cases[] = {
      {Language::kEnglish,
       {" ", kRule, " ", "    Date :           2020- 6-21",
        "    Latitude :       47.25 deg ",
        "    Longitude:       -9.55 deg          Zone meridian:  -15.0 deg ",
        " ", "           Time :         14:30:00"},
       "           azimuth :    ",
       "           [negative for deviations to East]"},
      {Language::kGerman,
       {" ", kRule, " ", "    Datum :          2020- 6-21",
        "    Breite :         47.25 Grad ",
        "    Länge    :       -9.55 Grad         Zonenmeridian:  -15.0 Grad ",
        " ", "           Zeit :         14:30:00"},
       "           Azimut :     ",
       "           [negativ für Abweichungen nach Osten]"},
  };
  for (const Case& c : cases) {
    Fixture f(SiteModel(2020, c.language, -9.55, -15, 47.25), kCalcPosition, 6,
              21);
    f.calc.time = "14:30:00";
    ASSERT_TRUE(f.calc.Calculate());
    const auto& r = f.calc.ResultList();
    ASSERT_EQ(r.size(), 12u);
    for (std::size_t i = 0; i < c.head.size(); ++i) EXPECT_EQ(r[i], c.head[i]);
    EXPECT_EQ(r[9].rfind(c.azimuth_line_start, 0), 0u) << r[9];
    EXPECT_EQ(r[9].substr(r[9].size() - 6), " mm:ss");
    EXPECT_EQ(r[10], c.east_note);
    EXPECT_EQ(r[11], kRule);
  }
}

TEST(Calculator, PositionFollowsTheTimeKind) {
  // The three clocks of the group, each as the sun position routine
  // serves it (zone time with the real longitude and E, local mean time
  // with the zone meridian and E, local apparent time without E).
  const int day = 173;  // 21 June 2020
  struct Case {
    Calculator::TimeKindChoice kind;
    double longitude;
    bool eot;
  } const cases[] = {
      {Calculator::TimeKindChoice::kZone, -9.55, true},
      {Calculator::TimeKindChoice::kLocalMean, -15, true},
      {Calculator::TimeKindChoice::kLocalApparent, -15, false},
  };
  for (const Case& c : cases) {
    Fixture f(SiteModel(2020, Language::kEnglish, -9.55, -15, 47.25),
              kCalcPosition, 6, 21);
    f.calc.time = "9:15";
    ASSERT_TRUE(f.calc.ChooseTimeKind(c.kind));
    const astro::SunPlace p =
        astro::SunPosition(2020, day, 9.25, 47.25, c.longitude, -15, c.eot);
    EXPECT_NEAR(std::stod(f.calc.labels().azimuth), p.azimuth_deg, 0.005);
    EXPECT_NEAR(std::stod(f.calc.labels().altitude), p.altitude_deg, 0.005);
  }
}

TEST(Calculator, EmptyOrMalformedInputGivesNoResult) {
  struct Case {
    int mode;
    std::string time, azimuth;
    Language language;
    Field field;
    const char* shows;
  } const cases[] = {
      {kCalcPosition, "", "0", Language::kEnglish, Field::kTime, "Input?"},
      {kCalcPosition, " ", "0", Language::kGerman, Field::kTime, "Eingabe?"},
      {kCalcPosition, "12:61", "0", Language::kGerman, Field::kTime, "Fehler!"},
      {kCalcAzimuthTime, "12:00:00", "", Language::kEnglish, Field::kAzimuth,
       "Input?"},
      {kCalcAzimuthTime, "12:00:00", "west", Language::kEnglish,
       Field::kAzimuth, "Error!"},
  };
  for (const Case& c : cases) {
    Fixture f(SiteModel(2020, c.language), c.mode, 6, 21);
    f.calc.time = c.time;
    f.calc.azimuth = c.azimuth;
    EXPECT_FALSE(f.calc.Calculate());
    EXPECT_TRUE(f.calc.ResultList().empty());
    ASSERT_TRUE(f.calc.focus.has_value());
    EXPECT_EQ(*f.calc.focus, c.field);
    EXPECT_EQ(c.field == Field::kTime ? f.calc.time : f.calc.azimuth, c.shows);
  }
}

TEST(Calculator, AzimuthTimeKeepsItsUnitAndNamesANightSun) {
  // South at the default site on 21 June: the transit, 12:23 zone time.
  Fixture f(SiteModel(2020, Language::kEnglish, -9.59, -15, 47.25),
            kCalcAzimuthTime, 6, 21);
  f.calc.azimuth = "0";
  ASSERT_TRUE(f.calc.Calculate());
  const auto& r = f.calc.ResultList();
  EXPECT_EQ(r[7], "           azimuth :    " + std::string(11, ' ') +
                      "   0.00" + "  " + " deg ");
  EXPECT_EQ(r[9].rfind("           Sunposition reached at:  12:23:", 0), 0u)
      << r[9];
  EXPECT_EQ(r[9].substr(r[9].size() - 10), "  hh:mm:ss");
  EXPECT_EQ(r[10].rfind("           Sun altitude: 66.19", 0), 0u) << r[10];
  EXPECT_EQ(f.state.TargetAzimuth, 0);

  // North-north-east on 21 December is passed in the night.
  Fixture n(SiteModel(2020, Language::kGerman), kCalcAzimuthTime, 12, 21);
  n.calc.azimuth = "-170";
  ASSERT_TRUE(n.calc.Calculate());
  EXPECT_EQ(n.calc.ResultList()[10],
            "           Die Sonne steht unter dem Horizont!");
  EXPECT_EQ(n.state.TargetAzimuth, -170);
}

TEST(Calculator, AzimuthTheSunMayNotReachGivesTheSearchResult) {
  // Latitude 10 in June: the sun passes north of the zenith, so not every
  // azimuth is reached; the search warns and its time text is shown.
  Fixture f(SiteModel(2020, Language::kEnglish, -9.59, -15, 10),
            kCalcAzimuthTime, 6, 21);
  f.calc.azimuth = "5";
  ASSERT_TRUE(f.calc.Calculate());
  bool warned = false;
  for (const auto& s : f.ui.shown)
    warned |= s.text.find("There does not always exist a solution") !=
              std::string::npos;
  EXPECT_TRUE(warned);
  ScriptedUi quiet;
  const astro::AzimuthTime t = astro::TimeForAzimuth(
      {10, -9.59, -15}, 21, 6, 2020, 5, quiet, Language::kEnglish);
  EXPECT_EQ(f.calc.ResultList()[9],
            "           Sunposition reached at:  " + Trimmed(t.text));
  EXPECT_EQ(f.calc.labels().time, t.text);
}

TEST(Calculator, ReformGapDayIsCorrectedToFifteenthOctober) {
  Fixture f(SiteModel(1582, Language::kEnglish, -9.59, -15, 47.0), kCalcRiseSet,
            10, 10);
  f.model.TwilightKind = 0;
  ASSERT_TRUE(f.calc.Calculate());
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].caption, Caption::kProblem);
  EXPECT_NE(f.ui.shown[0].text.find("Correction to 15/10/1582"),
            std::string::npos);
  EXPECT_EQ(f.calc.day, "15");
  EXPECT_EQ(f.state.CalcDay, 15);
  const auto& r = f.calc.ResultList();
  EXPECT_EQ(r[3], "    Date :           1582-10-15");
  // Sunrise 6.651 h and sunset 17.591 h on 15 October 1582 at 47.00 N,
  // 9.59 E (tests/astro/data/riseset_reference.csv); 11 days later than 4
  // October the sun would rise about 12 minutes later.
  const std::string sunrise = "    Sunrise :         ";
  const std::string sunset = "     Sunset :         ";
  ASSERT_EQ(r[8].rfind(sunrise, 0), 0u) << r[8];
  const auto at = r[8].find(sunset);
  ASSERT_NE(at, std::string::npos);
  const auto rise = testing::MinSecSeconds(r[8].substr(sunrise.size(), 6));
  const auto set = testing::MinSecSeconds(r[8].substr(at + sunset.size(), 6));
  ASSERT_TRUE(rise && set) << r[8];
  EXPECT_NEAR(*rise / 60.0, 6.651345, 2.5 / 60);
  EXPECT_NEAR(*set / 60.0, 17.590507, 2.5 / 60);
  EXPECT_EQ(r[8].substr(sunrise.size() + 6, 7), " hh:min");
  EXPECT_EQ(r[10],
            "                        [Type of twilight displayed: civil "
            "(0.83°-6°)]");
}

TEST(Calculator, TwilightChoiceChangesOnlyTheTwilightLines) {
  Fixture f(SiteModel(2020, Language::kEnglish), kCalcRiseSet, 3, 21);
  f.model.TwilightKind = 0;
  ASSERT_TRUE(f.calc.Calculate());
  const auto civil = f.calc.ResultList();
  f.calc.ChooseTwilight(2);
  const auto astronomical = f.calc.ResultList();
  ASSERT_EQ(civil.size(), astronomical.size());
  for (std::size_t i = 0; i < civil.size(); ++i) {
    if (i == 9 || i == 10) {
      EXPECT_NE(civil[i], astronomical[i]);
    } else {
      EXPECT_EQ(civil[i], astronomical[i]) << i;
    }
  }
  EXPECT_NE(astronomical[10].find("astronom.(12°-18°)"), std::string::npos);
  EXPECT_EQ(f.model.TwilightKind, 2);
}

TEST(Calculator, NoonValuesAgreeWithTheYearTable) {
  // Mode 8 and the year table both give 12 h zone time of the date, also
  // for a Julian leap day.
  Fixture f(SiteModel(1500, Language::kEnglish), kCalcEquationOfTime, 2, 29);
  ASSERT_TRUE(f.calc.Calculate());
  const auto& r = f.calc.ResultList();
  ASSERT_EQ(r.size(), 11u);
  EXPECT_EQ(r[9], std::string(25, ' ') + "   Values for noon standard time");
  const TableText t = BuildYearTable(f.model, YearTableKind::kEquationOfTime);
  const std::string cell = (*testing::RowWithPrefix(t, "29."))[2].substr(1);
  EXPECT_EQ(r[8], "         Equation of Time:  " + cell + " mm:ss");
  EXPECT_EQ(f.calc.labels().equation_of_time, cell + "  min:sec");
}

TEST(Calculator, ZoneWarningIsAskedOnceAndNoEndsTheCalculation) {
  // 16 degrees between longitude and zone meridian.
  Fixture f(SiteModel(2020, Language::kEnglish, 1.0, -15), kCalcEquationOfTime,
            6, 21);
  f.calc.longitude = "1.0";
  f.calc.LeaveLongitude();
  EXPECT_TRUE(f.model.ZoneWarningPending);
  f.ui.answers = {Answer::kNo};
  EXPECT_FALSE(f.calc.Calculate());
  EXPECT_TRUE(f.calc.ResultList().empty());
  EXPECT_TRUE(f.model.ZoneWarningPending);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].buttons, Buttons::kYesNo);
  EXPECT_EQ(f.ui.shown[0].text.rfind("The difference between zone meridian", 0),
            0u);
  f.ui.answers = {Answer::kYes};
  EXPECT_TRUE(f.calc.Calculate());
  EXPECT_FALSE(f.model.ZoneWarningPending);
  EXPECT_TRUE(f.calc.Calculate());
  EXPECT_EQ(f.ui.shown.size(), 2u);  // not asked again

  // 14.5 degrees lie within the threshold of 15.
  f.calc.longitude = "-0.5";
  f.calc.LeaveLongitude();
  EXPECT_FALSE(f.model.ZoneWarningPending);
}

TEST(Calculator, ClosingAsksAPendingZoneWarning) {
  Fixture f(SiteModel(2020, Language::kGerman, 10, -15), kCalcRiseSet, 6, 21);
  f.calc.zone_meridian = "-15";
  f.calc.LeaveZoneMeridian();
  f.ui.answers = {Answer::kNo};
  EXPECT_FALSE(f.calc.Close());
  EXPECT_EQ(f.calc.focus, Field::kClose);
  f.ui.answers = {Answer::kYes};
  EXPECT_TRUE(f.calc.Close());
  EXPECT_FALSE(f.model.ZoneWarningPending);
  EXPECT_TRUE(f.calc.Close());
  EXPECT_EQ(f.ui.shown.size(), 2u);
}

TEST(Calculator, FieldRules) {
  Fixture f(SiteModel(2020, Language::kEnglish), kCalcPosition, 6, 21);
  // Latitude: the field reader, written back with 11 characters.
  f.calc.latitude = "47,5°";
  f.calc.LeaveLatitude();
  EXPECT_EQ(f.model.parameters.Latitude, 47.5);
  EXPECT_EQ(f.calc.latitude, "  47.500000");
  f.calc.latitude = "95";
  f.calc.LeaveLatitude();
  EXPECT_EQ(f.model.parameters.Latitude, 47.5);
  EXPECT_EQ(f.calc.focus, Field::kLatitude);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text.rfind("Latitude=95", 0), 0u)
      << f.ui.shown[0].text;
  // Longitude and zone meridian: a bad value restores the field.
  f.calc.longitude = "200";
  f.calc.LeaveLongitude();
  EXPECT_EQ(f.calc.longitude, "    -9.590825");
  f.calc.longitude = "8,25";
  f.calc.LeaveLongitude();
  EXPECT_EQ(f.model.parameters.Longitude, 8.25);
  f.calc.zone_meridian = "abc";
  f.calc.LeaveZoneMeridian();
  EXPECT_EQ(f.calc.zone_meridian, " -15.00");
  // Year, month and day keep their value outside their ranges.
  f.calc.year = "1299";
  f.calc.LeaveYear();
  EXPECT_EQ(f.calc.year, "2020");
  f.calc.month = "13";
  f.calc.LeaveMonth();
  EXPECT_EQ(f.calc.month, "6");
  f.calc.day = "0";
  f.calc.LeaveDay();
  EXPECT_EQ(f.calc.day, "21");
  f.calc.day = "31";
  f.calc.LeaveDay();
  EXPECT_EQ(f.state.CalcDay, 31);  // no check against the month length
  EXPECT_EQ(f.ui.shown.size(), 1u);
}

TEST(Calculator, TimeField) {
  Fixture f(SiteModel(2020, Language::kEnglish), kCalcPosition, 6, 21);
  struct Key {
    char typed;
    std::optional<char> becomes;
  } const keys[] = {{' ', ':'},   {'7', '7'},          {':', ':'},
                    {'\b', '\b'}, {'a', std::nullopt}, {'.', std::nullopt}};
  for (const Key& k : keys) EXPECT_EQ(f.calc.TimeKey(k.typed), k.becomes);
  EXPECT_EQ(f.calc.TimeKey('\r'), std::nullopt);
  EXPECT_EQ(f.calc.focus, Field::kCalculate);

  struct Leave {
    const char* typed;
    const char* shows;
    double hours;  // CalcTimeOfDay afterwards
  } const leaves[] = {
      {"", "12:00:00", 12},
      {"7:5", "07:05:00", 7 + 5 / 60.0},
      {"23:59:59", "23:59:59", 23 + 59 / 60.0 + 59 / 3600.0},
      {"24:00", "24:00:00", 24},
      {"25:00", "Error!", 24},  // refused: the previous value stays
  };
  for (const Leave& l : leaves) {
    f.calc.time = l.typed;
    f.calc.LeaveTime();
    EXPECT_EQ(f.calc.time, l.shows) << l.typed;
    EXPECT_NEAR(f.state.CalcTimeOfDay, l.hours, 1e-9) << l.typed;
  }
  EXPECT_EQ(f.calc.focus, Field::kTime);
}

TEST(Calculator, OpeningShowsTheModesView) {
  struct Case {
    int mode;
    int help;
    bool tables_button;
    const char* button_text;
    bool more_tables;
  } const cases[] = {
      {kCalcRiseSet, 28, true, "  Ta&ble", false},
      {kCalcPosition, 29, false, "", true},
      {kCalcAzimuthTime, 49, false, "", true},
      {kCalcEquationOfTime, 30, true, " Show Ta&bles", false},
      {kCalcEotGraph, 30, true, " Show Ta&bles", false},
  };
  for (const Case& c : cases) {
    model::Model m = SiteModel(2020, Language::kEnglish);
    CalcState s = StartupCalcState(3, 1);
    s.CalcMode = c.mode;
    s.TargetAzimuth = -45.5;
    s.CalcTimeOfDay = 9.5;
    ScriptedUi ui;
    Calculator calc(m, s, ui);
    calc.Open();
    EXPECT_EQ(calc.view().help_context, c.help);
    EXPECT_EQ(calc.view().tables_button, c.tables_button);
    EXPECT_EQ(calc.view().tables_button_text, c.button_text);
    EXPECT_EQ(calc.view().more_tables_menu, c.more_tables);
    EXPECT_EQ(calc.latitude, "    47.251315");
    EXPECT_EQ(calc.zone_meridian, " -15.00");
    EXPECT_EQ(calc.azimuth, " -45.50");
    EXPECT_EQ(calc.time, "09:30:00");
  }
}

TEST(Calculator, TablesButtonOpensTheTableOfTheMode) {
  {
    Fixture f(SiteModel(2020, Language::kEnglish), kCalcRiseSet, 6, 21);
    f.model.TwilightKind = 1;  // nautical, kept for the tables
    const auto r = f.calc.ShowTables();
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->month_table);
    EXPECT_EQ(r->month, 6);
    EXPECT_EQ(f.model.TwilightKind, 1);
    EXPECT_NE(r->table.lines[r->table.lines.size() - 3].find("nautical"),
              std::string::npos);
  }
  {
    Fixture f(SiteModel(2020, Language::kEnglish), kCalcEotGraph, 6, 21);
    f.state.YearTableKind = YearTableKind::kMeridianPassage;
    const auto r = f.calc.ShowTables();
    ASSERT_TRUE(r.has_value());
    EXPECT_FALSE(r->month_table);
    EXPECT_EQ(f.state.CalcMode, kCalcEquationOfTime);
    EXPECT_EQ(r->table.lines[0],
              "  Time of Meridian Passage (= 12 Local Apparent Time)");
  }
  {
    Fixture f(SiteModel(2020, Language::kEnglish), kCalcPosition, 6, 21);
    const auto r =
        f.calc.ChooseMoreTables(Calculator::MoreTables::kDeclination);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(f.state.CalcMode, kCalcEquationOfTime);
    EXPECT_EQ(f.state.YearTableKind, YearTableKind::kDeclination);
    EXPECT_EQ(r->kind, YearTableKind::kDeclination);
  }
  {
    // A No to the zone warning opens nothing.
    Fixture f(SiteModel(2020, Language::kEnglish, 5, -15), kCalcRiseSet, 6, 21);
    f.model.ZoneWarningPending = true;
    f.ui.answers = {Answer::kNo};
    EXPECT_FALSE(f.calc.ShowTables().has_value());
  }
}

TEST(CalculatorPrint, NoThenYesPutsBothListsOnOnePage) {
  RecordingPrinter printer;
  TextChannel channel(printer);
  Fixture f(SiteModel(2020, Language::kEnglish), kCalcEquationOfTime, 6, 21);
  f.ui.answers = {Answer::kNo};
  f.calc.Print(channel);
  EXPECT_TRUE(channel.open());
  EXPECT_TRUE(f.calc.ResultList().empty());  // cleared after printing
  f.calc.day = "22";
  f.ui.answers = {Answer::kYes};
  f.calc.Print(channel);
  EXPECT_FALSE(channel.open());
  ASSERT_EQ(printer.documents.size(), 1u);
  const auto& doc = printer.documents[0];
  EXPECT_TRUE(doc.ended);
  EXPECT_EQ(doc.pages.size(), 1u);
  const auto first = doc.channel.find("2020- 6-21");
  const auto second = doc.channel.find("2020- 6-22");
  ASSERT_NE(first, std::string::npos);
  ASSERT_NE(second, std::string::npos);
  EXPECT_LT(first, second);
  EXPECT_EQ(f.ui.shown[0].text, "Print data with following form feed?");
  EXPECT_EQ(f.ui.shown[0].buttons, Buttons::kYesNoCancel);
}

TEST(CalculatorPrint, CancelPrintsNothingAndMenuEntriesSkipTheQuestion) {
  RecordingPrinter printer;
  TextChannel channel(printer);
  Fixture f(SiteModel(2020, Language::kEnglish), kCalcEquationOfTime, 6, 21);
  f.ui.answers = {Answer::kCancel};
  f.calc.Print(channel);
  EXPECT_TRUE(printer.documents.empty());
  EXPECT_FALSE(f.calc.ResultList().empty());
  const std::size_t asked = f.ui.shown.size();
  f.calc.PrintWithoutFormFeed(channel);
  f.calc.PrintWithoutFormFeed(channel);
  EXPECT_TRUE(channel.open());
  f.calc.PrintPage(channel);
  EXPECT_FALSE(channel.open());
  f.calc.PrintWithFormFeed(channel);
  EXPECT_FALSE(channel.open());
  EXPECT_EQ(f.ui.shown.size(), asked);
  ASSERT_EQ(printer.documents.size(), 2u);
  EXPECT_TRUE(printer.documents[1].ended);
}

TEST(CalculatorPrint, PrinterFailureIsReported) {
  RecordingPrinter printer;
  printer.fail_begin = true;
  TextChannel channel(printer);
  Fixture f(SiteModel(2020, Language::kGerman), kCalcEquationOfTime, 6, 21);
  f.calc.PrintWithFormFeed(channel);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Fehler - Drucken abgebrochen !");
  EXPECT_FALSE(channel.open());
}

}  // namespace
}  // namespace lumtar::tables
