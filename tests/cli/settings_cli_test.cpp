#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/ansi_text_file.h"
#include "app/model_fields.h"
#include "app/settings_file.h"
#include "cli/commands.h"
#include "cli/model_options.h"
#include "platform/scripted_ui.h"

namespace lumtar::cli {
namespace {

struct CliResult {
  int rc;
  std::string out, err;
};

CliResult Cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int rc = RunCommand(args, out, err);
  return {rc, out.str(), err.str()};
}

class Folder {
 public:
  Folder() {
    std::string p =
        (std::filesystem::temp_directory_path() / "lumtar_cli_XXXXXX").string();
    path_ = mkdtemp(p.data());
  }
  ~Folder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string operator/(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

std::string Bytes(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Save(const std::string& file, const model::Model& m) {
  platform::ScriptedUi ui;
  ASSERT_TRUE(app::WriteSettingsFile(file, m, ui));
}

TEST(CliSettings, DefaultIsTheBuiltInDefaultsAsTheProgramWritesThem) {
  const CliResult r = Cli({"settings", "default"});
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_TRUE(r.err.empty());
  EXPECT_NE(r.out.find("21/03    ( 21. M\xE4rz )\r\n"), std::string::npos);
  EXPECT_EQ(r.out.find("\xC3"), std::string::npos);
  EXPECT_EQ(r.out.substr(0, 6), "2020\r\n");
  // Read back: no message, and every field as in a fresh model.
  platform::ScriptedUi ui;
  model::Model read;
  read.parameters.Latitude = 1;
  const auto report = app::ReadSettingsLines(
      app::SplitLines(app::DecodeWindows1252(r.out)), "stdout", read, ui);
  EXPECT_TRUE(report.bad_lines.empty());
  EXPECT_TRUE(ui.shown.empty());
  const model::Model defaults;
  for (const app::ModelField& f : app::ModelFields())
    EXPECT_EQ(f.get(read), f.get(defaults)) << f.name;
}

TEST(CliSettings, ShowListsEveryFieldSoThatItCanBeSetAgain) {
  Folder dir;
  model::Model m;
  m.DialKind = 'a';
  m.parameters.Latitude = -33.5;
  m.options.ShowItalianHours = true;
  m.DateLineList = {"01/05 (Mai)"};
  app::UpdateDerivedValues(m);
  Save(dir / "dial.lum", m);
  const CliResult r = Cli({"settings", "show", dir / "dial.lum"});
  ASSERT_EQ(r.rc, 0) << r.err;
  // Every NAME=VALUE line, set on a fresh model, gives the shown model.
  model::Model again;
  std::istringstream lines(r.out);
  std::string line;
  int fields = 0;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::size_t comment = line.find("  # ");
    std::string assignment = line.substr(0, comment);
    while (!assignment.empty() && assignment.back() == ' ')
      assignment.pop_back();
    const std::size_t eq = assignment.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    const std::string name = assignment.substr(0, eq);
    const app::ModelField* f = app::FindModelField(name);
    ASSERT_NE(f, nullptr) << name;
    ++fields;
    if (f->storage == app::FieldStorage::kDerived) continue;
    EXPECT_FALSE(f->set(again, assignment.substr(eq + 1))) << line;
  }
  EXPECT_EQ(fields, static_cast<int>(app::ModelFields().size()));
  app::UpdateDerivedValues(again);
  for (const app::ModelField& f : app::ModelFields())
    EXPECT_EQ(f.get(again), f.get(m)) << f.name;
}

TEST(CliSettings, ShowJsonHasEveryFieldWithItsType) {
  Folder dir;
  model::Model m;
  m.parameters.Latitude = -33.5;
  Save(dir / "dial.lum", m);
  const CliResult r = Cli({"settings", "show", dir / "dial.lum", "--json",
                           "--set", "DialKind=z", "--set=CylinderVariant=2"});
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_NE(r.out.find("\"Latitude\": -33.5,"), std::string::npos);
  EXPECT_NE(r.out.find("\"DialKind\": \"z\","), std::string::npos);
  EXPECT_NE(r.out.find("\"CylinderVariant\": 2,"), std::string::npos);
  EXPECT_NE(r.out.find("\"ColourRoleBlock\": 36,"), std::string::npos);
  EXPECT_NE(r.out.find("\"ShowHourLines\": true,"), std::string::npos);
  EXPECT_NE(r.out.find("\"DateLineList\": [\"21/03    ( 21. M\xC3\xA4rz )\", "),
            std::string::npos);
  for (const app::ModelField& f : app::ModelFields())
    EXPECT_NE(r.out.find("\"" + std::string(f.name) + "\": "),
              std::string::npos)
        << f.name;
}

TEST(CliSettings, BadSetIsOneLineWithExitCode2) {
  struct {
    std::vector<std::string> args;
    const char* message;
  } const cases[] = {
      {{"settings", "show", "--set", "Latitude=95"},
       "lumtar-cli: --set Latitude=95: expected a number in [-90, 90]\n"},
      {{"settings", "show", "--set", "Lattitude=5"},
       "lumtar-cli: --set Lattitude=5: unknown field 'Lattitude'\n"},
      {{"settings", "show", "--set", "Latitude"},
       "lumtar-cli: --set 'Latitude': expected NAME=VALUE\n"},
      {{"settings", "show", "--set", "UmbrellaFlag=1", "--set", "DialKind=q"},
       "lumtar-cli: --set: UmbrellaFlag = 1 needs DialKind h, i or v (the "
       "umbrella plane)\n"},
      {{"settings", "check"}, "lumtar-cli: settings check: FILE is required\n"},
  };
  for (const auto& c : cases) {
    const CliResult r = Cli(c.args);
    EXPECT_EQ(r.rc, 2) << c.message;
    EXPECT_EQ(r.err, c.message);
    EXPECT_TRUE(r.out.empty()) << r.out;
  }
}

TEST(CliSettings, CheckPrintsTheMessagesAndNeverWrites) {
  Folder dir;
  Save(dir / "lum.ini", model::Model{});
  CliResult r = Cli({"settings", "check", dir / "lum.ini"});
  EXPECT_EQ(r.rc, 0);
  EXPECT_TRUE(r.out.empty()) << r.out;

  // Line 1 (0-based) with a latitude of 100, and an unknown kind.
  auto text = Bytes(dir / "lum.ini");
  text.replace(text.find(" 47.251315;"), 11, "100;");
  text.replace(text.find("\r\nv\r\n"), 5, "\r\nx\r\n");
  for (const std::string name : {"lum.ini", "dial.lum"}) {
    std::ofstream(dir / name, std::ios::binary) << text;
    r = Cli({"settings", "check", dir / name});
    EXPECT_EQ(r.rc, 1) << name;
    std::string expected =
        "LUMTAR.EXE - Error! In Line 1:100 : INI-Datei ist fehlerhaft!\n"
        "LUMTAR.EXE - Error! In Line 10:x : INI-Datei ist fehlerhaft!\n";
    // Only lum.ini is offered a correction, and the answer is No.
    if (name == "lum.ini")
      expected += "LUMTAR.EXE - Problem! " + (dir / name) +
                  " : Zeile 2 Die Datei enth\xC3\xA4lt Fehler und wird jetzt "
                  "korrigiert. Darf das jetzt geschehen?\n";
    EXPECT_EQ(r.out, expected) << name;
    EXPECT_EQ(Bytes(dir / name), text) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "lum_ini.bak"));

  // A missing lum.ini is not created.
  r = Cli({"settings", "check", dir / "sub" + "/lum.ini"});
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.out.rfind("LUMTAR.EXE - Question ", 0), 0u) << r.out;
  EXPECT_FALSE(std::filesystem::exists(dir / "sub"));
}

TEST(CliSettings, ShowOfADamagedFileFails) {
  Folder dir;
  std::ofstream(dir / "bad.lum", std::ios::binary) << "2020\r\n[Farben]\r\n";
  const CliResult r = Cli({"settings", "show", dir / "bad.lum"});
  EXPECT_EQ(r.rc, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("gives no settings"), std::string::npos);
}

TEST(ModelOptions, SettingsFileThenOverrides) {
  Folder dir;
  model::Model m;
  m.parameters.Year = 1999;
  m.parameters.Latitude = 12.5;
  Save(dir / "dial.lum", m);
  const Options o({"--settings", dir / "dial.lum", "--set", "Latitude=50",
                   "--set", "DialKind=w"},
                  kModelValuedOptions, {}, kModelRepeatedOptions);
  std::ostringstream err;
  const model::Model got = ModelFromOptions(o, err, texts::Language::kEnglish);
  EXPECT_EQ(got.parameters.Year, 1999);
  EXPECT_EQ(got.parameters.Latitude, 50);
  EXPECT_EQ(got.DialKind, 'w');
  EXPECT_EQ(got.ColourRoleBlock, 84);
  EXPECT_TRUE(err.str().empty());

  const Options missing({"--settings", dir / "none.lum"}, kModelValuedOptions,
                        {}, kModelRepeatedOptions);
  EXPECT_THROW(ModelFromOptions(missing, err, texts::Language::kEnglish),
               ArgumentError);
  // Without --settings: the built-in defaults.
  const Options none({}, kModelValuedOptions, {}, kModelRepeatedOptions);
  EXPECT_EQ(ModelFromOptions(none, err, texts::Language::kEnglish)
                .parameters.Latitude,
            model::DialParameters{}.Latitude);
}

TEST(ModelOptions, RepeatedOptionsKeepTheirOrderOthersStayUnique) {
  const Options o({"--set", "a=1", "--x", "5", "--set=b=2"}, {"x"}, {},
                  {"set"});
  EXPECT_EQ(o.GetAll("set"), (std::vector<std::string>{"a=1", "b=2"}));
  EXPECT_EQ(o.Get("x").value_or(""), "5");
  EXPECT_THROW(Options({"--x", "1", "--x", "2"}, {"x"}, {}, {"set"}),
               ArgumentError);
}

TEST(ScriptUi, QuestionsAreAnsweredNo) {
  std::ostringstream out;
  ScriptUi ui(out, texts::Language::kEnglish);
  EXPECT_EQ(ui.Message(platform::Caption::kQuestion, "Create?\r\nNow?",
                       platform::Buttons::kYesNo),
            platform::Answer::kNo);
  EXPECT_EQ(
      ui.Message(platform::Caption::kError, "x", platform::Buttons::kOkCancel),
      platform::Answer::kCancel);
  EXPECT_EQ(out.str(),
            "LUMTAR.EXE - Question Create? Now?\nLUMTAR.EXE - Error! x\n");
  EXPECT_EQ(ui.messages(), 2);
}

}  // namespace
}  // namespace lumtar::cli
