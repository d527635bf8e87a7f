#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "output/windows1252.h"
#include "platform/scripted_ui.h"
#include "tables/month_tables.h"
#include "tables/symmetric_table.h"
#include "tables/table_export.h"
#include "tables/table_print.h"
#include "tables/year_table.h"
#include "tables_test_support.h"

namespace lumtar::tables {
namespace {

namespace fs = std::filesystem;
using platform::Answer;
using platform::Caption;
using platform::ScriptedUi;
using testing::RecordingPrinter;
using testing::SiteModel;
using texts::Language;

// A fresh folder for each test, removed afterwards.
class TempDir {
 public:
  TempDir() {
    path_ = fs::temp_directory_path() /
            ("lumtar_tables_" + std::to_string(getpid()) + "_" +
             std::to_string(counter_++));
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }
  std::vector<std::string> Names() const {
    std::vector<std::string> v;
    for (const auto& e : fs::directory_iterator(path_))
      v.push_back(e.path().filename().string());
    return v;
  }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const auto end = text.find("\r\n", from);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(from, end - from));
    from = end + 2;
  }
  return lines;
}

TEST(TableCsv, CommaSeparatorLeavesNoSemicolonBetweenCells) {
  const TableText t = BuildYearTable(SiteModel(2020, Language::kGerman),
                                     YearTableKind::kEquationOfTime);
  const auto lines = SplitLines(TableFileText(t, TableFormat::kCsv, ','));
  ASSERT_EQ(lines.size(), t.lines.size());
  int rows = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].find(';'), std::string::npos) << lines[i];
    if (static_cast<int>(i) < t.header_line) {
      EXPECT_EQ(lines[i].rfind(" ,", 0), 0u) << lines[i];
    }
    if (!t.cells[i].empty() && static_cast<int>(i) > t.header_line) {
      // The day and twelve months.
      EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 12);
      ++rows;
    }
  }
  EXPECT_EQ(rows, 31);
  // With ";" the same cells, now between semicolons.
  const auto semi = SplitLines(TableFileText(t, TableFormat::kCsv, ';'));
  EXPECT_EQ(semi[t.header_line + 2].substr(0, 4), " 1.;");
}

TEST(TableCsv, MonthTableCellsAndQuoting) {
  // The heading holds ", " itself; with "," as separator it is quoted.
  const TableText t = BuildMonthTable(SiteModel(2020, Language::kEnglish), 1);
  const auto lines = SplitLines(TableFileText(t, TableFormat::kCsv, ','));
  EXPECT_EQ(lines[1],
            " ,\"Position: latitude 47.25°, longitude -9.59° (east "
            "negative)\"");
  const auto row = lines[t.header_line + 2];
  EXPECT_EQ(std::count(row.begin(), row.end(), ','), 8) << row;
  EXPECT_EQ(row.rfind("  1., ", 0), 0u) << row;
}

TEST(TableFile, TextIsWindows1252WithCrLf) {
  TempDir dir;
  const TableText t = BuildYearTable(SiteModel(2020, Language::kGerman),
                                     YearTableKind::kDeclination);
  const fs::path target = dir.path() / "decl.txt";
  std::string error;
  ASSERT_TRUE(WriteWindows1252File(
      target, TableFileText(t, TableFormat::kText, ';'), error))
      << error;
  const std::string bytes = ReadBytes(target);
  const auto lines = SplitLines(bytes);
  ASSERT_EQ(lines.size(), t.lines.size());
  // "für" and "°" are single Windows-1252 bytes (0xFC, 0xB0).
  EXPECT_NE(lines[0].find("f\xFCr 2020"), std::string::npos) << lines[0];
  EXPECT_NE(lines[0].find("-15.0\xB0 )"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[t.header_line + 2], t.lines[t.header_line + 2]);
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"decl.txt"});
}

TEST(TableFile, FailedWriteLeavesThePreviousFile) {
  TempDir dir;
  // A folder with the target's name cannot be replaced by a file.
  const fs::path target = dir.path() / "busy.txt";
  fs::create_directory(target);
  std::ofstream(target / "keep") << "old";
  std::string error;
  EXPECT_FALSE(WriteWindows1252File(target, "new\r\n", error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(target / "keep"), "old");
  EXPECT_EQ(dir.Names(), std::vector<std::string>{"busy.txt"});  // no temp
}

TEST(ExportTable, NameFormatAndSeparatorQuestion) {
  const TableText t = BuildYearTable(SiteModel(2020, Language::kEnglish),
                                     YearTableKind::kEquationOfTime);
  struct Case {
    const char* chosen;
    Answer separator_answer;
    const char* written;
    bool csv;
    char separator;
  } const cases[] = {
      {"Tabelle", Answer::kYes, "Tabelle.txt", false, 0},
      {"Tab.2020.TXT", Answer::kYes, "Tab.2020.txt", false, 0},
      {"eot.CSV", Answer::kYes, "eot.csv", true, ';'},
      {"eot.2020.csv", Answer::kNo, "eot.2020.csv", true, ','},
  };
  for (const Case& c : cases) {
    TempDir dir;
    ScriptedUi ui;
    ui.files = {(dir.path() / c.chosen).string()};
    ui.answers = {c.separator_answer};
    EXPECT_TRUE(ExportTable(t, ui, Language::kEnglish)) << c.chosen;
    EXPECT_EQ(dir.Names(), std::vector<std::string>{c.written});
    const auto lines = SplitLines(ReadBytes(dir.path() / c.written));
    ASSERT_FALSE(lines.empty());
    if (c.csv) {
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(ui.shown[0].caption, Caption::kQuestion);
      EXPECT_EQ(lines[0].substr(0, 2), std::string(" ") + c.separator);
    } else {
      EXPECT_TRUE(ui.shown.empty());
      EXPECT_EQ(lines[0], output::Utf8ToWindows1252(t.lines[0]));
    }
  }
}

TEST(ExportTable, CancelAndOpenError) {
  const TableText t = BuildMonthTable(SiteModel(2020, Language::kEnglish), 1);
  ScriptedUi cancel;
  cancel.files = {std::nullopt};
  EXPECT_FALSE(ExportTable(t, cancel, Language::kEnglish));
  EXPECT_TRUE(cancel.shown.empty());

  TempDir dir;
  ScriptedUi ui;
  const fs::path missing = dir.path() / "no" / "such" / "folder.txt";
  ui.files = {missing.string()};
  EXPECT_FALSE(ExportTable(t, ui, Language::kGerman));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kError);
  EXPECT_EQ(ui.shown[0].text, "Open error: File  " + missing.string());
}

TEST(SymmetricTable, SeventyTwoLinesGiveThirtySevenRows) {
  // N = 72: i = 18 .. 54, L1 = 90 .. 270 in steps of 5 degrees, each with
  // its partner L2 = 180 - L1 (mod 360) of the same declination.
  for (Language l : {Language::kEnglish, Language::kGerman}) {
    const TableText t = BuildSymmetricEotTable(SiteModel(2020, l), 72, '/');
    EXPECT_TRUE(t.lines[2].ends_with(l == Language::kEnglish ? " (36 lines )"
                                                             : " (36 Zeilen )"))
        << t.lines[2];
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 5; i < t.lines.size(); ++i) {
      if (t.lines[i].empty()) continue;
      std::vector<std::string> f;
      std::stringstream s(t.lines[i]);
      std::string field;
      while (std::getline(s, field, '/')) f.push_back(field);
      rows.push_back(f);
    }
    ASSERT_EQ(rows.size(), 37u);
    const double obliquity = 23.44;  // of 2020, rounded
    for (int k = 0; k < 37; ++k) {
      ASSERT_EQ(rows[k].size(), 9u) << t.lines[5];
      const double l1 = std::stod(rows[k][0]);
      const double l2 = std::stod(rows[k][1]);
      EXPECT_DOUBLE_EQ(l1, 90 + 5 * k);
      EXPECT_DOUBLE_EQ(std::fmod(l1 + l2 + 360, 360), 180);
      // sin(declination) = sin(L) sin(obliquity), the same for L1 and L2.
      EXPECT_NEAR(std::stod(rows[k][2]),
                  std::asin(std::sin(l1 * M_PI / 180) *
                            std::sin(obliquity * M_PI / 180)) *
                      180 / M_PI,
                  0.01);
      // The antisymmetric halves are +-half the difference of the two
      // equations of time; the error is the half of their sum.
      const double e1 = std::stod(rows[k][3]), e2 = std::stod(rows[k][4]);
      const auto h1 = testing::MinSecSeconds(rows[k][6]);
      const auto h2 = testing::MinSecSeconds(rows[k][7]);
      ASSERT_TRUE(h1 && h2);
      EXPECT_NEAR(*h1, -*h2, 1);  // each half rounded on its own
      EXPECT_NEAR(*h1, (e1 - e2) / 2, 1.01);
      EXPECT_NEAR(std::stod(rows[k][8]), std::fabs(e1 + e2) / 2, 1.01);
    }
    // L = 90 is its own partner.
    EXPECT_EQ(testing::Trimmed(rows[0][3]), testing::Trimmed(rows[0][4]));
  }
}

TEST(SymmetricTable, FollowsTheYearAndTheSeparator) {
  // The longitude of perihelion moves 1.7 degrees a century, so the
  // table of 1300 differs from that of 2500 (computed afresh for the year).
  const TableText a =
      BuildSymmetricEotTable(SiteModel(1300, Language::kEnglish), 72, ';');
  const TableText b =
      BuildSymmetricEotTable(SiteModel(2500, Language::kEnglish), 72, ';');
  EXPECT_NE(a.lines[6], b.lines[6]);
  EXPECT_NE(a.lines[1].find("1300"), std::string::npos);
  for (const auto& line : a.lines) EXPECT_EQ(line.find('/'), std::string::npos);
  EXPECT_EQ(a.lines[4],
            "    L1; L2      ; dekl ;      EoT1  ;    EoT2     ;;    Et1_s ;  "
            "Et2_s  ; Error[sec]");
}

TEST(SymmetricTable, SaveFlow) {
  TempDir dir;
  const model::Model m = SiteModel(2020, Language::kEnglish);
  ScriptedUi ui;
  ui.files = {(dir.path() / "pairs.csv").string()};
  EXPECT_TRUE(SaveSymmetricEotTable(m, 144, ui));
  const auto lines = SplitLines(ReadBytes(dir.path() / "pairs.csv"));
  EXPECT_NE(lines[4].find(';'), std::string::npos);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, (dir.path() / "pairs.csv").string() + " saved!");

  ScriptedUi cancel;
  cancel.files = {std::nullopt};
  EXPECT_FALSE(SaveSymmetricEotTable(m, 144, cancel));
  ASSERT_EQ(cancel.shown.size(), 1u);
  EXPECT_EQ(cancel.shown[0].text, "Action cancelled!");
}

TEST(PrintTable, OrientationFontAndPages) {
  struct Case {
    TableText table;
    platform::Orientation orientation;
  } const cases[] = {
      {BuildYearTable(SiteModel(2020, Language::kEnglish),
                      YearTableKind::kMeridianPassage),
       platform::Orientation::kLandscape},
      {BuildHalfYearTable(SiteModel(2020, Language::kEnglish), 0),
       platform::Orientation::kLandscape},
      {BuildMonthTable(SiteModel(2020, Language::kEnglish), 5),
       platform::Orientation::kPortrait},
  };
  for (const Case& c : cases) {
    RecordingPrinter printer;
    ScriptedUi ui;
    ASSERT_TRUE(PrintTable(c.table, printer, ui, Language::kEnglish));
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    EXPECT_EQ(doc.orientation, c.orientation);
    EXPECT_TRUE(doc.ended);
    // Every line in order, over as many pages as needed.
    std::vector<std::string> printed;
    for (const auto& page : doc.pages)
      printed.insert(printed.end(), page.begin(), page.end());
    EXPECT_EQ(printed, c.table.lines);
    // The widest line fits the page: 0.6 em per character.
    int widest = 0;
    for (const auto& l : c.table.lines) widest = std::max(widest, TextWidth(l));
    ASSERT_FALSE(doc.figures.empty());
    const auto& font = doc.figures[0].font;
    EXPECT_EQ(font.name, "MS Serif");
    EXPECT_EQ(font.weight, platform::kWeightBold);
    EXPECT_LE(widest * font.height * 6 / 10, printer.page_width());
    for (const auto& f : doc.figures)
      EXPECT_LT(f.points[0].y, printer.page_height());
  }
}

TEST(PrintTable, SmallPagesBreakAndFailuresAreReported) {
  RecordingPrinter printer;
  printer.height = 500;  // short pages: 500 / (1.2 x 39) = 10 lines
  ScriptedUi ui;
  const TableText t = BuildMonthTable(SiteModel(2020, Language::kEnglish), 5);
  ASSERT_TRUE(PrintTable(t, printer, ui, Language::kEnglish));
  const auto& pages = printer.documents[0].pages;
  EXPECT_EQ(pages.size(), (t.lines.size() + 9) / 10);
  EXPECT_EQ(pages[0].size(), 10u);

  RecordingPrinter broken;
  broken.fail_end = true;
  ScriptedUi ui2;
  EXPECT_FALSE(PrintTable(t, broken, ui2, Language::kEnglish));
  ASSERT_EQ(ui2.shown.size(), 1u);
  EXPECT_EQ(ui2.shown[0].text, "Error - Printing cancelled !");
}

TEST(PrintSymmetricTable, SixtyThreeRowsPerPageWithHeading) {
  RecordingPrinter printer;
  ScriptedUi ui;
  ASSERT_TRUE(PrintSymmetricEotTable(SiteModel(2020, Language::kGerman), 360,
                                     printer, ui));
  const auto& doc = printer.documents[0];
  EXPECT_EQ(doc.orientation, platform::Orientation::kPortrait);
  ASSERT_EQ(doc.pages.size(), 6u);  // 361 rows
  for (std::size_t p = 0; p < doc.pages.size(); ++p) {
    EXPECT_EQ(doc.pages[p][0],
              " nr    lam   delta   EoT[s]  Eotsym   (360 Zeilen)");
    EXPECT_EQ(doc.pages[p].size(), p < 5 ? 64u : 361u - 5 * 63 + 1);
  }
}

}  // namespace
}  // namespace lumtar::tables
