#include "app/site_dialog.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"

namespace lumtar::app {
namespace {

using Field = SiteDialogModel::Field;
using platform::Answer;
using platform::Caption;
using platform::ScriptedUi;

TEST(ToSexagesimal, ExamplesAndCarry) {
  struct {
    double x;
    int d, m, s;
  } const cases[] = {
      {47.251315, 47, 15, 5}, {-9.590825, 9, 35, 27},
      {10.99999, 11, 0, 0},  // 59.964 s round to 60 and carry twice
      {0.0166666, 0, 1, 0},  // 59.99976 s carry into the minute
      {0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const Sexagesimal s = ToSexagesimal(c.x);
    EXPECT_EQ(s.degrees, c.d) << c.x;
    EXPECT_EQ(s.minutes, c.m) << c.x;
    EXPECT_EQ(s.seconds, c.s) << c.x;
  }
}

TEST(SiteDialog, OpensWithBothFormsAndHemispheres) {
  model::Model m;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  EXPECT_EQ(d.latitude, " 47.251315");
  EXPECT_EQ(d.longitude, "  -9.590825");
  EXPECT_EQ(d.lat.degrees + " " + d.lat.minutes + " " + d.lat.seconds,
            "47 15 5");
  EXPECT_EQ(d.lat.hemisphere, 0);  // Nord
  EXPECT_EQ(d.lon.degrees + " " + d.lon.minutes + " " + d.lon.seconds,
            "9 35 27");
  EXPECT_EQ(d.lon.hemisphere, 0);  // Ost: east is negative
}

TEST(SiteDialog, SexagesimalOpenAndCloseChangesNothing) {
  model::Model m;
  m.DecimalSiteInput = false;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  ASSERT_TRUE(d.Close());
  EXPECT_EQ(m.parameters.Latitude, 47.251315);  // not 47 15' 5''
  EXPECT_EQ(m.parameters.Longitude, -9.590825);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(SiteDialog, SexagesimalZeroLatitudeKeepsItsSide) {
  for (int hemisphere : {0, 1}) {
    model::Model m;
    m.DecimalSiteInput = false;
    ScriptedUi ui;
    SiteDialogModel d(m, ui);
    d.Open();
    d.Edit(Field::kLatDegrees, "0");
    d.Edit(Field::kLatMinutes, "0");
    d.Edit(Field::kLatSeconds, "0");
    d.SetHemisphere(Field::kLatDegrees, hemisphere);
    ASSERT_TRUE(d.Close());
    EXPECT_EQ(m.parameters.Latitude, hemisphere == 0 ? 0.000001 : -0.000001);
  }
}

TEST(SiteDialog, SexagesimalEditsSetSignsByHemisphere) {
  model::Model m;
  m.DecimalSiteInput = false;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  d.Edit(Field::kLonDegrees, "74");
  d.Edit(Field::kLonMinutes, "0");
  d.Edit(Field::kLonSeconds, "36");
  d.SetHemisphere(Field::kLonDegrees, 1);  // West: positive
  d.Edit(Field::kZoneDegrees, "75");
  d.SetHemisphere(Field::kZoneDegrees, 1);
  ASSERT_TRUE(d.Close()) << (ui.shown.empty() ? "" : ui.shown[0].text);
  EXPECT_DOUBLE_EQ(m.parameters.Longitude, 74.01);
  EXPECT_DOUBLE_EQ(m.parameters.ZoneMeridian, 75);
  EXPECT_EQ(d.longitude, "  74.010000");  // decimal fields rewritten
}

TEST(SiteDialog, ZoneQuestionOnlyWhenClosing) {
  model::Model m;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  d.Edit(Field::kLongitude, "1.0");  // zone meridian -15: 16 degrees apart
  EXPECT_TRUE(d.LeaveField(Field::kLongitude));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(m.ZoneWarningPending);

  ui.answers = {Answer::kNo};
  EXPECT_FALSE(d.Close());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kWarning);
  EXPECT_EQ(d.focus, Field::kZoneMeridian);
  EXPECT_FALSE(m.DialogsValid);

  ui.answers = {Answer::kYes};
  EXPECT_TRUE(d.Close());
  EXPECT_TRUE(m.DialogsValid);
  EXPECT_EQ(m.parameters.Longitude, 1.0);
}

TEST(SiteDialog, YearOutsideTheRangeIsRefused) {
  for (const char* year : {"1299", "2501"}) {
    model::Model m;
    ScriptedUi ui;
    SiteDialogModel d(m, ui);
    d.Open();
    d.Edit(Field::kYear, year);
    EXPECT_FALSE(d.Close());
    EXPECT_EQ(m.parameters.Year, 2020);
    EXPECT_EQ(d.focus, Field::kYear);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(ui.shown[0].text.find("[1300..2500]"), std::string::npos);
  }
}

TEST(SiteDialog, BadDecimalLatitudeKeepsTheValue) {
  model::Model m;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  d.Edit(Field::kLatitude, "91");
  EXPECT_FALSE(d.Close());
  EXPECT_EQ(m.parameters.Latitude, 47.251315);
  EXPECT_EQ(d.focus, Field::kLatitude);
}

TEST(SiteDialog, KeysAndEnterByField) {
  struct {
    Field field;
    const char* taken;
    const char* refused;
    bool enter_to_year;
  } const cases[] = {
      {Field::kLatitude, "0123456789-.", "+,e ", true},
      {Field::kZoneMeridian, "-.7", ",", true},
      {Field::kLatSeconds, "0123456789", "-.,", false},
      {Field::kYear, "2020", "-.", false},
  };
  for (const auto& c : cases) {
    for (const char* k = c.taken; *k; ++k)
      EXPECT_TRUE(SiteDialogModel::AcceptsCharacter(c.field, *k)) << *k;
    for (const char* k = c.refused; *k; ++k)
      EXPECT_FALSE(SiteDialogModel::AcceptsCharacter(c.field, *k)) << *k;
    EXPECT_EQ(SiteDialogModel::EnterTarget(c.field).has_value(),
              c.enter_to_year);
  }
}

TEST(SiteDialog, MessagesNameTheFieldByItsLabel) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  EXPECT_EQ(d.FieldName(Field::kZoneMeridian), "Zone meridian");
  EXPECT_EQ(d.FieldName(Field::kLonMinutes), "Minutes");
  m.Language = texts::Language::kGerman;
  EXPECT_EQ(d.FieldName(Field::kLatitude), "Breite");
  EXPECT_EQ(d.FieldName(Field::kZoneSeconds), "Winkelsekunden");
  d.Edit(Field::kLongitude, "200");
  EXPECT_FALSE(d.Close());
  EXPECT_EQ(ui.shown.back().text.substr(0, 7), "L\xC3\xA4nge=");
}

TEST(SiteDialog, CancelRestoresTheOpenedSite) {
  model::Model m;
  ScriptedUi ui;
  SiteDialogModel d(m, ui);
  d.Open();
  d.Edit(Field::kLatitude, "12");
  d.Edit(Field::kYear, "1800");
  ASSERT_TRUE(d.LeaveField(Field::kYear));
  ASSERT_EQ(m.parameters.Latitude, 12);
  d.SetDecimalMode(false);
  d.Cancel();
  EXPECT_EQ(m.parameters.Latitude, 47.251315);
  EXPECT_EQ(m.parameters.Year, 2020);
  EXPECT_TRUE(m.DecimalSiteInput);
}

}  // namespace
}  // namespace lumtar::app
