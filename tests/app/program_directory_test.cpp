#include "app/program_directory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "app/settings_file.h"
#include "test_support.h"

namespace lumtar::app {
namespace {

TEST(ProgramDirectory, Rule) {
  struct {
    std::optional<std::string> lumtar_home, xdg, home;
    bool writable;
    const char* expected;
  } const cases[] = {
      {"/l", "/x", "/h", true, "/l"},
      {std::nullopt, "/x", "/h", true, "/opt/lumtar/bin"},
      {std::nullopt, "/x", "/h", false, "/x/lumtar"},
      {std::nullopt, "relative", "/h", false, "/h/.config/lumtar"},
      {std::nullopt, std::nullopt, "/h", false, "/h/.config/lumtar"},
      {std::nullopt, std::nullopt, std::nullopt, false, "/opt/lumtar/bin"},
  };
  for (const auto& c : cases) {
    ProgramDirectoryInputs in;
    in.lumtar_home = c.lumtar_home;
    in.xdg_config_home = c.xdg;
    in.home = c.home;
    in.executable_folder = "/opt/lumtar/bin";
    in.executable_folder_writable = c.writable;
    EXPECT_EQ(ResolveProgramDirectory(in), c.expected) << c.expected;
  }
}

TEST(ProgramDirectory, LumtarHomeFromTheEnvironment) {
  testing::TempFolder dir;
  const char* old = getenv("LUMTAR_HOME");
  const std::string saved = old != nullptr ? old : "";
  setenv("LUMTAR_HOME", dir.path().c_str(), 1);
  EXPECT_EQ(ProgramDirectory(), dir.path());
  EXPECT_EQ(SettingsPath(), dir / "lum.ini");
  EXPECT_EQ(DateLinesPath(), dir / "lum_days.ini");
  if (old != nullptr) {
    setenv("LUMTAR_HOME", saved.c_str(), 1);
  } else {
    unsetenv("LUMTAR_HOME");
  }
}

TEST(DateLinesFile, SaveAndLoad) {
  testing::TempFolder dir;
  const auto file = dir / "lum_days.ini";
  model::Model m;
  m.Language = texts::Language::kEnglish;
  m.DateLineList = {"01/05 (1. Mai)", "bad",
                    "24/12 (Heilig\xC3\xA4"
                    "bend)"};
  testing::QuestionUi ui;
  ASSERT_TRUE(SaveDateLinesFile(file, m, ui));
  EXPECT_EQ(testing::ReadBytes(file),
            "01/05 (1. Mai)\r\n24/12 (Heilig\xE4"
            "bend)\r\n");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, file.string() + "   saved!");

  testing::WriteBytes(file, "15/08\r\n\r\n31/02 x\r\n29/02\r\n");
  model::Model r;
  testing::QuestionUi ui2;
  ASSERT_TRUE(LoadDateLinesFile(file, r, ui2));
  EXPECT_EQ(r.DateLineList, (std::vector<std::string>{"15/08", "29/02"}));
  ASSERT_EQ(ui2.shown.size(), 1u);
  EXPECT_EQ(ui2.shown[0].text,
            "Fehlerhaftes Datum 31/02 x in " + file.string());

  // No file: nothing happens.
  model::Model n;
  testing::QuestionUi ui3;
  EXPECT_FALSE(LoadDateLinesFile(dir / "none.ini", n, ui3));
  EXPECT_EQ(n.DateLineList, model::kDefaultDateLines);
  EXPECT_TRUE(ui3.shown.empty());
}

}  // namespace
}  // namespace lumtar::app
