#include "cli/table_command.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/settings_file.h"
#include "cli/commands.h"
#include "platform/scripted_ui.h"
#include "tables/calculator.h"
#include "tables/month_tables.h"
#include "tables/year_table.h"

namespace lumtar::cli {
namespace {

namespace fs = std::filesystem;

struct TableRun {
  int rc;
  std::string out, err;
};

// Runs the command in English (the built-in defaults speak German).
TableRun Table(std::vector<std::string> args) {
  args.insert(args.end(), {"--set", "Language=en"});
  std::ostringstream out, err;
  const int rc = RunTableCommand(args, out, err);
  return {rc, out.str(), err.str()};
}

std::string Joined(const tables::TableText& t) {
  std::string s;
  for (const auto& l : t.lines) s += l + "\n";
  return s;
}

model::Model English() {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  return m;
}

TEST(TableCommand, EachTableAsText) {
  const model::Model m = English();
  struct Case {
    std::vector<std::string> args;
    tables::TableText expected;
  } const cases[] = {
      {{"eot"},
       tables::BuildYearTable(m, tables::YearTableKind::kEquationOfTime)},
      {{"eot-longitude"},
       tables::BuildYearTable(m, tables::YearTableKind::kEotWithLongitude)},
      {{"declination"},
       tables::BuildYearTable(m, tables::YearTableKind::kDeclination)},
      {{"noon"},
       tables::BuildYearTable(m, tables::YearTableKind::kMeridianPassage)},
      {{"month", "--month", "2"}, tables::BuildMonthTable(m, 2)},
      {{"halfyear", "--month", "9"}, tables::BuildHalfYearTable(m, 6)},
  };
  for (const Case& c : cases) {
    const TableRun r = Table(c.args);
    EXPECT_EQ(r.rc, 0) << c.args[0] << ": " << r.err;
    EXPECT_EQ(r.out, Joined(c.expected)) << c.args[0];
    EXPECT_TRUE(r.err.empty());
  }
  const TableRun s = Table({"symmetric", "--lines", "120"});
  EXPECT_EQ(s.rc, 0);
  EXPECT_NE(s.out.find("(60 lines )"), std::string::npos);
}

TEST(TableCommand, CsvAndFileOutput) {
  const model::Model m = English();
  const TableRun comma = Table({"declination", "--csv", ","});
  ASSERT_EQ(comma.rc, 0);
  EXPECT_EQ(comma.out.find(';'), std::string::npos);
  EXPECT_NE(comma.out.find("\n 1., -23.02"), std::string::npos) << comma.out;
  const TableRun semi = Table({"symmetric", "--csv", ";"});
  EXPECT_NE(semi.out.find("    L1; L2"), std::string::npos);

  const fs::path dir = fs::temp_directory_path() /
                       ("lumtar_table_cli_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path file = dir / "eot.txt";
  const TableRun written = Table({"eot", "-o", file.string()});
  EXPECT_EQ(written.rc, 0) << written.err;
  EXPECT_TRUE(written.out.empty());
  std::ifstream in(file, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  // CR LF line ends and the Windows-1252 degree sign.
  EXPECT_NE(bytes.str().find("-15.0\xB0 )\r\n"), std::string::npos);
  const TableRun failed =
      Table({"eot", "-o", (dir / "missing" / "x.txt").string()});
  EXPECT_EQ(failed.rc, 1);
  EXPECT_FALSE(failed.err.empty());
  fs::remove_all(dir);
}

TEST(TableCommand, BadArgumentsAreOneLineAndExitTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"sundial"},
      {"eot", "noon"},
      {"eot", "--month", "3"},
      {"month", "--month", "13"},
      {"month", "--month"},
      {"symmetric", "--lines", "73"},
      {"eot", "--csv", "|"},
      {"eot", "--bogus", "1"},
      {"month", "--month", "3", "--month", "4"},
      {"eot", "--set", "Latitude=91"},
      {"eot", "--set", "Nonsense=1"},
      {"eot", "--settings", "/nonexistent/lum.ini"},
  };
  for (const auto& args : cases) {
    const TableRun r = Table(args);
    EXPECT_EQ(r.rc, 2) << (args.empty() ? "" : args[0]);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
  }
}

// Site and year come from --settings and --set as for draw: a settings
// file written from a model with another site and year, then a --set on
// top of it, give the tables of that model.
TEST(TableCommand, SiteAndYearFromSettingsAndSet) {
  const fs::path dir = fs::temp_directory_path() /
                       ("lumtar_table_settings_" + std::to_string(getpid()));
  fs::create_directories(dir);
  model::Model saved = English();
  saved.parameters.Latitude = 55.5;
  saved.parameters.Longitude = -12.5;
  saved.parameters.Year = 1700;
  platform::ScriptedUi ui;
  ASSERT_TRUE(app::WriteSettingsFile(dir / "lum.ini", saved, ui));

  model::Model expected = saved;
  const TableRun from_file =
      Table({"noon", "--settings", (dir / "lum.ini").string()});
  ASSERT_EQ(from_file.rc, 0) << from_file.err;
  EXPECT_EQ(from_file.out,
            Joined(tables::BuildYearTable(
                expected, tables::YearTableKind::kMeridianPassage)));

  expected.parameters.Year = 1500;
  expected.parameters.ZoneMeridian = 0;
  const TableRun with_set =
      Table({"month", "--month", "2", "--settings", (dir / "lum.ini").string(),
             "--set", "Year=1500", "--set", "ZoneMeridian=0"});
  ASSERT_EQ(with_set.rc, 0) << with_set.err;
  EXPECT_EQ(with_set.out, Joined(tables::BuildMonthTable(expected, 2)));
  // Julian 1500 has a 29 February.
  EXPECT_NE(with_set.out.find("\n 29. "), std::string::npos);
  fs::remove_all(dir);
}

TEST(TableCommand, ReachableFromTheCommandList) {
  std::ostringstream out, err;
  EXPECT_EQ(RunCommand({"table", "noon"}, out, err), 0) << err.str();
  // The default model is German.
  EXPECT_EQ(out.str().rfind("  Zeit des Meridiandurchgangs", 0), 0u);
}

// The text of sun, riseset and azimuth-time is the calculator's list.
std::string CalculatorLines(int mode, int month, int day,
                            void (*setup)(tables::Calculator&)) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  m.parameters.Latitude = 47.25;
  m.parameters.Longitude = -9.59;
  m.parameters.ZoneMeridian = -15;
  m.parameters.Year = 2020;
  m.TwilightKind = 0;
  tables::CalcState s = tables::StartupCalcState(month, day);
  s.CalcMode = mode;
  platform::ScriptedUi ui;
  tables::Calculator c(m, s, ui);
  c.Open();
  setup(c);
  EXPECT_TRUE(c.Calculate());
  std::string text;
  for (const auto& l : c.ResultList()) text += l + "\n";
  return text;
}

TEST(AstroCommandsText, PrintTheCalculatorsResultList) {
  const std::vector<std::string> site = {"--lat",  "47.25",     "--lon",
                                         "-9.59",  "--zone",    "-15",
                                         "--date", "2020-06-21"};
  auto run = [&](std::vector<std::string> args) {
    args.insert(args.begin() + 1, site.begin(), site.end());
    std::ostringstream out, err;
    EXPECT_EQ(RunCommand(args, out, err), 0) << err.str();
    return out.str();
  };
  EXPECT_EQ(
      run({"sun", "--time", "14:30", "--kind", "mean"}),
      CalculatorLines(tables::kCalcPosition, 6, 21, [](tables::Calculator& c) {
        c.time = "14:30:00";
        c.time_kind = tables::Calculator::TimeKindChoice::kLocalMean;
      }));
  EXPECT_EQ(
      run({"riseset", "--twilight", "civil"}),
      CalculatorLines(tables::kCalcRiseSet, 6, 21, [](tables::Calculator&) {}));
  EXPECT_EQ(run({"azimuth-time", "--azimuth", "45"}),
            CalculatorLines(tables::kCalcAzimuthTime, 6, 21,
                            [](tables::Calculator& c) { c.azimuth = "45"; }));
}

}  // namespace
}  // namespace lumtar::cli
