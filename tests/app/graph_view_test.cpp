#include "app/graph_view.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"

namespace lumtar::app {
namespace {

// The accepted interval of the y factor is 0.05..20; the field shows the
// stored factor with two decimals.
TEST(ReadYFactor, AcceptsTheIntervalAndKeepsTheFactorOtherwise) {
  const struct {
    const char* text;
    bool ok;
    double factor;
    const char* shown;
  } cases[] = {
      {"0.05", true, 0.05, "0.05"}, {"20", true, 20, "20.00"},
      {"1,5", true, 1.5, "1.50"},   {"0.04", false, 2, nullptr},
      {"20.1", false, 2, nullptr},
  };
  for (const auto& c : cases) {
    platform::ScriptedUi ui;
    std::string text = c.text;
    double factor = 2;
    EXPECT_EQ(ReadYFactor(text, factor, ui, texts::Language::kEnglish), c.ok)
        << c.text;
    EXPECT_DOUBLE_EQ(factor, c.factor) << c.text;
    EXPECT_EQ(ui.shown.empty(), c.ok) << c.text;
    if (c.shown) {
      EXPECT_EQ(text, c.shown) << c.text;
    }
  }
}

TEST(GraphView, TitlesAndHelpByKind) {
  EXPECT_EQ(GraphTitleMenuItem(tables::GraphKind::kEot), 33);
  EXPECT_EQ(GraphTitleMenuItem(tables::GraphKind::kSunPathRect), 35);
  EXPECT_EQ(GraphTitleMenuItem(tables::GraphKind::kSunPathPolar), 36);
  EXPECT_EQ(GraphHelpContext(tables::GraphKind::kEot), 30);
  EXPECT_EQ(GraphHelpContext(tables::GraphKind::kSunPathPolar), 29);
}

}  // namespace
}  // namespace lumtar::app
