#include "gui/kind_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

using Field = KindWindow::Field;
using platform::Caption;
using platform::ScriptedUi;

void ShowActive(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// A radio button takes clicks on its indicator and text only, so click
// near its left edge rather than in the middle of a stretched button.
void Click(QWidget* button) {
  QTest::mouseClick(button, Qt::LeftButton, {},
                    QPoint(8, button->height() / 2));
}

void Type(QLineEdit* e, const char* text) {
  e->setFocus(Qt::MouseFocusReason);
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Backspace);
  QTest::keyClicks(e, text);
}

TEST(KindWindow, KindListFollowsExpertMode) {
  for (int expert : {0, 1}) {
    model::Model m;
    m.ExpertMode = static_cast<std::uint8_t>(expert);
    m.DialKind = 'c';
    ScriptedUi ui;
    KindWindow w(m, ui);
    EXPECT_EQ(w.VisibleEntryCount(), expert ? 14 : 12);
    EXPECT_EQ(w.Entry(9) != nullptr, expert == 1);
    EXPECT_EQ(w.Entry(10) != nullptr, expert == 1);
    // Outside expert mode a stored compressed dial shows as horizontal.
    EXPECT_TRUE(w.Entry(expert ? 9 : 0)->isChecked());
    EXPECT_EQ(m.DialKind, expert ? 'c' : 'h');
    // Each entry keeps its own text: the Sawyer decliner stays entry 11.
    EXPECT_EQ(w.Entry(11)->text(), "  Sa&wyer-Deklinator");
  }
}

TEST(KindWindow, VerticalThenHorizontalDialChoices) {
  model::Model m;
  m.parameters.Inclination = 40;
  ScriptedUi ui;
  KindWindow w(m, ui);
  ShowActive(w);
  Click(w.Entry(1));
  EXPECT_EQ(m.DialKind, 'v');
  EXPECT_EQ(m.parameters.Inclination, 90);
  EXPECT_EQ(w.Edit(Field::kInclination)->text().trimmed(), "90.00");
  Click(w.Entry(0));
  EXPECT_FALSE(w.Edit(Field::kWallDeclination)->isEnabled());
  QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(m.parameters.WallDeclination, 0);
  EXPECT_EQ(m.parameters.Inclination, 0);
  EXPECT_TRUE(m.ParametersValid);
}

TEST(KindWindow, CylinderValuesAreStoredOnClose) {
  model::Model m;
  ScriptedUi ui;
  KindWindow w(m, ui);
  ShowActive(w);
  Click(w.Entry(6));
  ASSERT_TRUE(w.SelectorBox(KindWindow::kCylinderDials)->isVisible());
  EXPECT_FALSE(w.SelectorBox(KindWindow::kUmbrellaPlane)->isVisible());
  Click(w.SelectorButton(KindWindow::kCylinderDials, 2));
  ASSERT_TRUE(w.Edit(Field::kCylinderRadius)->isVisible());
  EXPECT_FALSE(w.Edit(Field::kScale)->isVisible());
  Type(w.Edit(Field::kGnomon), "50");
  Type(w.Edit(Field::kCylinderRadius), "300");
  QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(m.DialKind, 'z');
  EXPECT_EQ(m.selectors.CylinderVariant, 2);
  EXPECT_EQ(m.parameters.CylinderGnomon, 50);
  EXPECT_EQ(m.parameters.CylinderRadius, 300);
}

TEST(KindWindow, OutOfRangeKeepsTheDialogOpenOnTheField) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  KindWindow w(m, ui);
  ShowActive(w);
  struct {
    Field field;
    const char* text;
    const char* message;
  } const cases[] = {
      {Field::kWallDeclination, "200",
       "Deviation of wall must be in between [-180 ° ... +180 °] !"},
      {Field::kGnomon, "150", "[    3.00, ...,  120.0] !"},
  };
  for (const auto& c : cases) {
    ui.shown.clear();
    Type(w.Edit(c.field), c.text);
    QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(ui.shown.size(), 1u) << c.text;
    EXPECT_NE(ui.shown[0].text.find(c.message), std::string::npos)
        << ui.shown[0].text;
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w.Edit(c.field));
    EXPECT_FALSE(m.ParametersValid);
    Type(w.Edit(c.field), "10");
  }
}

TEST(KindWindow, UmbrellaPlaneAndCancel) {
  model::Model m;
  m.WizardState = 1;
  ScriptedUi ui;
  KindWindow w(m, ui);
  ShowActive(w);
  Click(w.Entry(3));
  ASSERT_TRUE(w.SelectorBox(KindWindow::kUmbrellaPlane)->isVisible());
  Click(w.SelectorButton(KindWindow::kUmbrellaPlane, 1));
  EXPECT_EQ(m.DialKind, 'i');
  EXPECT_EQ(m.selectors.UmbrellaFlag, 1);
  EXPECT_EQ(w.HelpContext(), 12);
  EXPECT_EQ(w.Label(Field::kGnomon)->text(), "&Stabh\xC3\xB6he [mm]:");
  QTest::mouseClick(w.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(m.DialKind, 'v');
  EXPECT_EQ(m.selectors.UmbrellaFlag, 0);
}

TEST(KindWindow, RetranslateRewritesTheOpenDialog) {
  model::Model m;
  ScriptedUi ui;
  KindWindow w(m, ui);
  EXPECT_EQ(w.Entry(1)->text(), "  &Vertikale Sonnenuhr");
  EXPECT_EQ(w.Label(Field::kWallDeclination)->text(), "&Wandabweichung:");
  m.Language = texts::Language::kEnglish;
  w.Retranslate();
  EXPECT_EQ(w.Entry(1)->text(), "  &Vertical Sundial");
  EXPECT_EQ(w.Label(Field::kWallDeclination)->text(), "&Wall declination:");
  EXPECT_EQ(w.SelectorBox(KindWindow::kAltitudeDials)->title(),
            " Altitude &Dials ");
  EXPECT_EQ(w.windowTitle(), "Selection of Sundial-Type");
}

TEST(KindWindow, Screenshots) {
  const char* dir = std::getenv("LUMTAR_SCREENSHOTS");
  if (!dir) GTEST_SKIP() << "LUMTAR_SCREENSHOTS not set";
  const struct {
    char kind;
    std::uint8_t umbrella;
    texts::Language language;
    const char* name;
  } shots[] = {
      {'v', 0, texts::Language::kGerman, "kind_vertical_de"},
      {'i', 1, texts::Language::kEnglish, "kind_umbrella_en"},
      {'a', 0, texts::Language::kEnglish, "kind_azimuthal_en"},
  };
  for (const auto& s : shots) {
    model::Model m;
    m.DialKind = s.kind;
    m.selectors.UmbrellaFlag = s.umbrella;
    m.Language = s.language;
    ScriptedUi ui;
    KindWindow w(m, ui);
    ShowActive(w);
    EXPECT_TRUE(w.grab().save(QString("%1/%2.png").arg(dir).arg(s.name)));
  }
}

}  // namespace
}  // namespace lumtar::gui
