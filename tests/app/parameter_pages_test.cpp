#include "app/parameter_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/parameter_dialog.h"
#include "app/parameter_fields.h"
#include "platform/scripted_ui.h"
#include "texts/text_table.h"

namespace lumtar::app {
namespace {

using P = model::ParameterPage;
using platform::ScriptedUi;

constexpr P kPages[] = {
    P::kPlanar,  P::kUmbrella, P::kAltitude, P::kAzimuthal,  P::kCylinder,
    P::kHidokei, P::kRing,     P::kSawyer,   P::kCompressed, P::kMeanTime};

// Every text a page shows exists in German and in English.
TEST(ParameterPages, EveryTextOfEveryPageExistsInBothLanguages) {
  std::set<int> ids;
  for (std::uint8_t expert : {0, 1}) {
    model::Model m;
    m.ExpertMode = expert;
    for (P page : kPages) {
      const PageLayout l = LayoutOfPage(page, m);
      for (PageToggle t : l.toggles) ids.insert(ToggleLabelId(t));
      for (PageChoice c : l.choices) {
        const ChoiceTexts t = ChoiceTextsOf(c);
        ids.insert(t.title_id);
        ids.insert(t.item_ids.begin(), t.item_ids.end());
        EXPECT_FALSE(t.item_ids.empty());
      }
      for (HourRange r : l.ranges) {
        const HourRangeSpec s = RangeSpecOf(r);
        ids.insert(s.title_id);
        ids.insert(s.interval_ids.begin(), s.interval_ids.end());
      }
      if (l.caption_id) ids.insert(l.caption_id);
      for (std::uint8_t variant : {0, 1, 2}) {
        model::DialSelectors s;
        s.AltitudeVariant = s.CylinderVariant = variant;
        for (ParamField f : FieldsOfPage(page, 'h', s))
          ids.insert(SpecOf(f).label_id);
      }
    }
  }
  for (int id : ids) {
    EXPECT_TRUE(texts::FindString(id).has_value()) << id;
    EXPECT_TRUE(texts::FindString(id + texts::kEnglishTextOffset).has_value())
        << id;
  }
}

TEST(ParameterPages, EveryToggleReadsBackWhatItSet) {
  for (int k = 0; k <= static_cast<int>(PageToggle::kTemporalInsteadOfClock);
       ++k) {
    const auto t = static_cast<PageToggle>(k);
    for (bool on : {true, false, true}) {
      model::Model m;
      SetToggle(m, t, on);
      EXPECT_EQ(ToggleValue(m, t), on) << k;
    }
  }
  model::Model m;
  SetToggle(m, PageToggle::kZoneTime, true);
  EXPECT_EQ(m.options.HourTimeKind, 1);
  SetToggle(m, PageToggle::kTemporalInsteadOfClock, true);
  EXPECT_EQ(m.options.HourTimeKind, 2);
  EXPECT_FALSE(ToggleValue(m, PageToggle::kZoneTime));
}

TEST(ParameterPages, ChoicesSetTheirOptions) {
  model::Model m;
  SetChoice(m, PageChoice::kDateLineMode, 2);
  EXPECT_EQ(m.options.DateLineMode, '2');
  SetChoice(m, PageChoice::kPlanarTime, 1);
  EXPECT_FALSE(m.options.ApparentAtSite);
  SetChoice(m, PageChoice::kSawyerTimeMode, 1);
  EXPECT_EQ(m.parameters.SawyerTimeMode, 1);
  EXPECT_EQ(m.options.HourTimeKind, 1);  // mode 1 sets zone time only
  SetChoice(m, PageChoice::kConePlane, 2);
  EXPECT_EQ(ChoiceValue(m, PageChoice::kConePlane), 2);
  m.options.ConePlane = 7;  // stored planes count modulo 3
  EXPECT_EQ(ChoiceValue(m, PageChoice::kConePlane), 1);
  SetChoice(m, PageChoice::kRingHours, 1);
  EXPECT_EQ(ChoiceValue(m, PageChoice::kRingHours), 1);
  SetChoice(m, PageChoice::kRingHours, 0);
  EXPECT_TRUE(m.options.OneHourLineBand);
  // An index beyond the list changes nothing.
  SetChoice(m, PageChoice::kLightMark, 3);
  EXPECT_EQ(m.options.LightOffsetCorrection, 0);
}

TEST(ParameterPages, HourRangesAndTheOneIntervalTable) {
  model::Model m;
  // The hour-line intervals 60, 30, 20, 15, 10 min are list indexes 0..4;
  // a stored legacy digit 5 or 6 means 10 min.
  for (char digit : {'5', '6'}) {
    m.options.MeanHourSubdivisions = digit;
    EXPECT_EQ(RangeValue(m, HourRange::kMean).interval, 4) << digit;
  }
  SetRangeInterval(m, HourRange::kMean, 4);
  EXPECT_EQ(m.options.MeanHourSubdivisions, '4');
  SetRangeInterval(m, HourRange::kBabylonian, 3);
  EXPECT_EQ(m.times.BabylonianSubdivisions, 3);
  SetRangeFrom(m, HourRange::kTemporal, 20);  // temporal hours end at 12
  EXPECT_EQ(m.times.TemporalHoursFrom, 12);
  SetRangeTo(m, HourRange::kAltitude, 80);
  EXPECT_EQ(RangeValue(m, HourRange::kAltitude).to, 80);
  EXPECT_EQ(RangeSpecOf(HourRange::kAltitude).step, 10);
}

TEST(ParameterPages, ExpertModeDecidesTheCylinderHourSystems) {
  for (std::uint8_t expert : {0, 1}) {
    model::Model m;
    m.ExpertMode = expert;
    const PageLayout l = LayoutOfPage(P::kCylinder, m);
    bool babylonian = false;
    for (PageToggle t : l.toggles)
      babylonian = babylonian || t == PageToggle::kShowBabylonianHours;
    EXPECT_EQ(babylonian, expert == 1);
    EXPECT_EQ(LayoutOfPage(P::kAltitude, m).caption_id != 0, expert == 0);
  }
}

TEST(ParameterPages, DateLineTextDropsBlankLines) {
  model::Model m;
  SetDateLineText(m, "01/05  ( 1. Mai )\r\n\n   \n24/12");
  EXPECT_EQ(m.DateLineList,
            (std::vector<std::string>{"01/05  ( 1. Mai )", "24/12"}));
  EXPECT_EQ(DateLineText(m), "01/05  ( 1. Mai )\n24/12");
}

TEST(ParameterDialog, CancelPutsBackValuesOptionsAndDates) {
  model::Model m;
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  d.Edit(ParamField::kGnomonHeight, "60");
  ASSERT_TRUE(d.Leave(ParamField::kGnomonHeight));
  SetToggle(m, PageToggle::kShowItalianHours, true);
  SetDateLineText(m, "");
  d.Cancel();
  EXPECT_EQ(m.parameters.GnomonHeight, 35);
  EXPECT_FALSE(m.options.ShowItalianHours);
  EXPECT_EQ(m.DateLineList, model::kDefaultDateLines);
}

// D = tan(90 - |phi| + eps) * 2h + 15 for the second Habermel dial.
TEST(ParameterDialog, HabermelPageOpensWithItsResultingDiameter) {
  model::Model m;
  m.DialKind = 'q';
  m.selectors.AltitudeVariant = 2;
  m.parameters.HabermelGnomon = 10;
  m.parameters.Latitude = -50;
  ScriptedUi ui;
  ParameterDialogModel d(m, ui);
  d.Open();
  const double pi = std::acos(-1.0);
  const double expected =
      std::tan((90 - 50 + m.values.Obliquity) * pi / 180) * 20 + 15;
  EXPECT_NEAR(std::stod(d.resulting_diameter), expected, 0.05);
}

}  // namespace
}  // namespace lumtar::app
