// The main window with the program's own windows: the calculation menu
// opens the calculator, the tables and the graph window in the mode of each
// item, F3 prints the open one, and the colour panel keeps its palette in
// the program's lum.ini.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/settings_file.h"
#include "app/tables_view.h"
#include "gui/calculator_window.h"
#include "gui/colour_panel.h"
#include "gui/graph_window.h"
#include "gui/help.h"
#include "gui/main_window.h"
#include "gui/qt_printer.h"
#include "gui/tables_window.h"
#include "platform/scripted_ui.h"

namespace lumtar::gui {
namespace {

namespace fs = std::filesystem;
using platform::Answer;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a text file, without their line ends.
std::vector<std::string> Lines(const fs::path& p) {
  std::vector<std::string> lines;
  std::ifstream in(p, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class MainWindowCalculationTest : public ::testing::Test {
 protected:
  MainWindowCalculationTest()
      : home_(fs::path(::testing::TempDir()) /
              ("lumtar_calcmenu_" + std::to_string(::getpid()))),
        help_(model_, [](const QUrl&) { return true; }) {
    fs::remove_all(home_);
    fs::create_directories(home_);
    setenv("LUMTAR_HOME", home_.c_str(), 1);
    model_.Language = texts::Language::kEnglish;
    window_ = std::make_unique<MainWindow>(
        model_, ui_, DefaultWindowFactories(model_, ui_), help_);
    window_->ApplyLanguage();
  }
  ~MainWindowCalculationTest() override {
    window_.reset();
    fs::remove_all(home_);
  }

  static void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
  template <class W>
  W* Open(WindowRole role) const {
    return qobject_cast<W*>(window_->OpenWindowOf(role));
  }
  // Triggers a menu item and lets the window it replaced go.
  void Trigger(int item) {
    QAction* a = window_->MenuAction(item);
    ASSERT_TRUE(a->isEnabled()) << item;
    a->trigger();
    Settle();
  }
  QString Key(int item) const {
    return window_->MenuAction(item)->shortcut().toString(
        QKeySequence::PortableText);
  }

  fs::path home_;
  model::Model model_;
  platform::ScriptedUi ui_;
  Help help_;
  std::unique_ptr<MainWindow> window_;
};

// The items, their keys and modes as the main menu lists them; the help
// contexts are those the calculator gives for each mode.
TEST_F(MainWindowCalculationTest, CalculatorItemsOpenTheCalculatorInTheirMode) {
  struct Case {
    int item;
    const char* key;
    int calc_mode;
    int help_context;
  };
  for (const Case c : {Case{24, "F9", 1, 28}, Case{25, "F10", 2, 29},
                       Case{26, "F11", 4, 49}, Case{27, "F12", 8, 30}}) {
    SCOPED_TRACE(c.item);
    EXPECT_EQ(Key(c.item), c.key);
    Trigger(c.item);
    auto* calc = Open<CalculatorWindow>(WindowRole::kCalculator);
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(calc->state().CalcMode, c.calc_mode);
    EXPECT_EQ(calc->HelpContext(), c.help_context);
    // One activity at a time: the calculator replaced the one before.
    EXPECT_EQ(window_->work_area()->subWindowList().size(), 1);
    EXPECT_TRUE(window_->MenuAction(5)->isEnabled());  // F3
  }
}

TEST_F(MainWindowCalculationTest, TableItemsOpenTheTablesWindowWithTheirTable) {
  using app::TableSource;
  using YK = tables::YearTableKind;
  struct Case {
    int item;
    const char* key;
    TableSource source;
    YK kind;
  };
  const Case cases[] = {
      {29, "Alt+F9", TableSource::kMonth, YK::kEquationOfTime},
      {30, "Alt+F12", TableSource::kYear, YK::kEquationOfTime},
      {31, "Alt+F10", TableSource::kYear, YK::kDeclination},
      {32, "Alt+F11", TableSource::kYear, YK::kMeridianPassage},
  };
  // Open a calculator first: the table replaces it.
  Trigger(27);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    EXPECT_EQ(Key(c.item), c.key);
    Trigger(c.item);
    EXPECT_EQ(window_->OpenWindowOf(WindowRole::kCalculator), nullptr);
    auto* t = Open<TablesWindow>(WindowRole::kTables);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->choice().source, c.source);
    if (c.source == TableSource::kYear) {
      EXPECT_EQ(t->choice().kind, c.kind);
    }
    // The month table is that of the calculator's month.
    if (c.source == TableSource::kMonth) {
      EXPECT_EQ(t->choice().month, window_->calculation().calc.CalcMonth);
    }
    EXPECT_EQ(t->table().lines,
              app::BuildChosenTable(model_, t->choice()).lines);
    EXPECT_FALSE(t->table().lines.empty());
    EXPECT_EQ(window_->work_area()->subWindowList().size(), 1);
  }
}

TEST_F(MainWindowCalculationTest, GraphItemsOpenTheGraphWindowWithTheirGraph) {
  using GK = tables::GraphKind;
  struct Case {
    int item;
    const char* key;
    GK kind;
  };
  for (const Case c :
       {Case{33, "Ctrl+F12", GK::kEot}, Case{35, "Ctrl+F10", GK::kSunPathRect},
        Case{36, "Ctrl+F11", GK::kSunPathPolar}}) {
    SCOPED_TRACE(c.item);
    EXPECT_EQ(Key(c.item), c.key);
    Trigger(c.item);
    auto* g = Open<GraphWindow>(WindowRole::kGraph);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->request().kind, c.kind);
    EXPECT_FALSE(g->image().isNull());
    // Printed as a graph, never as a window image.
    EXPECT_TRUE(window_->MenuAction(5)->isEnabled());
    EXPECT_FALSE(window_->MenuAction(6)->isVisible());
  }
  window_->CloseAllOrCancel();
  Settle();
  EXPECT_TRUE(window_->MenuAction(6)->isVisible());
}

TEST_F(MainWindowCalculationTest, CalculatorTablesButtonHandsOverToTheTables) {
  Trigger(27);  // equation of time and declination at noon
  auto* calc = Open<CalculatorWindow>(WindowRole::kCalculator);
  ASSERT_NE(calc, nullptr);
  window_->calculation().calc.YearTableKind =
      tables::YearTableKind::kDeclination;
  QTest::mouseClick(calc->button("BtnTabellen"), Qt::LeftButton);
  Settle();
  Settle();
  EXPECT_EQ(window_->OpenWindowOf(WindowRole::kCalculator), nullptr);
  auto* t = Open<TablesWindow>(WindowRole::kTables);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->choice().kind, tables::YearTableKind::kDeclination);
  EXPECT_EQ(window_->work_area()->subWindowList().size(), 1);

  // The tables window's graph buttons open the graph window.
  QTest::mouseClick(t->button("BtnBahnKreis"), Qt::LeftButton);
  Settle();
  auto* g = Open<GraphWindow>(WindowRole::kGraph);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->request().kind, tables::GraphKind::kSunPathPolar);
  EXPECT_EQ(window_->OpenWindowOf(WindowRole::kTables), nullptr);
}

TEST_F(MainWindowCalculationTest, CalculatorGraphButtonOpensTheEotGraph) {
  Trigger(27);
  auto* calc = Open<CalculatorWindow>(WindowRole::kCalculator);
  ASSERT_NE(calc, nullptr);
  QTest::mouseClick(calc->button("BtnZglGraph"), Qt::LeftButton);
  Settle();
  auto* g = Open<GraphWindow>(WindowRole::kGraph);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->request().kind, tables::GraphKind::kEot);
}

// F3 of the main window prints the calculator's list after the form-feed
// question; "Yes" ejects the page, so the PDF is complete at once.
TEST_F(MainWindowCalculationTest, F3PrintsTheCalculatorsList) {
  Trigger(25);  // position of the sun
  auto* calc = Open<CalculatorWindow>(WindowRole::kCalculator);
  ASSERT_NE(calc, nullptr);
  const fs::path pdf = home_ / "list.pdf";
  calc->SetPrinterSource([&] {
    return std::make_unique<QtPrinter>(QString::fromStdString(pdf.string()));
  });
  window_->show();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  ui_.answers = {Answer::kYes};
  QTest::keyClick(calc, Qt::Key_F3);
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().text, "Print data with following form feed?");
  EXPECT_FALSE(calc->print_channel_open());
  ASSERT_TRUE(fs::exists(pdf));
  const QString text = QString::fromLatin1(ReadFile(pdf));
  EXPECT_EQ(text.count(QRegularExpression(R"(/Type\s*/Page[^s])")), 1);
}

// Save writes the twelve colours after "[Farben]" of the program's
// lum.ini; Load reads them back.
TEST_F(MainWindowCalculationTest, ColourPanelSavesAndLoadsTheSettingsPalette) {
  platform::ScriptedUi quiet;
  ASSERT_TRUE(app::WriteSettingsFile(home_ / "lum.ini", model_, quiet));
  window_->OpenActivity(WindowRole::kColours);
  auto* panel = qobject_cast<ColourPanel*>(window_->colour_panel());
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(panel->save_button()->isEnabled());
  ASSERT_TRUE(panel->load_button()->isEnabled());

  model_.Colors[0] = 0x123456;
  model_.Colors[11] = 0xABCDEF;
  QTest::mouseClick(panel->save_button(), Qt::LeftButton);
  ASSERT_FALSE(ui_.shown.empty());
  EXPECT_EQ(ui_.shown.back().text, "Colors saved in INI-File lum.ini!");
  const std::vector<std::string> lines = Lines(home_ / "lum.ini");
  const auto farben = std::find(lines.begin(), lines.end(), "[Farben]");
  ASSERT_NE(farben, lines.end());
  ASSERT_GE(lines.end() - farben, 13);
  EXPECT_EQ(farben[1], std::to_string(0x123456));
  EXPECT_EQ(farben[12], std::to_string(0xABCDEF));

  model_.Colors[0] = 0;
  model_.Colors[11] = 0;
  QTest::mouseClick(panel->load_button(), Qt::LeftButton);
  EXPECT_EQ(model_.Colors[0], 0x123456u);
  EXPECT_EQ(model_.Colors[11], 0xABCDEFu);
}

// Closing the colour panel draws an open graph again in the new colours.
TEST_F(MainWindowCalculationTest, ClosingTheColourPanelRedrawsTheGraph) {
  Trigger(33);
  auto* g = Open<GraphWindow>(WindowRole::kGraph);
  ASSERT_NE(g, nullptr);
  const QImage before = g->image().copy();
  window_->OpenActivity(WindowRole::kColours);
  ASSERT_NE(window_->colour_panel(), nullptr);
  // The panel stands beside the graph; the graph stays open.
  ASSERT_EQ(Open<GraphWindow>(WindowRole::kGraph), g);
  model_.Colors[1] = 0x00FF00;  // the curve's colour
  EXPECT_EQ(g->image(), before);
  window_->colour_panel()->close();
  EXPECT_NE(g->image(), before);
}

}  // namespace
}  // namespace lumtar::gui
