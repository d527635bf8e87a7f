#include "gui/parameter_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <functional>

#include "gui/parameter_page.h"
#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

using app::HourRange;
using app::PageChoice;
using app::PageToggle;
using app::ParamField;
using platform::Caption;
using platform::ScriptedUi;

void ShowActive(QWidget& w) {
  w.show();
  QApplication::setActiveWindow(&w);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

void Type(QLineEdit* e, const char* text) {
  ASSERT_NE(e, nullptr);
  e->setFocus(Qt::MouseFocusReason);
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Backspace);
  QTest::keyClicks(e, text);
}

void Click(QWidget* button) {
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton, {},
                    QPoint(8, button->height() / 2));
}

TEST(ParameterWindow, FieldOutOfRangeKeepsTheDialogOpenOnTheField) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  ScriptedUi ui;
  const int stored_hour = m.values.AnalemmaHour;
  ParameterWindow w(m, ui);
  ShowActive(w);
  ASSERT_EQ(w.PageKind(), model::ParameterPage::kPlanar);
  QLineEdit* hour = w.Page()->Edit(ParamField::kAnalemmaHour);
  Type(hour, "24");
  // The click leaves the field: one message, and the dialog stays open.
  QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
  QApplication::processEvents();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kProblem);
  EXPECT_NE(ui.shown[0].text.find("Analemma hour=24"), std::string::npos);
  EXPECT_NE(ui.shown[0].text.find("[1..23]"), std::string::npos);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), hour);
  // Enter presses the close button without leaving the field: the page
  // check refuses the field and says so.
  QTest::keyClick(hour, Qt::Key_Return);
  QApplication::processEvents();
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(ui.shown[2].caption, Caption::kError);
  EXPECT_EQ(ui.shown[2].text, "Please correct error in input !");
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(QApplication::focusWidget(), hour);
  EXPECT_FALSE(m.ParametersValid);
  EXPECT_EQ(m.values.AnalemmaHour, stored_hour);
}

TEST(ParameterWindow, PlanarPageValuesAreStoredOnClose) {
  model::Model m;
  ScriptedUi ui;
  ParameterWindow w(m, ui);
  ShowActive(w);
  ParameterPageWidget* page = w.Page();
  Type(page->Edit(ParamField::kGnomonHeight), "42,5");
  Click(page->Toggle(PageToggle::kShowBabylonianHours));
  Click(page->Choice(PageChoice::kDateLineMode, 3));
  Click(page->Choice(PageChoice::kAnalemmaMarkDays, 4));
  page->RangeList(HourRange::kApparent, 0)->setFocus();
  QTest::keyClick(page->RangeList(HourRange::kApparent, 0), Qt::Key_Down);
  page->RangeList(HourRange::kMean, 2)->setFocus();
  QTest::keyClick(page->RangeList(HourRange::kMean, 2), Qt::Key_End);
  page->DateLines()->setPlainText("01/05  ( May Day )\n\n24/12");
  QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(m.parameters.GnomonHeight, 42.5);
  EXPECT_TRUE(m.options.ShowBabylonianHours);
  EXPECT_EQ(m.options.DateLineMode, '3');
  EXPECT_EQ(m.options.AnalemmaMarkDays, 4);
  EXPECT_EQ(m.times.ApparentHoursFrom, 9);         // the list entry after 8
  EXPECT_EQ(m.options.MeanHourSubdivisions, '4');  // 10 minutes
  EXPECT_EQ(m.DateLineList,
            (std::vector<std::string>{"01/05  ( May Day )", "24/12"}));
  EXPECT_TRUE(m.ParametersValid);
}

TEST(ParameterWindow, EnterPressesTheCloseButton) {
  model::Model m;
  ScriptedUi ui;
  ParameterWindow w(m, ui);
  ShowActive(w);
  Type(w.Page()->Edit(ParamField::kGnomonHeight), "50");
  QTest::keyClick(w.Page()->Edit(ParamField::kGnomonHeight), Qt::Key_Return);
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(m.parameters.GnomonHeight, 50);
}

// Every page edits and stores its values, whether or not its construction
// exists yet: one field per page is typed, one option set, and both are in
// the model after the close button.
TEST(ParameterWindow, EveryPageStoresItsValues) {
  struct Case {
    char kind;
    std::function<void(model::Model&)> setup;
    model::ParameterPage page;
    ParamField field;
    const char* text;
    std::function<double(const model::Model&)> value;
    double expected;
  };
  using P = model::ParameterPage;
  const Case cases[] = {
      {'h', nullptr, P::kPlanar, ParamField::kWallDeclination, "-20",
       [](auto& m) { return m.parameters.WallDeclination; }, -20},
      {'i', [](auto& m) { m.selectors.UmbrellaFlag = 1; }, P::kUmbrella,
       ParamField::kUmbrellaDiskPercent, "20",
       [](auto& m) { return m.parameters.UmbrellaDiskRatio; }, 0.2},
      {'q', nullptr, P::kAltitude, ParamField::kQuadrantSize, "120",
       [](auto& m) { return double(m.parameters.QuadrantSize); }, 120},
      {'q', [](auto& m) { m.selectors.AltitudeVariant = 2; }, P::kAltitude,
       ParamField::kLatitude, "40",
       [](auto& m) { return m.parameters.Latitude; }, 40},
      {'a', nullptr, P::kAzimuthal, ParamField::kBasePlateDiameter, "150",
       [](auto& m) { return m.values.BasePlateDiameter; }, 150},
      {'z', nullptr, P::kCylinder, ParamField::kCylinderScaleLength, "300",
       [](auto& m) { return double(m.values.CylinderScaleLength); }, 300},
      {'z', [](auto& m) { m.selectors.CylinderVariant = 2; }, P::kCylinder,
       ParamField::kCylinderRadius, "120",
       [](auto& m) { return m.parameters.CylinderRadius; }, 120},
      {'k', nullptr, P::kHidokei, ParamField::kHidokeiScaleWidth, "200",
       [](auto& m) { return double(m.values.HidokeiScaleWidth); }, 200},
      {'r', nullptr, P::kRing, ParamField::kRingDiameter, "120",
       [](auto& m) { return m.parameters.RingDiameter; }, 120},
      {'w', nullptr, P::kSawyer, ParamField::kSawyerCentre, "100",
       [](auto& m) { return m.parameters.SawyerCentre; }, 100},
      {'p', nullptr, P::kSawyer, ParamField::kPeaucellierConstant, "-1.5",
       [](auto& m) { return m.parameters.PeaucellierConstant; }, -1.5},
      {'c', nullptr, P::kCompressed, ParamField::kMapScale, "5000",
       [](auto& m) { return double(m.values.MapScale); }, 5000},
      {'m', nullptr, P::kMeanTime, ParamField::kConeAxisInclination, "-30",
       [](auto& m) { return m.parameters.ConeAxisInclination; },
       150},  // a negative axis has 180 added
  };
  for (const Case& c : cases) {
    model::Model m;
    m.DialKind = c.kind;
    if (c.setup) c.setup(m);
    ScriptedUi ui;
    ParameterWindow w(m, ui);
    ShowActive(w);
    ASSERT_EQ(w.PageKind(), c.page) << c.kind;
    Type(w.Page()->Edit(c.field), c.text);
    QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Accepted)
        << c.kind << (ui.shown.empty() ? "" : ui.shown[0].text);
    EXPECT_DOUBLE_EQ(c.value(m), c.expected) << c.kind;
  }
}

TEST(ParameterWindow, SawyerModeAndRingChoiceSetTheirOptions) {
  model::Model m;
  m.DialKind = 'w';
  ScriptedUi ui;
  {
    ParameterWindow w(m, ui);
    ShowActive(w);
    Click(w.Page()->Choice(PageChoice::kSawyerTimeMode, 3));
    QTest::mouseClick(w.CloseButton(), Qt::LeftButton);
    ASSERT_EQ(w.result(), QDialog::Accepted);
  }
  EXPECT_EQ(m.parameters.SawyerTimeMode, 3);
  EXPECT_TRUE(m.options.SawyerStraightMeanLines);
  EXPECT_TRUE(m.options.ConstructWithEoT);
  m.DialKind = 'r';
  ParameterWindow ring(m, ui);
  ShowActive(ring);
  Click(ring.Page()->Choice(PageChoice::kRingHours, 1));
  EXPECT_EQ(m.options.HourTimeKind, 2);
  EXPECT_FALSE(m.options.OneHourLineBand);
  // Two bands: a negative pin-hole offset is refused.
  Type(ring.Page()->Edit(ParamField::kRingHoleOffset), "-5");
  QTest::mouseClick(ring.CloseButton(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_TRUE(ring.isVisible());
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_NE(ui.shown.back().text.find("23.4"), std::string::npos);
}

TEST(ParameterWindow, CancelPutsEverythingBack) {
  model::Model m;
  m.WizardState = 5;
  ScriptedUi ui;
  ParameterWindow w(m, ui);
  ShowActive(w);
  EXPECT_TRUE(w.CancelButton()->isVisible());
  Type(w.Page()->Edit(ParamField::kGnomonHeight), "60");
  Click(w.Page()->Toggle(PageToggle::kShowItalianHours));
  QTest::keyClick(w.Page()->Edit(ParamField::kGnomonHeight), Qt::Key_Tab);
  ASSERT_EQ(m.parameters.GnomonHeight, 60);
  QTest::mouseClick(w.CancelButton(), Qt::LeftButton);
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_EQ(m.parameters.GnomonHeight, 35);
  EXPECT_FALSE(m.options.ShowItalianHours);
}

TEST(ParameterWindow, RetranslateRewritesTheOpenDialog) {
  model::Model m;
  m.ExpertMode = 0;
  m.DialKind = 'q';
  ScriptedUi ui;
  ParameterWindow w(m, ui);
  ParameterPageWidget* page = w.Page();
  EXPECT_EQ(page->Label(ParamField::kQuadrantSize)->text(),
            "&Quadrantgr\xC3\xB6\xC3\x9F"
            "e [mm]:");
  EXPECT_EQ(page->Toggle(PageToggle::kQuadrantMirrored)->text(),
            "Linker Quadrant &gespiegelt");
  EXPECT_EQ(page->RangeList(HourRange::kHours, 0)->itemText(10), "10  Uhr");
  m.Language = texts::Language::kEnglish;
  w.Retranslate();
  EXPECT_EQ(page->Label(ParamField::kQuadrantSize)->text(),
            "&Quadrant size [mm]:");
  EXPECT_EQ(page->Toggle(PageToggle::kQuadrantMirrored)->text(),
            "Left quadrant &mirrored");
  EXPECT_EQ(page->RangeList(HourRange::kHours, 0)->itemText(10), "10  h");
  EXPECT_EQ(page->RangeList(HourRange::kHours, 0)->currentIndex(), 10);
  EXPECT_EQ(w.windowTitle(), "Input of Sundial Parameters");
}

TEST(ParameterWindow, Screenshots) {
  const char* dir = std::getenv("LUMTAR_SCREENSHOTS");
  if (!dir) GTEST_SKIP() << "LUMTAR_SCREENSHOTS not set";
  const struct {
    char kind;
    std::uint8_t variant;
    const char* name;
  } shots[] = {
      {'v', 0, "param_planar"},    {'q', 1, "param_habermel"},
      {'a', 0, "param_azimuthal"}, {'z', 0, "param_cylinder"},
      {'r', 0, "param_ring"},      {'w', 0, "param_sawyer"},
      {'m', 0, "param_meantime"},  {'k', 0, "param_hidokei"},
  };
  for (const auto& s : shots) {
    model::Model m;
    m.DialKind = s.kind;
    m.selectors.AltitudeVariant = s.variant;
    m.Language =
        s.kind == 'v' ? texts::Language::kGerman : texts::Language::kEnglish;
    ScriptedUi ui;
    ParameterWindow w(m, ui);
    ShowActive(w);
    EXPECT_TRUE(w.grab().save(QString("%1/%2.png").arg(dir).arg(s.name)));
  }
}

}  // namespace
}  // namespace lumtar::gui
