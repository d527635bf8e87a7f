#include "gui/site_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>

#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

using Field = SiteWindow::Field;
using platform::Answer;
using platform::Caption;
using platform::ScriptedUi;

// Shows the dialog as exec() would, without its event loop.
void ShowActive(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Replaces the text of a field by typing, as a user would.
void Type(QLineEdit* e, const char* text) {
  e->setFocus(Qt::MouseFocusReason);
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Backspace);
  QTest::keyClicks(e, text);
}

TEST(SiteWindow, YearOutOfRangeKeepsTheDialogOpenWithFocusOnTheYear) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  SiteWindow w(m, ui);
  ShowActive(w);
  for (const char* year : {"1299", "2501"}) {
    ui.shown.clear();
    Type(w.Edit(Field::kYear), year);
    QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(ui.shown.size(), 1u) << year;  // one message, not two
    EXPECT_EQ(ui.shown[0].caption, Caption::kProblem);
    EXPECT_NE(ui.shown[0].text.find("Year="), std::string::npos);
    EXPECT_NE(ui.shown[0].text.find("[1300..2500]"), std::string::npos);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w.Edit(Field::kYear));
    EXPECT_EQ(m.parameters.Year, 2020);
  }
}

TEST(SiteWindow, EnterMovesToTheCloseButtonWhichEnterPresses) {
  model::Model m;
  ScriptedUi ui;
  SiteWindow w(m, ui);
  ShowActive(w);
  // From a decimal field Enter goes to the year field, from there to the
  // close button; Enter there closes the dialog.
  Type(w.Edit(Field::kLatitude), "50.5");
  QTest::keyClick(w.Edit(Field::kLatitude), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w.Edit(Field::kYear));
  Type(w.Edit(Field::kYear), "1999");
  QTest::keyClick(w.Edit(Field::kYear), Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), w.CloseButton());
  QTest::keyClick(w.CloseButton(), Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(m.parameters.Latitude, 50.5);
  EXPECT_EQ(m.parameters.Year, 1999);
  EXPECT_TRUE(m.DialogsValid);
  EXPECT_TRUE(ui.shown.empty());
}

TEST(SiteWindow, KeyFiltersByField) {
  model::Model m;
  ScriptedUi ui;
  SiteWindow w(m, ui);
  ShowActive(w);
  struct {
    Field field;
    const char* typed;
    const char* kept;
  } const cases[] = {
      {Field::kLatitude, "-4a7,5x", "-475"},  // decimal: digits, "-", "."
      {Field::kLongitude, "+9.5", "9.5"},
      {Field::kYear, "-19.99", "1999"},  // year: digits only
  };
  for (const auto& c : cases) {
    Type(w.Edit(c.field), c.typed);
    EXPECT_EQ(w.Edit(c.field)->text().toStdString(), c.kept) << c.typed;
  }
  QTest::mouseClick(w.SexagesimalMode(), Qt::LeftButton);
  Type(w.Edit(Field::kLatMinutes), "1-2.");
  EXPECT_EQ(w.Edit(Field::kLatMinutes)->text(), "12");
}

TEST(SiteWindow, SexagesimalModeWithHemisphereButtons) {
  model::Model m;
  ScriptedUi ui;
  SiteWindow w(m, ui);
  ShowActive(w);
  EXPECT_FALSE(w.Edit(Field::kLatDegrees)->isEnabled());
  QTest::mouseClick(w.SexagesimalMode(), Qt::LeftButton);
  EXPECT_TRUE(w.Edit(Field::kLatDegrees)->isEnabled());
  EXPECT_FALSE(w.Edit(Field::kLatitude)->isEnabled());
  // The default site shows 47 15' 5'' north, 9 35' 27'' east.
  EXPECT_EQ(w.Edit(Field::kLatDegrees)->text(), "47");
  EXPECT_EQ(w.Edit(Field::kLatSeconds)->text(), "5");
  EXPECT_TRUE(w.Hemisphere(Field::kLatDegrees, 0)->isChecked());
  EXPECT_TRUE(w.Hemisphere(Field::kLonDegrees, 0)->isChecked());
  Type(w.Edit(Field::kLatDegrees), "33");
  Type(w.Edit(Field::kLatMinutes), "30");
  Type(w.Edit(Field::kLatSeconds), "0");
  QTest::mouseClick(w.Hemisphere(Field::kLatDegrees, 1), Qt::LeftButton);
  QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_DOUBLE_EQ(m.parameters.Latitude, -33.5);
  EXPECT_FALSE(m.DecimalSiteInput);
}

TEST(SiteWindow, ZoneQuestionNoKeepsTheDialogOpenOnTheZoneField) {
  model::Model m;
  ScriptedUi ui;
  ui.answers = {Answer::kNo};
  SiteWindow w(m, ui);
  ShowActive(w);
  Type(w.Edit(Field::kLongitude), "1.0");  // 16 degrees from -15
  QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kWarning);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), w.Edit(Field::kZoneMeridian));
  EXPECT_FALSE(m.DialogsValid);
}

TEST(SiteWindow, RetranslateRewritesTheOpenDialog) {
  model::Model m;
  ScriptedUi ui;
  SiteWindow w(m, ui);
  EXPECT_EQ(w.Hemisphere(Field::kLatDegrees, 0)->text(), "&Nord");
  EXPECT_EQ(w.windowTitle(), "Eingabe von Bezugsjahr und Standort");
  m.Language = texts::Language::kEnglish;
  w.Retranslate();
  EXPECT_EQ(w.Hemisphere(Field::kLatDegrees, 0)->text(), "&North");
  EXPECT_EQ(w.Hemisphere(Field::kZoneDegrees, 0)->text(), "Eas&t");
  EXPECT_EQ(w.SexagesimalMode()->text(), " in deg, min, sec");
  EXPECT_EQ(w.windowTitle(), "Input of Reference Year and Location");
  EXPECT_FALSE(w.CancelButton()->isVisibleTo(&w));
}

TEST(SiteWindow, WizardStepTitleButtonsAndCancel) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  m.WizardState = 1;
  ScriptedUi ui;
  SiteWindow w(m, ui);
  ShowActive(w);
  EXPECT_EQ(w.windowTitle(), "Generate Sundial, part 1");
  EXPECT_EQ(w.CloseButton()->text(), " &Next ... >");
  EXPECT_EQ(w.CancelButton()->text(), " &Cancel");
  EXPECT_TRUE(w.CancelButton()->isVisible());
  // A value left in a field is stored, but Cancel puts the old one back.
  Type(w.Edit(Field::kLatitude), "10");
  QTest::keyClick(w.Edit(Field::kLatitude), Qt::Key_Tab);
  EXPECT_EQ(m.parameters.Latitude, 10);
  QTest::mouseClick(w.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(m.parameters.Latitude, 47.251315);
}

// With LUMTAR_SCREENSHOTS set to a folder, the dialog is saved there as
// PNG files for a look at its layout.
TEST(SiteWindow, Screenshots) {
  const char* dir = std::getenv("LUMTAR_SCREENSHOTS");
  if (!dir) GTEST_SKIP() << "LUMTAR_SCREENSHOTS not set";
  for (bool decimal : {true, false}) {
    model::Model m;
    m.DecimalSiteInput = decimal;
    m.WizardState = decimal ? 1 : 0;
    m.Language = decimal ? texts::Language::kGerman : texts::Language::kEnglish;
    ScriptedUi ui;
    SiteWindow w(m, ui);
    ShowActive(w);
    const QString name = QString("%1/site_%2.png")
                             .arg(dir)
                             .arg(decimal ? "decimal_de" : "sexagesimal_en");
    EXPECT_TRUE(w.grab().save(name));
  }
}

}  // namespace
}  // namespace lumtar::gui
