#include "astro/field_readers.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"

namespace lumtar::astro {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Caption;
using platform::ScriptedUi;
using texts::Language;

TEST(ReadRealField, FilterAcceptsCommaAndDropsOtherCharacters) {
  struct {
    const char* text;
    double value;
  } const cases[] = {
      {"47,5\xC2\xB0", 47.5},  // "47,5°": comma and degree sign
      {"1e3", 13},             // the letter is dropped
      {" -9.59 ", -9.59},
      {"+15", 15},
      {"N 47.25", 47.25},
      {".5", 0.5},
  };
  for (const auto& c : cases) {
    ScriptedUi ui;
    const auto r =
        ReadRealField(c.text, 1, "Latitude", 90, -90, ui, Language::kEnglish);
    EXPECT_FALSE(r.failed) << c.text;
    EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
    EXPECT_TRUE(ui.shown.empty()) << c.text;
  }
}

TEST(ReadRealField, SyntaxErrorKeepsStoredValueAndRewritesField) {
  for (const char* text : {"", "abc", "1.2.3", "+-4", "--"}) {
    ScriptedUi ui;
    const auto r =
        ReadRealField(text, 12.5, "Latitude", 90, -90, ui, Language::kEnglish);
    EXPECT_TRUE(r.failed) << text;
    EXPECT_EQ(r.value, 12.5) << text;
    EXPECT_EQ(r.rewrite.value_or("?"), "   12.50") << text;
    EXPECT_TRUE(r.take_focus);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].caption, Caption::kProblem);
    EXPECT_EQ(ui.shown[0].text, "This is not a real number !");
  }
}

TEST(ReadRealField, OutOfRangeIsRefusedWithIntervalMessage) {
  ScriptedUi ui;
  const auto r =
      ReadRealField("95,5", 47.25, "Latitude", 90, -90, ui, Language::kEnglish);
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(r.value, 47.25);  // a refused value never lands in the model
  EXPECT_FALSE(r.rewrite.has_value());
  EXPECT_TRUE(r.take_focus);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Latitude=95.5\r\n Value has to be within Interval [  -90.00, ...,"
            "   90.0] !");
}

TEST(ReadIntField, EmptyRefillsValidStoresInvalidKeeps) {
  ScriptedUi ui;
  auto r = ReadIntField("", 1300, 2500, "Year", 2020, ui, Language::kEnglish);
  EXPECT_FALSE(r.failed);
  EXPECT_EQ(r.value, 2020);
  EXPECT_EQ(r.rewrite.value_or(""), "2020");

  r = ReadIntField("1582", 1300, 2500, "Year", 2020, ui, Language::kEnglish);
  EXPECT_FALSE(r.failed);
  EXPECT_EQ(r.value, 1582);
  EXPECT_TRUE(ui.shown.empty());

  for (const char* text : {"1299", "2501", "20x0", "99999999999"}) {
    ScriptedUi bad;
    bad.answers = {Answer::kCancel};
    r = ReadIntField(text, 1300, 2500, "Year", 2020, bad, Language::kEnglish);
    EXPECT_TRUE(r.failed) << text;
    EXPECT_EQ(r.value, 2020) << text;
    EXPECT_TRUE(r.take_focus);
    ASSERT_EQ(bad.shown.size(), 1u);
    EXPECT_EQ(bad.shown[0].buttons, Buttons::kOkCancel);
    EXPECT_EQ(bad.shown[0].text, std::string("Year=") + text +
                                     " Value has to be within Interval "
                                     "[1300..2500] !");
  }
}

TEST(ReadIntFieldRetry, YesReturnsToFieldNoAcceptsStoredValue) {
  ScriptedUi ui;
  ui.answers = {Answer::kYes, Answer::kNo};
  auto r = ReadIntFieldRetry("77", 0, 59, "Minutes", 30, ui, Language::kGerman);
  EXPECT_TRUE(r.failed);
  EXPECT_TRUE(r.take_focus);
  EXPECT_EQ(r.value, 30);
  r = ReadIntFieldRetry("77", 0, 59, "Minutes", 30, ui, Language::kGerman);
  EXPECT_FALSE(r.failed);
  EXPECT_EQ(r.value, 30);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].buttons, Buttons::kYesNo);
  const std::string& t = ui.shown[0].text;
  EXPECT_EQ(t.substr(t.size() - 28), "] !\r\n     Nochmals eingeben?");
}

}  // namespace
}  // namespace lumtar::astro
