#include "gui/help.h"

#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumtar::gui {
namespace {

TEST(Help, OnePagePerDialFamilyAndCalculator) {
  struct Case {
    int context;
    const char* page;
  };
  // Contexts of the kind list and the calculators.
  const Case cases[] = {
      {10, "planar"},       {12, "umbrella"},         {13, "altitude"},
      {18, "azimuthal"},    {17, "cylinder"},         {19, "hidokei"},
      {20, "ring"},         {212, "compressed"},      {54, "mean_time"},
      {55, "sawyer"},       {57, "peaucellier"},      {28, "rise_set"},
      {29, "sun_position"}, {30, "equation_of_time"}, {49, "azimuth_time"},
      {0, "index"},         {999, "index"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HelpPageName(c.context), c.page) << c.context;
}

TEST(Help, DebugSwitchInAnyCase) {
  for (const char* yes : {"/debug", "-debug", "/DEBUG", "-DeBuG"})
    EXPECT_TRUE(IsDebugSwitch(yes)) << yes;
  for (const char* no : {"debug", "--debug", "/debugx", "/debu", ""})
    EXPECT_FALSE(IsDebugSwitch(no)) << no;
}

TEST(Help, LogWantedBySwitchOrByDebugFile) {
  const std::filesystem::path dir =
      std::filesystem::path(::testing::TempDir()) / "lumtar_help_switch";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  EXPECT_FALSE(HelpLogWanted({"lumtar"}, dir));
  EXPECT_TRUE(HelpLogWanted({"lumtar", "-Debug"}, dir));
  // The program's own name does not count.
  EXPECT_FALSE(HelpLogWanted({"/debug"}, dir));
  std::ofstream(dir / "debug.debug") << "";
  EXPECT_TRUE(HelpLogWanted({"lumtar"}, dir));
  std::filesystem::remove_all(dir);
}

TEST(Help, ShowsThePageOfTheContextInTheCurrentLanguageAndLogsIt) {
  const std::filesystem::path log =
      std::filesystem::path(::testing::TempDir()) / "lumtar_help_test.log";
  std::filesystem::remove(log);
  model::Model model;
  std::vector<QUrl> opened;
  Help help(
      model,
      [&](const QUrl& url) {
        opened.push_back(url);
        return true;
      },
      log);
  ASSERT_TRUE(help.logging());

  ASSERT_TRUE(help.Show(10));
  model.Language = texts::Language::kEnglish;
  ASSERT_TRUE(help.Show(28));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_TRUE(opened[0].toLocalFile().endsWith("/de/planar.html"));
  EXPECT_TRUE(opened[1].toLocalFile().endsWith("/en/rise_set.html"));
  QFile page(opened[1].toLocalFile());
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QByteArray html = page.readAll();
  EXPECT_TRUE(html.contains("lang=\"en\""));
  EXPECT_TRUE(html.contains("Rise and set"));

  std::ifstream in(log);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("context 10 (planar) language de"),
            std::string::npos);
  EXPECT_NE(text.str().find("context 28 (rise_set) language en"),
            std::string::npos);
}

TEST(Help, NoLogWithoutTheSwitch) {
  model::Model model;
  Help help(model, [](const QUrl&) { return false; });
  EXPECT_FALSE(help.logging());
  EXPECT_FALSE(help.Show(10));  // the browser could not be started
}

}  // namespace
}  // namespace lumtar::gui
