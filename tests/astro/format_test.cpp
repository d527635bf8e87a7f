#include "astro/format.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"

namespace lumtar::astro {
namespace {

using platform::Caption;
using platform::ScriptedUi;

struct EotCase {
  double minutes;  // 4 x degrees
  const char* text;
  const char* why;
};
const EotCase kEotCases[] = {
    {16.41, " 16:25", "example: one blank"},
    {-0.5, " -0:30", "example: sign of a value below one minute"},
    {-3.02, " -3:01", "example: minutes carry the sign"},
    {-0.004, "  0:00", "example: below the sign threshold, no sign"},
    {-0.998, " -1:00", "example: carry to a full minute, one minus only"},
    {0.999, "  1:00", "carry upward"},
    {-1.999, " -2:00", "carry from -1 to -2 minutes"},
    {14.25, " 14:15", "quarter minute"},
    {-14.25, "-14:15", "six characters need no blank"},
    {0, "  0:00", "zero"},
};

TEST(FormatEotMinSec, Examples) {
  for (const auto& c : kEotCases)
    EXPECT_EQ(FormatEotMinSec(c.minutes / 4), c.text) << c.why;
}

TEST(FormatEotMinSec, HoursOverFourReadAsHoursMinutes) {
  // The sunshine period texts pass hours/4: 7.5 h reads 7:30.
  EXPECT_EQ(FormatEotMinSec(7.5 / 4), "  7:30");
  EXPECT_EQ(FormatEotMinSec(16.75 / 4), " 16:45");
}

TEST(FormatFixed, RoundingWidthAndSign) {
  struct {
    int w, d;
    double x;
    const char* text;
  } const cases[] = {
      {8, 2, 47.25, "   47.25"}, {7, 3, -9.59, " -9.590"},
      {0, 0, 2.5, "3"},          {5, 1, 0.25, "  0.3"},  // ties away from zero
      {6, 2, -0.001, "  0.00"},  {3, 0, 14, " 14"},
      {2, 1, 123.456, "123.5"},  {9, 2, -179.995, "  -180.00"},
      {1, 0, 1e6, "1000000"},    {7, 1, 2500, " 2500.0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFixed(c.w, c.d, c.x), c.text) << c.x;
}

TEST(FormatFixed, WidthBelowDecimalsIsRefused) {
  ScriptedUi ui;
  EXPECT_EQ(FormatFixed(2, 3, 1.5, &ui, texts::Language::kGerman), "");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kProblem);
  EXPECT_EQ(ui.shown[0].text, "Fehler bei Umwandlung in String!");
}

TEST(FormatHoursMinutes, RoundsToTheMinute) {
  EXPECT_EQ(FormatHoursMinutes(6 + 5 / 60.0), "  6:05");
  EXPECT_EQ(FormatHoursMinutes(23.9999), " 24:00");
  EXPECT_EQ(FormatHoursMinutes(12.5 + 29.4 / 3600), " 12:30");
  EXPECT_EQ(FormatHoursMinutes(12.5 + 31 / 3600.0), " 12:31");
  EXPECT_EQ(FormatHoursMinutes(0), "  0:00");
}

TEST(FormatClockSeconds, SecondsCarryIntoTheHour) {
  EXPECT_EQ(FormatClockSeconds(14 + 5 / 60.0 + 30 / 3600.0), " 14:05:30");
  EXPECT_EQ(FormatClockSeconds(13.99999), " 14:00:00");  // never 13:60:00
  EXPECT_EQ(FormatClockSeconds(9 + 59.9999 / 60), " 10:00:00");
  EXPECT_EQ(FormatClockSeconds(0.5), "  0:30:00");
}

TEST(FormatSmallTexts, SecondsIntegersAccelerators) {
  EXPECT_EQ(FormatSecondsMinSec(-75), "-1:15");
  EXPECT_EQ(FormatSecondsMinSec(5), "0:05");
  EXPECT_EQ(FormatSecondsMinSec(985), "16:25");
  EXPECT_EQ(PadLeft(7, 3), "  7");
  EXPECT_EQ(PadLeft(-1234, 3), "-1234");
  EXPECT_EQ(FormatRoundedInteger(2.5), "2");  // ties to even
  EXPECT_EQ(FormatRoundedInteger(3.5), "4");
  EXPECT_EQ(FormatRoundedInteger(-1e12), "-217000000");
  EXPECT_EQ(StripAccelerators("&Latitude:"), "Latitude");
  EXPECT_EQ(TransliterateUmlauts("Höhe Äquator Übung süß"),
            "Hoehe Aequator Uebung sue\xC3\x9F");  // sharp s stays
}

}  // namespace
}  // namespace lumtar::astro
