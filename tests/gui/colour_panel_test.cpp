#include "gui/colour_panel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/palette.h"
#include "gui/qt_canvas.h"
#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

class ColourPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { model_.Language = texts::Language::kEnglish; }
  QString Role(ColourPanel& p, int row) {
    return p.rows()->item(row, 2)->text();
  }
  model::Model model_;
  platform::ScriptedUi ui_;
};

// The role texts and headings of the colour roles per dial family.
TEST_F(ColourPanelTest, RowsFollowTheDialKind) {
  struct Case {
    char kind;
    const char* heading;
    int row;
    const char* role;
  };
  const Case cases[] = {
      {'v', " Colors for  Horizontal/ Vertical/ Inclining Sundial:", 0,
       "= declination lines"},
      {'q', " Colors for Vertical Altitude Dial:", 1,
       "= hour lines (full hours)"},
      {'z', " Colors for Cylinder Sundial:", 3, "= text, date lines"},
      {'p', " Colors for Sawyer Sundials:", 0, "= date lines"},
  };
  ColourPanel panel(model_, ui_);
  for (const Case& c : cases) {
    model_.DialKind = c.kind;
    model_.ColourRoleBlock = app::ColourRoleBlockForKind(c.kind);
    panel.Refresh();
    EXPECT_EQ(panel.heading()->text(), c.heading) << c.kind;
    EXPECT_EQ(Role(panel, c.row), c.role) << c.kind;
  }
}

TEST_F(ColourPanelTest, PickingColourTenOnASawyerDialCopiesItToTwelve) {
  ColourPanel panel(model_, ui_);
  panel.SetColourChooser(
      [](const QColor&) { return std::optional<QColor>(QColor(1, 2, 3)); });
  model_.DialKind = 'w';
  model_.ColourRoleBlock = app::ColourRoleBlockForKind('w');
  QTest::mouseClick(panel.swatch(10), Qt::LeftButton);
  EXPECT_EQ(model_.Colors[9], FromQColor(QColor(1, 2, 3)));
  EXPECT_EQ(model_.Colors[11], model_.Colors[9]);
  // On a planar dial colour 12 keeps its value.
  model_.DialKind = 'h';
  model_.ColourRoleBlock = 0;
  panel.SetColourChooser(
      [](const QColor&) { return std::optional<QColor>(QColor(9, 9, 9)); });
  QTest::mouseClick(panel.swatch(10), Qt::LeftButton);
  EXPECT_EQ(model_.Colors[9], FromQColor(QColor(9, 9, 9)));
  EXPECT_NE(model_.Colors[11], model_.Colors[9]);
  // A cancelled dialog changes nothing.
  panel.SetColourChooser([](const QColor&) { return std::nullopt; });
  QTest::mouseClick(panel.swatch(1), Qt::LeftButton);
  EXPECT_EQ(model_.Colors[0], model::kDefaultColors[0]);
}

TEST_F(ColourPanelTest, ResetLineWidthAndClose) {
  ColourPanel panel(model_, ui_);
  model_.Colors[2] = 0x123456;
  QTest::mouseClick(panel.reset_button(), Qt::LeftButton);
  EXPECT_EQ(model_.Colors, model::kDefaultColors);
  QTest::mouseClick(panel.width_button(2), Qt::LeftButton);
  EXPECT_EQ(model_.LineWidth, 3);
  // The pattern of colour 3 (red) is drawn three pixels thick.
  const int y = app::PaletteLineY(2, panel.actual_pattern().height());
  EXPECT_EQ(panel.actual_pattern().pixelColor(20, y), QColor(255, 0, 0));
  QSignalSpy closed(&panel, &ColourPanel::Closed);
  panel.show();
  panel.close();
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(ColourPanelTest, SaveAndLoadGoThroughThePaletteFile) {
  ColourPanel panel(model_, ui_);
  EXPECT_FALSE(panel.save_button()->isEnabled());
  int saved = 0;
  ColourPanel::PaletteFile file;
  file.save = [&](model::Model&, platform::Ui&) { return ++saved > 0; };
  file.load = [](model::Model& m, platform::Ui&) {
    m.Colors[0] = 0x0000FF;
    return true;
  };
  panel.SetPaletteFile(file);
  QTest::mouseClick(panel.save_button(), Qt::LeftButton);
  QTest::mouseClick(panel.load_button(), Qt::LeftButton);
  EXPECT_EQ(saved, 1);
  EXPECT_TRUE(panel.swatch(1)->styleSheet().contains("#ff0000"));
}

}  // namespace
}  // namespace lumtar::gui
