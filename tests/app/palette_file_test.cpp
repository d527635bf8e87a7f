#include "app/palette_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ansi_text_file.h"
#include "app/settings_file.h"
#include "test_support.h"

namespace lumtar::app {
namespace {

using platform::Caption;
using testing::ReadBytes;
using testing::TempFolder;
using ScriptedUi = testing::QuestionUi;

// A settings file of the built-in model in English, written as the program
// writes it; returns its lines.
std::vector<std::string> WriteEnglishSettings(
    const std::filesystem::path& file) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  auto lines = WriteSettingsLines(m, ui);
  EXPECT_TRUE(WriteWindows1252Lines(file, lines));
  return lines;
}

model::Model English() {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  return m;
}

// Twelve colours that differ from the defaults and from each other, the
// largest colour value among them.
model::ColorTable OtherColours() {
  model::ColorTable c{};
  for (int i = 0; i < 12; ++i)
    c[i] = 0x010203u * static_cast<std::uint32_t>(i + 1) + 7;
  c[11] = 0xFFFFFF;
  return c;
}

TEST(PaletteFile, SaveThenLoadRestoresEveryColourAndTheLineWidth) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  const auto before = WriteEnglishSettings(file);
  for (int width : {3, 2, 1}) {
    model::Model saved = English();
    saved.Colors = OtherColours();
    saved.LineWidth = width;
    ScriptedUi ui;
    ASSERT_EQ(SavePalette(saved, file, ui), PaletteFileStatus::kSaved);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].caption, Caption::kInformation);
    EXPECT_EQ(ui.shown[0].text, "Colors saved in INI-File lum.ini!");

    model::Model loaded = English();
    loaded.LineWidth = width == 1 ? 2 : 1;
    ScriptedUi quiet;
    EXPECT_EQ(LoadPalette(loaded, file, quiet), PaletteFileStatus::kLoaded);
    EXPECT_TRUE(quiet.shown.empty());
    EXPECT_EQ(loaded.Colors, saved.Colors) << width;
    EXPECT_EQ(loaded.LineWidth, width);

    // The settings reader finds the same palette; every other line is as
    // it was.
    model::Model read = English();
    ReadSettingsFile(file, SettingsSource::kStartConfiguration, read, quiet);
    EXPECT_TRUE(quiet.shown.empty());
    EXPECT_EQ(read.Colors, saved.Colors);
    EXPECT_EQ(read.LineWidth, width);
    const auto after = ReadWindows1252Lines(file);
    ASSERT_TRUE(after);
    ASSERT_EQ(after->size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      if (i >= 19 && i <= 30) continue;  // the colours
      if (i == 9) {
        std::string expected = before[9];
        expected[29] = static_cast<char>('0' + width);
        EXPECT_EQ((*after)[9], expected);
        continue;
      }
      EXPECT_EQ((*after)[i], before[i]) << i;
    }
  }
}

TEST(PaletteFile, AFailedSaveLeavesThePreviousFile) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  WriteEnglishSettings(file);
  const std::string before = ReadBytes(file);
  model::Model m = English();
  m.Colors = OtherColours();
  ScriptedUi ui;
  PaletteFileStatus status = PaletteFileStatus::kSaved;
  {
    // The new file cannot grow to its size.
    testing::FileSizeLimit limit(before.size() / 2);
    ASSERT_TRUE(limit.active());
    status = SavePalette(m, file, ui);
  }
  EXPECT_EQ(status, PaletteFileStatus::kFailed);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(testing::FileNames(dir.path()),
            std::vector<std::string>{"lum.ini"});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kError);
  EXPECT_EQ(
      ui.shown[0].text,
      file.string() + " :\r\nCould not save INI-file! (Write-protection?)");
}

TEST(PaletteFile, MissingFileOrSection) {
  TempFolder dir;
  model::Model m = English();
  m.Colors = OtherColours();
  m.LineWidth = 2;
  ScriptedUi ui;
  // Saving never creates lum.ini.
  EXPECT_EQ(SavePalette(m, dir / "lum.ini", ui), PaletteFileStatus::kMissing);
  EXPECT_FALSE(std::filesystem::exists(dir / "lum.ini"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kWarning);
  EXPECT_EQ(ui.shown[0].text,
            "File missing. For generating it have a look\r"
            "at menu \"Help / HelpIndex\"!");
  // Loading from a missing file takes the built-in colours.
  EXPECT_EQ(LoadPalette(m, dir / "lum.ini", ui), PaletteFileStatus::kMissing);
  EXPECT_EQ(m.Colors, model::kDefaultColors);
  EXPECT_EQ(ui.shown.back().text,
            (dir / "lum.ini").string() + " is deactivated!");

  // A file without "[Farben]": loading and saving change nothing.
  auto lines = WriteEnglishSettings(dir / "lum.ini");
  lines[18] = "[Colours]";
  ASSERT_TRUE(WriteWindows1252Lines(dir / "lum.ini", lines));
  const std::string before = ReadBytes(dir / "lum.ini");
  m.Colors = OtherColours();
  const model::Model unchanged = m;
  ScriptedUi load_ui;
  EXPECT_EQ(LoadPalette(m, dir / "lum.ini", load_ui),
            PaletteFileStatus::kNoColourSection);
  EXPECT_EQ(m.Colors, unchanged.Colors);
  EXPECT_EQ(m.LineWidth, unchanged.LineWidth);
  ASSERT_EQ(load_ui.shown.size(), 1u);
  EXPECT_EQ(load_ui.shown[0].caption, Caption::kWarning);
  EXPECT_EQ(load_ui.shown[0].text, "No color set is saved!");
  ScriptedUi save_ui;
  EXPECT_EQ(SavePalette(m, dir / "lum.ini", save_ui),
            PaletteFileStatus::kNoColourSection);
  EXPECT_EQ(ReadBytes(dir / "lum.ini"), before);
  ASSERT_EQ(save_ui.shown.size(), 1u);
  EXPECT_EQ(save_ui.shown[0].caption, Caption::kError);
}

TEST(PaletteFile, DamagedSectionTakesTheDefaultsAndReadsOn) {
  struct {
    const char* line;  // colour 3's line
    bool bad;
  } const cases[] = {
      {"12345", false},      {" 12345 ", false},
      {"blue", true},        {"", true},
      {"-1", true},          {"16777216", true},
      {"99999999999", true}, {"12.5", true},
  };
  for (const auto& c : cases) {
    TempFolder dir;
    const auto file = dir / "lum.ini";
    auto lines = WriteEnglishSettings(file);
    lines[21] = c.line;
    lines[9][29] = 'x';
    ASSERT_TRUE(WriteWindows1252Lines(file, lines));
    model::Model m = English();
    m.Colors = OtherColours();
    m.LineWidth = 3;
    ScriptedUi ui;
    EXPECT_EQ(LoadPalette(m, file, ui), PaletteFileStatus::kLoaded);
    // The colour lines of the file hold the defaults: only colour 3 can
    // differ.
    for (int k = 0; k < 12; ++k) {
      if (k != 2) {
        EXPECT_EQ(m.Colors[k], model::kDefaultColors[k]) << k;
      }
    }
    EXPECT_EQ(m.Colors[2], c.bad ? model::kDefaultColors[2] : 12345u) << c.line;
    EXPECT_EQ(m.LineWidth, 1);  // the bad width digit takes thin lines
    const std::string message = "[Farben] : Error in Input !";
    ASSERT_EQ(ui.shown.size(), c.bad ? 2u : 1u) << c.line;
    EXPECT_EQ(ui.shown[0].caption, Caption::kError);
    if (c.bad) {
      EXPECT_EQ(ui.shown[0].text, message);
    }
    EXPECT_EQ(ui.shown.back().text, lines[9] + " : Error in Input !");
  }
}

TEST(PaletteFile, AShortSectionLoadsOnlyItsLinesAndSavingCompletesIt) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  auto lines = WriteEnglishSettings(file);
  // Only colours 1 and 2 before "[Zeiten]".
  lines.erase(lines.begin() + 21, lines.begin() + 31);
  lines[19] = "111";
  lines[20] = "222";
  ASSERT_TRUE(WriteWindows1252Lines(file, lines));
  model::Model m = English();
  m.Colors = OtherColours();
  ScriptedUi ui;
  EXPECT_EQ(LoadPalette(m, file, ui), PaletteFileStatus::kLoaded);
  EXPECT_TRUE(ui.shown.empty());
  model::ColorTable expected = OtherColours();
  expected[0] = 111;
  expected[1] = 222;
  EXPECT_EQ(m.Colors, expected);

  // Saving replaces the two lines by all twelve, before "[Zeiten]".
  ASSERT_EQ(SavePalette(m, file, ui), PaletteFileStatus::kSaved);
  const auto after = ReadWindows1252Lines(file);
  ASSERT_TRUE(after);
  ASSERT_EQ(after->size(), lines.size() + 10);
  EXPECT_EQ((*after)[18], "[Farben]");
  EXPECT_EQ((*after)[19], "111");
  EXPECT_EQ((*after)[30], std::to_string(expected[11]));
  EXPECT_EQ((*after)[31], "[Zeiten]");
}

TEST(PaletteFile, AtMostTwelveValuesAreRead) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  auto lines = WriteEnglishSettings(file);
  // A thirteenth line before "[Zeiten]" is no colour, and no message.
  lines.insert(lines.begin() + 31, "not a colour");
  ASSERT_TRUE(WriteWindows1252Lines(file, lines));
  model::Model m = English();
  ScriptedUi ui;
  EXPECT_EQ(LoadPalette(m, file, ui), PaletteFileStatus::kLoaded);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(m.Colors, model::kDefaultColors);
}

}  // namespace
}  // namespace lumtar::app
