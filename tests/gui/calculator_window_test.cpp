#include "gui/calculator_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/qt_printer.h"
#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

namespace fs = std::filesystem;
using Field = tables::Calculator::Field;
using platform::Answer;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int PdfPages(const fs::path& pdf) {
  const QString text = QString::fromLatin1(ReadFile(pdf));
  return static_cast<int>(
      text.count(QRegularExpression(R"(/Type\s*/Page[^s])")));
}

// Clicks a check or radio button on its indicator (a click beyond its
// label does not hit a button stretched by its layout).
void ClickIndicator(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, b->height() / 2));
}

class CalculatorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_calc_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    model_.Language = texts::Language::kEnglish;
    model_.parameters.Latitude = 47.25;
    model_.parameters.Longitude = -9.55;
    model_.parameters.ZoneMeridian = -15;
    model_.parameters.Year = 2020;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<CalculatorWindow> Open(int mode, int month, int day) {
    state_ = tables::StartupCalcState(month, day);
    state_.CalcMode = mode;
    auto w = std::make_unique<CalculatorWindow>(model_, ui_, nullptr, &state_);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
  }

  // Replaces a field's text as a user would, and leaves the field.
  static void Type(CalculatorWindow& w, Field f, const QString& text) {
    QLineEdit* e = w.field(f);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
    w.button("BtnBerechnung")->setFocus();  // leaves the field
  }

  static QStringList Lines(const CalculatorWindow& w) {
    return w.result_view()->toPlainText().split('\n');
  }

  fs::path dir_;
  model::Model model_;
  tables::CalcState state_;
  platform::ScriptedUi ui_;
};

// The window shows what the calculator of the same site, date and inputs
// computes: its result list line by line and its panel labels.
TEST_F(CalculatorWindowTest, ShowsTheResultLinesOfTheCalculator) {
  struct Case {
    int mode;
    const char* label;  // a value label of the mode's panel
  };
  const Case cases[] = {{tables::kCalcRiseSet, "LblAufgang"},
                        {tables::kCalcPosition, "LblAzimut"},
                        {tables::kCalcAzimuthTime, "LblZeit"},
                        {tables::kCalcEquationOfTime, "LblZgl8"}};
  for (const Case& c : cases) {
    auto w = Open(c.mode, 1, 1);
    Type(*w, Field::kMonth, "6");
    Type(*w, Field::kDay, "21");
    if (c.mode == tables::kCalcPosition) Type(*w, Field::kTime, "14:30:00");
    if (c.mode == tables::kCalcAzimuthTime) Type(*w, Field::kAzimuth, "45");
    QTest::mouseClick(w->button("BtnBerechnung"), Qt::LeftButton);

    // The same calculation without a window.
    model::Model m = model_;
    tables::CalcState s = tables::StartupCalcState(6, 21);
    s.CalcMode = c.mode;
    platform::ScriptedUi ui;
    tables::Calculator calc(m, s, ui);
    calc.Open();
    calc.time = "14:30:00";
    calc.azimuth = "45";
    calc.time_kind = w->calculator().time_kind;
    ASSERT_TRUE(calc.Calculate()) << c.mode;

    QStringList expected;
    for (const std::string& line : calc.ResultList())
      expected << QString::fromStdString(line);
    EXPECT_GT(expected.size(), 9) << c.mode;
    EXPECT_EQ(Lines(*w), expected) << c.mode;
    EXPECT_FALSE(w->label(c.label)->text().isEmpty()) << c.mode;
    EXPECT_TRUE(w->panels()->currentWidget()->isAncestorOf(w->label(c.label)))
        << c.mode;
    EXPECT_EQ(state_.CalcMonth, 6);
    EXPECT_EQ(state_.CalcDay, 21);
  }
}

// 12:00:00 local apparent time is the hour angle 0: the sun stands due
// south (azimuth 0.00) at 47.25 N on 21 June.
TEST_F(CalculatorWindowTest, ApparentNoonIsDueSouth) {
  auto w = Open(tables::kCalcPosition, 6, 21);
  Type(*w, Field::kTime, "12:00:00");
  ClickIndicator(w->time_kind_button(0));  // calculates
  EXPECT_EQ(w->label("LblAzimut")->text().trimmed(), "0.00");
  EXPECT_TRUE(Lines(*w).join('\n').contains("azimuth :       0.00"));
}

TEST_F(CalculatorWindowTest, TimeFieldTakesDigitsAndTurnsBlanksIntoColons) {
  auto w = Open(tables::kCalcPosition, 6, 21);
  QLineEdit* time = w->field(Field::kTime);
  time->setFocus();
  time->clear();
  QTest::keyClicks(time, "14 5x 30");
  EXPECT_EQ(time->text(), "14:5:30");
  QTest::keyClick(time, Qt::Key_Return);  // Enter moves to "Berechnung"
  EXPECT_TRUE(w->button("BtnBerechnung")->hasFocus());
  EXPECT_EQ(time->text(), "14:05:30");  // rewritten on leaving
  EXPECT_NEAR(state_.CalcTimeOfDay, 14 + 5 / 60.0 + 30 / 3600.0, 1e-9);

  time->setFocus();
  time->setText("25:00");
  w->button("BtnBerechnung")->setFocus();
  EXPECT_EQ(time->text(), "Error!");
  EXPECT_TRUE(time->hasFocus());
}

TEST_F(CalculatorWindowTest, EachModeShowsItsControls) {
  struct Case {
    int mode;
    int help;
    bool tables, more, eot_graph, path_graph;
    const char* tables_text;
    const char* title;
  };
  const Case cases[] = {
      {1, 28, true, false, false, false, "Ta&ble",
       "Rise / &Set of Sun and Moon"},
      {2, 29, false, true, false, true, "", "&Position of Sun"},
      {4, 49, false, true, false, false, "",
       "Standard &Time for given Sun Position"},
      {8, 30, true, false, true, false, "Show Ta&bles",
       "Sun:  &Equation of Time (EoT) and Declination"},
  };
  for (const Case& c : cases) {
    auto w = Open(c.mode, 3, 1);
    EXPECT_EQ(w->HelpContext(), c.help) << c.mode;
    EXPECT_EQ(w->button("BtnTabellen")->isVisible(), c.tables) << c.mode;
    EXPECT_EQ(w->more_tables_menu()->menuAction()->isVisible(), c.more)
        << c.mode;
    EXPECT_EQ(w->button("BtnZglGraph")->isVisible(), c.eot_graph) << c.mode;
    EXPECT_EQ(w->button("BtnSonnenbahn")->isVisible(), c.path_graph) << c.mode;
    EXPECT_EQ(w->field(Field::kTime)->isVisible(),
              c.mode == tables::kCalcPosition);
    EXPECT_EQ(w->field(Field::kAzimuth)->isVisible(),
              c.mode == tables::kCalcAzimuthTime);
    if (c.tables) {
      EXPECT_EQ(w->button("BtnTabellen")->text(), c.tables_text);
    }
    EXPECT_EQ(w->windowTitle(), c.title);
  }
}

TEST_F(CalculatorWindowTest, RetranslateRewritesCaptionsAndTheList) {
  auto w = Open(tables::kCalcEquationOfTime, 3, 1);
  QTest::mouseClick(w->button("BtnBerechnung"), Qt::LeftButton);
  EXPECT_TRUE(Lines(*w).join('\n').contains("Equation of Time:"));
  model_.Language = texts::Language::kGerman;
  w->Retranslate();
  EXPECT_EQ(w->button("BtnBerechnung")->text(), "Berechnung");
  EXPECT_EQ(w->button("BtnTabellen")->text(), "Ta&bellen zeigen");
  EXPECT_TRUE(Lines(*w).join('\n').contains("Zeitgleichung:"));
}

// "No" keeps the page open for the next list, "Yes" adds its list and
// ejects the page: one document, one page, both lists.
TEST_F(CalculatorWindowTest, PrintNoThenYesPutsBothListsOnOnePage) {
  auto w = Open(tables::kCalcEquationOfTime, 3, 1);
  int documents = 0;
  const fs::path pdf = dir_ / "lists.pdf";
  w->SetPrinterSource([&] {
    ++documents;
    return std::make_unique<QtPrinter>(QString::fromStdString(pdf.string()));
  });
  ui_.answers = {Answer::kCancel};
  QTest::mouseClick(w->button("BtnDrucken"), Qt::LeftButton);
  EXPECT_EQ(documents, 0);  // Cancel prints nothing
  ui_.answers = {Answer::kNo};
  QTest::mouseClick(w->button("BtnDrucken"), Qt::LeftButton);
  EXPECT_TRUE(w->print_channel_open());
  ui_.answers = {Answer::kYes};
  QTest::keyClick(w.get(), Qt::Key_F3);  // F3 behaves like "&Print"
  EXPECT_FALSE(w->print_channel_open());
  EXPECT_EQ(documents, 1);
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_GT(fs::file_size(pdf), 1000u);
  EXPECT_EQ(PdfPages(pdf), 1);
  EXPECT_EQ(ui_.shown.size(), 3u);  // the three form-feed questions
  EXPECT_EQ(ui_.shown.back().text, "Print data with following form feed?");
}

TEST_F(CalculatorWindowTest, PendingZoneWarningIsAskedOnClosing) {
  auto w = Open(tables::kCalcEquationOfTime, 3, 1);
  Type(*w, Field::kLongitude, "10");  // 25 degrees from the zone meridian
  EXPECT_TRUE(model_.ZoneWarningPending);
  QSignalSpy closing(w.get(), &CalculatorWindow::Closing);
  ui_.answers = {Answer::kNo};
  EXPECT_FALSE(w->close());
  EXPECT_TRUE(w->isVisible());
  EXPECT_TRUE(w->button("BtnSchliessen")->hasFocus());
  EXPECT_EQ(closing.count(), 0);
  ui_.answers = {Answer::kYes};
  QTest::mouseClick(w->button("BtnSchliessen"), Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(model_.ZoneWarningPending);
  EXPECT_EQ(closing.count(), 1);
}

TEST_F(CalculatorWindowTest, TablesButtonHandsOverTheMonthTableAndCloses) {
  model_.TwilightKind = 0;
  auto w = Open(tables::kCalcRiseSet, 1, 1);
  Type(*w, Field::kMonth, "4");
  QSignalSpy requested(w.get(), &CalculatorWindow::TablesRequested);
  QTest::mouseClick(w->button("BtnTabellen"), Qt::LeftButton);
  ASSERT_EQ(requested.count(), 1);
  const auto r =
      requested.at(0).at(0).value<tables::Calculator::TablesRequest>();
  EXPECT_TRUE(r.month_table);
  EXPECT_EQ(r.month, 4);
  EXPECT_EQ(model_.TwilightKind, 0);  // the user's twilight is kept
  EXPECT_FALSE(w->isVisible());
}

TEST_F(CalculatorWindowTest, MoreTablesOpensTheNoonTable) {
  auto w = Open(tables::kCalcAzimuthTime, 1, 1);
  Type(*w, Field::kAzimuth, "10");
  QSignalSpy requested(w.get(), &CalculatorWindow::TablesRequested);
  w->ChooseMoreTables(tables::Calculator::MoreTables::kNoon);
  ASSERT_EQ(requested.count(), 1);
  const auto r =
      requested.at(0).at(0).value<tables::Calculator::TablesRequest>();
  EXPECT_FALSE(r.month_table);
  EXPECT_EQ(r.kind, tables::YearTableKind::kMeridianPassage);
  EXPECT_EQ(state_.CalcMode, tables::kCalcEquationOfTime);
}

}  // namespace
}  // namespace lumtar::gui
