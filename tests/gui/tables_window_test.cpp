#include "gui/tables_window.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/qt_printer.h"
#include "platform/scripted_ui.h"
#include "tables/month_tables.h"
#include "tables/symmetric_table.h"
#include "tables/year_table.h"

namespace lumtar::gui {
namespace {

namespace fs = std::filesystem;
using app::TableSource;
using platform::Answer;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Clicks a check or radio button on its indicator (a click beyond its
// label does not hit a button stretched by its layout).
void ClickIndicator(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, b->height() / 2));
}

class TablesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_tables_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "home");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::unique_ptr<TablesWindow> Open() {
    auto w = std::make_unique<TablesWindow>(model_, ui_, nullptr, &state_);
    w->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    return w;
  }

  // The command-line tool's table for its built-in settings (the program
  // directory is an empty folder).
  fs::path Cli(const std::string& args, const std::string& name) {
    const fs::path out = dir_ / name;
    const std::string command = "LUMTAR_HOME=" + (dir_ / "home").string() +
                                " " + LUMTAR_CLI_PATH + " table " + args +
                                " -o " + out.string() + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return out;
  }

  fs::path dir_;
  model::Model model_;  // the built-in settings, as the tool has them
  tables::CalcState state_ = tables::StartupCalcState(1, 1);
  platform::ScriptedUi ui_;
};

// A table saved from the window has the bytes the command-line tool writes
// for the same model: the year tables and the month table, as text and as
// CSV with either separator.
TEST_F(TablesWindowTest, ExportEqualsTheCommandLineTool) {
  struct Case {
    const char* cli_args;
    int year_kind;  // radio button, or -1 for the month table
    int month;
    const char* file;  // chosen in the save dialog
    Answer separator;  // Yes ";" or No ","
  };
  const Case cases[] = {
      {"eot --csv ';'", 0, 0, "eot.csv", Answer::kYes},
      {"eot-longitude --csv ','", 1, 0, "eotl.csv", Answer::kNo},
      {"declination", 2, 0, "decl.txt", Answer::kYes},
      {"noon --csv ';'", 3, 0, "noon.csv", Answer::kYes},
      {"month --month 4 --csv ';'", -1, 4, "april.csv", Answer::kYes},
  };
  auto w = Open();
  for (const Case& c : cases) {
    if (c.year_kind >= 0) {
      ClickIndicator(w->year_kind_button(c.year_kind));
      EXPECT_EQ(w->choice().source, TableSource::kYear);
    } else {
      w->month_list()->setCurrentIndex(c.month - 1);
      EXPECT_EQ(w->choice().source, TableSource::kMonth);
    }
    const fs::path mine = dir_ / c.file;
    ui_.files = {mine.string()};
    ui_.answers = {c.separator};
    QTest::mouseClick(w->button("BtnSpeichern"), Qt::LeftButton);
    ASSERT_TRUE(fs::exists(mine)) << c.file;
    const std::string expected = ReadFile(Cli(c.cli_args, "cli.out"));
    ASSERT_GT(expected.size(), 1000u) << c.cli_args;
    EXPECT_TRUE(ReadFile(mine) == expected) << c.cli_args;
  }
  // A CSV with "," holds no ";" between its cells.
  EXPECT_EQ(ReadFile(dir_ / "eotl.csv").find(';'), std::string::npos);
}

TEST_F(TablesWindowTest, PrintsTheWideTableOnALandscapePdf) {
  auto w = Open();
  ClickIndicator(w->year_kind_button(3));
  const fs::path pdf = dir_ / "noon.pdf";
  w->SetPrinterSource([&] {
    return std::make_unique<QtPrinter>(QString::fromStdString(pdf.string()));
  });
  QTest::mouseClick(w->button("BtnDrucken"), Qt::LeftButton);
  ASSERT_TRUE(fs::exists(pdf));
  const std::string bytes = ReadFile(pdf);
  EXPECT_EQ(bytes.rfind("%PDF", 0), 0u);
  EXPECT_GT(bytes.size(), 2000u);
  const QRegularExpression box(
      R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+)\s*\])");
  const auto m = box.match(QString::fromLatin1(bytes));
  ASSERT_TRUE(m.hasMatch());
  EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble());
  EXPECT_TRUE(ui_.shown.empty());  // no failure message
}

// 11 points when 42 lines and the widest line fit; smaller otherwise, and
// at the chosen size they do fit (until the smallest size).
TEST_F(TablesWindowTest, FontShrinksUntil42LinesFit) {
  auto w = Open();
  for (const QSize size :
       {QSize(1800, 1300), QSize(900, 560), QSize(700, 420), QSize(400, 300)}) {
    w->resize(size);
    QApplication::processEvents();
    const int points = w->font_points();
    const QFontMetrics m(w->view()->font());
    EXPECT_EQ(w->view()->font().pointSize(), points);
    const QSize area = w->view()->viewport()->size();
    if (points > app::kTableMinPoints) {
      EXPECT_LE(42 * m.lineSpacing(), area.height()) << size.width();
    }
    if (points < app::kTableStartPoints && points > app::kTableMinPoints) {
      // One point larger would not fit.
      QFont larger = w->view()->font();
      larger.setPointSize(points + 1);
      const QFontMetrics ml(larger);
      int widest = 0;
      for (const auto& line : w->table().lines)
        widest = std::max(widest, tables::TextWidth(line));
      EXPECT_TRUE(42 * ml.lineSpacing() > area.height() - 8 ||
                  widest * ml.horizontalAdvance('M') > area.width() - 8)
          << size.width();
    }
  }
  w->resize(1800, 1300);
  QApplication::processEvents();
  EXPECT_EQ(w->font_points(), app::kTableStartPoints);
  w->resize(700, 420);
  QApplication::processEvents();
  EXPECT_LT(w->font_points(), app::kTableStartPoints);
}

TEST_F(TablesWindowTest, ChoicesSelectTheirTables) {
  auto w = Open();
  ClickIndicator(w->year_kind_button(0));
  EXPECT_TRUE(w->symmetric_check()->isVisible());
  ClickIndicator(w->year_kind_button(2));
  EXPECT_FALSE(w->symmetric_check()->isVisible());
  EXPECT_EQ(state_.YearTableKind, tables::YearTableKind::kDeclination);
  EXPECT_EQ(w->HelpContext(), 30);

  ClickIndicator(w->month_scope_button(2));
  EXPECT_EQ(w->choice().source, TableSource::kSecondHalfYear);
  EXPECT_EQ(w->table().lines, tables::BuildHalfYearTable(model_, 6).lines);
  EXPECT_EQ(w->HelpContext(), 28);

  w->twilight_list()->setCurrentIndex(0);
  w->month_list()->setCurrentIndex(1);
  EXPECT_EQ(model_.TwilightKind, 0);
  EXPECT_EQ(w->table().lines, tables::BuildMonthTable(model_, 2).lines);

  // The symmetric table with 120 values per year: 61 rows of pairs.
  ClickIndicator(w->year_kind_button(0));
  w->symmetric_lines()->setCurrentIndex(1);
  ClickIndicator(w->symmetric_check());
  EXPECT_EQ(w->choice().source, TableSource::kSymmetric);
  EXPECT_TRUE(w->button("BtnEotPaare")->isVisible());
  EXPECT_EQ(w->table().lines,
            tables::BuildSymmetricEotTable(model_, 120, '/').lines);
}

TEST_F(TablesWindowTest, RetranslateRebuildsTheTableInTheNewLanguage) {
  state_.CalcMode = tables::kCalcRiseSet;
  state_.CalcMonth = 5;
  auto w = Open();
  EXPECT_EQ(w->choice().source, TableSource::kMonth);
  const QString german = w->view()->toPlainText();
  EXPECT_TRUE(german.contains("Mai")) << german.left(200).toStdString();
  model_.Language = texts::Language::kEnglish;
  w->Retranslate();
  EXPECT_TRUE(w->view()->toPlainText().contains("May"));
  EXPECT_EQ(w->button("BtnDrucken")->text(), "&Print");
}

TEST_F(TablesWindowTest, ShowsTheTableTheCalculatorHandsOver) {
  auto w = Open();
  tables::Calculator::TablesRequest r;
  r.kind = tables::YearTableKind::kMeridianPassage;
  r.table = tables::BuildYearTable(model_, r.kind);
  w->ShowRequest(r);
  EXPECT_TRUE(w->year_kind_button(3)->isChecked());
  EXPECT_EQ(w->view()->toPlainText().split('\n').size(),
            static_cast<int>(r.table.lines.size()));
}

}  // namespace
}  // namespace lumtar::gui
