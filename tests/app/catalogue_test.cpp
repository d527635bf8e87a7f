#include "model/catalogue.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/catalogue_rules.h"
#include "app/kind_dialog.h"
#include "app/parameter_dialog.h"
#include "astro/pascal_math.h"
#include "dials/date_lines.h"
#include "platform/scripted_ui.h"

namespace lumtar::app {
namespace {

using platform::Caption;
using platform::ScriptedUi;
using KField = KindDialogModel::Field;

TEST(Catalogue, KindToEntryAndBack) {
  const struct {
    char kind;
    int entry;
  } cases[] = {{'a', 5},  {'c', 9},  {'h', 0}, {'i', 2}, {'k', 7},
               {'m', 10}, {'p', 12}, {'q', 4}, {'r', 8}, {'s', 13},
               {'v', 1},  {'w', 11}, {'z', 6}, {'x', 13}};
  for (const auto& c : cases) {
    EXPECT_EQ(model::KindToEntry(c.kind, false), c.entry) << c.kind;
    if (c.entry != 13) {
      model::Model m;
      SelectKindEntry(m, c.entry, 0);
      EXPECT_EQ(m.DialKind, c.kind);
    }
  }
  EXPECT_EQ(model::KindToEntry('v', true), model::kUmbrellaEntry);
}

TEST(Catalogue, ExpertModeHidesAndReplacesKinds) {
  EXPECT_EQ(VisibleKindEntries(true).size(), 14u);
  const auto plain = VisibleKindEntries(false);
  EXPECT_EQ(plain.size(), 12u);
  for (int e : plain) {
    EXPECT_NE(e, 9);
    EXPECT_NE(e, 10);
    model::Model m;
    m.ExpertMode = 0;
    m.selectors.AltitudeVariant = 2;
    m.selectors.CylinderVariant = 1;
    SelectKindEntry(m, e, 0);
    EXPECT_EQ(model::KindToEntry(m.DialKind, m.selectors.UmbrellaFlag), e);
    EXPECT_EQ(m.selectors.AltitudeVariant, 0);
    EXPECT_EQ(m.selectors.CylinderVariant, 0);
  }
  for (char stored : {'c', 'm'}) {
    model::Model m;
    m.ExpertMode = 0;
    m.DialKind = stored;
    ScriptedUi ui;
    KindDialogModel d(m, ui);
    d.Open();
    EXPECT_EQ(m.DialKind, 'h');
    EXPECT_EQ(d.selected_entry(), 0);
  }
}

TEST(KindDialog, VerticalAndHorizontalChoices) {
  model::Model m;
  ScriptedUi ui;
  KindDialogModel d(m, ui);
  d.Open();
  d.SelectEntry(1);
  EXPECT_EQ(m.parameters.Inclination, 90);
  EXPECT_EQ(d.Text(KField::kInclination), "90.00");
  d.SelectEntry(0);
  ASSERT_TRUE(d.Close()) << (ui.shown.empty() ? "" : ui.shown[0].text);
  EXPECT_EQ(m.parameters.WallDeclination, 0);
  EXPECT_EQ(m.parameters.Inclination, 0);
  EXPECT_TRUE(m.ParametersValid);
}

TEST(KindDialog, WallAndInclinationLimits) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  KindDialogModel d(m, ui);
  d.Open();
  d.Edit(KField::kWallDeclination, "181");
  EXPECT_FALSE(d.Close());
  EXPECT_TRUE(d.beep);
  EXPECT_FALSE(m.ParametersValid);
  EXPECT_EQ(d.Text(KField::kWallDeclination), "");  // the field is cleared
  d.Edit(KField::kWallDeclination, "20");
  d.Edit(KField::kInclination, "176");
  EXPECT_FALSE(d.Close());
  EXPECT_NE(ui.shown.back().text.find("horizontal sundial"), std::string::npos);
  d.Edit(KField::kInclination, "0");
  EXPECT_FALSE(d.LeaveInclination());
}

TEST(KindDialog, HabermelDiameterGivesTheGnomon) {
  model::Model m;
  m.DialKind = 'q';
  m.selectors.AltitudeVariant = 2;
  ScriptedUi ui;
  KindDialogModel d(m, ui);
  d.Open();
  d.Edit(KField::kHabermelDiameter, "150");
  ASSERT_TRUE(d.Close());
  // Inverse of D = tan(90 - |phi| + eps) 2h + 15, round trip.
  EXPECT_NEAR(HabermelDiameterFromGnomon(m.parameters.HabermelGnomon, 2,
                                         m.parameters.Latitude, 23.44),
              150, 1e-9);
  d.Edit(KField::kHabermelDiameter, "201");
  EXPECT_FALSE(d.Close());
  EXPECT_NE(ui.shown.back().text.find("200 mm"), std::string::npos);
}

TEST(HabermelFormulas, InverseOfEachOtherInBothHemispheres) {
  for (int variant : {1, 2})
    for (double phi : {47.25, -33.9, 60.0}) {
      const double d = HabermelDiameterFromGnomon(20, variant, phi, 23.44);
      EXPECT_NEAR(HabermelGnomonFromDiameter(d, variant, phi, 23.44), 20, 1e-9)
          << variant << " " << phi;
    }
  // Variant 2 at 47.25: tan(66.19) 2 h + 15 by hand.
  EXPECT_NEAR(HabermelDiameterFromGnomon(10, 2, 47.25, 23.44),
              std::tan(66.19 * astro::kRadPerDeg) * 20 + 15, 1e-9);
}

TEST(ParameterDialog, PageRulesAndRanges) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  ASSERT_EQ(d.page(), model::ParameterPage::kPlanar);
  for (const char* hour : {"0", "24"}) {
    d.Edit(ParamField::kAnalemmaHour, hour);
    EXPECT_FALSE(d.Leave(ParamField::kAnalemmaHour));
    EXPECT_NE(ui.shown.back().text.find("[1..23]"), std::string::npos);
  }
  d.Edit(ParamField::kAnalemmaHour, "12");
  d.Edit(ParamField::kGnomonHeight, "12,5");
  EXPECT_TRUE(d.Close());
  EXPECT_EQ(m.parameters.GnomonHeight, 12.5);
  EXPECT_EQ(m.values.AnalemmaHour, 12);
  d.Edit(ParamField::kGnomonHeight, "1e3");  // reads as 13
  EXPECT_TRUE(d.Close());
  EXPECT_EQ(m.parameters.GnomonHeight, 13);
  d.Edit(ParamField::kGnomonHeight, "500");
  EXPECT_FALSE(d.Close());
  EXPECT_EQ(ui.shown.back().caption, Caption::kError);
  EXPECT_EQ(ui.shown.back().text, "Please correct error in input !");
  EXPECT_FALSE(m.ParametersValid);
}

TEST(ParameterDialog, SawyerLatitudeFloorAndConeAxis) {
  model::Model m;
  m.DialKind = 'w';
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  for (double lat : {0.001, -0.002}) {
    d.Edit(ParamField::kLatitude, std::to_string(lat));
    ASSERT_TRUE(d.Leave(ParamField::kLatitude));
    EXPECT_EQ(m.parameters.Latitude, astro::Sign(lat) * 0.0049);
  }
  d.Edit(ParamField::kLatitude, "0");
  ASSERT_TRUE(d.Leave(ParamField::kLatitude));
  EXPECT_EQ(m.parameters.Latitude, 0);

  model::Model c;
  c.DialKind = 'm';
  ParameterDialogModel cone(c, ui);
  cone.Open();
  cone.Edit(ParamField::kConeAxisInclination, "-30");
  ASSERT_TRUE(cone.Leave(ParamField::kConeAxisInclination));
  EXPECT_EQ(c.parameters.ConeAxisInclination, 150);
}

TEST(ParameterDialog, UmbrellaDiskAndInclination) {
  struct {
    const char* percent;
    const char* inclination;
    bool ok;
    const char* why;
  } const cases[] = {
      {"50", "70", false, "tan 70 = 2.75 >= 1/0.5"},
      {"50", "60", true, "tan 60 = 1.73 < 2"},
      {"0", "10", false, "a zero disk is refused"},
      {"-20", "95", false, "from 90 degrees nothing would be drawn"},
  };
  for (const auto& c : cases) {
    model::Model m;
    m.DialKind = 'i';
    m.selectors.UmbrellaFlag = 1;
    ScriptedUi ui;
    ParameterDialogModel d(m, ui);
    d.Open();
    ASSERT_EQ(d.page(), model::ParameterPage::kUmbrella);
    d.Edit(ParamField::kUmbrellaDiskPercent, c.percent);
    d.Edit(ParamField::kUmbrellaInclination, c.inclination);
    EXPECT_EQ(d.Close(), c.ok) << c.why;
  }
}

TEST(ParameterDialog, HabermelGnomonTooLongKeepsTheDiameter) {
  model::Model m;
  m.DialKind = 'q';
  m.selectors.AltitudeVariant = 2;
  m.parameters.HabermelDiameter = 120;
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  d.Edit(ParamField::kHabermelGnomon, "95");  // 95 tan(66.19) 2 + 15 > 200
  EXPECT_TRUE(d.Leave(ParamField::kHabermelGnomon));
  EXPECT_EQ(m.parameters.HabermelDiameter, 120);
  EXPECT_EQ(ui.shown.back().caption, Caption::kWarning);
  d.Edit(ParamField::kHabermelGnomon, "20");
  EXPECT_TRUE(d.Leave(ParamField::kHabermelGnomon));
  EXPECT_NEAR(m.parameters.HabermelDiameter,
              HabermelDiameterFromGnomon(20, 2, m.parameters.Latitude, 23.44),
              1e-9);
}

TEST(ParameterDialog, ShepherdGnomonSetsTheLongestShadow) {
  model::Model m;
  m.DialKind = 'z';
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  d.Edit(ParamField::kShepherdGnomon, "70");
  ASSERT_TRUE(d.Leave(ParamField::kShepherdGnomon));
  // 70 tan(90 - 47.251315 + 23.44) = 158.5 -> 158 or 159 by rounding.
  EXPECT_EQ(m.values.MaxShadowLength,
            std::nearbyint(
                70 * std::tan((90 - 47.251315 + 23.44) * astro::kRadPerDeg)));
  EXPECT_EQ(d.texts[ParamField::kMaxShadowLength],
            std::to_string(m.values.MaxShadowLength));
}

TEST(ParameterDialog, RingChoiceSetsBandAndOffsetRange) {
  model::Model m;
  m.DialKind = 'r';
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  d.SetRingHourChoice(1);
  EXPECT_EQ(m.options.HourTimeKind, 2);
  EXPECT_FALSE(m.options.OneHourLineBand);
  d.Edit(ParamField::kRingHoleOffset, "-5");
  EXPECT_FALSE(d.Leave(ParamField::kRingHoleOffset));
  d.SetRingHourChoice(0);
  EXPECT_EQ(m.options.HourTimeKind, 0);
  EXPECT_TRUE(m.options.OneHourLineBand);
  EXPECT_TRUE(d.Leave(ParamField::kRingHoleOffset));
  EXPECT_EQ(m.values.RingHoleOffset, -5);
  // A single ring-width field takes at most 190, the page 300.
  d.Edit(ParamField::kRingWidth, "250");
  EXPECT_FALSE(d.Leave(ParamField::kRingWidth));
  EXPECT_TRUE(d.Close());
  EXPECT_EQ(m.parameters.RingWidth, 250);
}

TEST(DeclinationLineDates, ModesLabelsAndJulianDayCounts) {
  model::Model m;
  ScriptedUi ui;
  auto dates = dials::DeclinationLineDates(m, ui);
  ASSERT_EQ(dates.size(), 7u);
  EXPECT_EQ(dates[0].label, "21.6.");
  EXPECT_EQ(dates[6].label, "22.12.");
  EXPECT_EQ(dates[0].day_count, 173);  // 2020 is a leap year

  m.options.DateLineMode = '1';
  dates = dials::DeclinationLineDates(m, ui);
  ASSERT_EQ(dates.size(), 13u);
  EXPECT_EQ(dates[1].label, " 7.7.");
  EXPECT_EQ(dates[12].label, "22.12.");

  // In 1500 (Julian, leap year) 21 June is day 173, where the Gregorian
  // day-of-year rule would give 172.
  m.options.DateLineMode = '2';
  m.parameters.Year = 1500;
  m.DateLineList = {"21/06    ( Sommer )", "3x/02", "01/03"};
  dates = dials::DeclinationLineDates(m, ui);
  ASSERT_EQ(dates.size(), 2u);
  EXPECT_EQ(dates[0].label, "21.06.");
  EXPECT_EQ(dates[0].day_count, 173);
  EXPECT_EQ(dates[1].day_count, 61);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "3x/02 : Fehler im Datum!");

  m.DateLineList.clear();
  dates = dials::DeclinationLineDates(m, ui);
  ASSERT_EQ(dates.size(), 3u);
  EXPECT_EQ(dates[2].label, "21.12.");

  m.options.DateLineMode = '3';
  EXPECT_TRUE(dials::DeclinationLineDates(m, ui).empty());
  EXPECT_EQ(DateLineModeOfListIndex(4), '2');
}

TEST(SawyerTimeMode, SetsItsFourOptions) {
  struct {
    int mode;
    bool straight, curved, eot;
    int time_kind;
  } const cases[] = {{0, false, false, false, 0},
                     {1, false, false, false, 1},
                     {2, false, true, true, 0},
                     {3, true, false, true, 0}};
  for (const auto& c : cases) {
    model::Model m;
    m.options.HourTimeKind = 1;
    m.options.ConstructWithEoT = true;
    SetSawyerTimeMode(m, c.mode);
    EXPECT_EQ(m.options.SawyerStraightMeanLines, c.straight) << c.mode;
    EXPECT_EQ(m.options.SawyerCurvedMeanLines, c.curved) << c.mode;
    EXPECT_EQ(m.options.ConstructWithEoT, c.eot) << c.mode;
    EXPECT_EQ(m.options.HourTimeKind, c.time_kind) << c.mode;
    EXPECT_EQ(m.parameters.SawyerTimeMode, c.mode);
  }
}

TEST(KindDialog, FieldsGnomonAndHelpByKind) {
  struct {
    int entry;
    int cylinder_variant;
    std::vector<KField> extra;  // after wall declination and inclination
    ParamField gnomon;
    int help;
  } const cases[] = {
      {0, 0, {KField::kGnomon}, ParamField::kGnomonHeight, 10},
      {3, 0, {KField::kGnomon}, ParamField::kUmbrellaRod, 12},
      {5, 0, {}, ParamField::kGnomonHeight, 18},
      {6,
       0,
       {KField::kGnomon, KField::kScale},
       ParamField::kShepherdGnomon,
       17},
      {6,
       2,
       {KField::kGnomon, KField::kCylinderRadius},
       ParamField::kCylinderGnomon,
       17},
      {7, 0, {KField::kGnomon}, ParamField::kHidokeiGnomon, 19},
      {12, 0, {KField::kGnomon}, ParamField::kSawyerGnomon, 57},
  };
  for (const auto& c : cases) {
    model::Model m;
    ScriptedUi ui;
    KindDialogModel d(m, ui);
    d.Open();
    d.SelectEntry(c.entry);
    d.SelectCylinderVariant(c.cylinder_variant);
    std::vector<KField> want = {KField::kWallDeclination, KField::kInclination};
    want.insert(want.end(), c.extra.begin(), c.extra.end());
    EXPECT_EQ(d.VisibleFields(), want) << c.entry;
    EXPECT_EQ(d.GnomonField(), c.gnomon) << c.entry;
    EXPECT_EQ(d.HelpContext(), c.help) << c.entry;
  }
}

TEST(KindDialog, CancelRestoresKindAndValues) {
  model::Model m;
  ScriptedUi ui;
  KindDialogModel d(m, ui);
  d.Open();
  d.SelectEntry(3);
  d.SelectUmbrellaPlane(1);
  d.Edit(KField::kGnomon, "20");
  ASSERT_TRUE(d.Close());
  ASSERT_EQ(m.parameters.GnomonHeight, 20);
  d.Cancel();
  EXPECT_EQ(m.DialKind, 'v');
  EXPECT_EQ(m.selectors.UmbrellaFlag, 0);
  EXPECT_EQ(m.parameters.GnomonHeight, 35);
}

}  // namespace
}  // namespace lumtar::app
