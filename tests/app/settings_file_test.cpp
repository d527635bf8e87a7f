#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/ansi_text_file.h"
#include "app/model_fields.h"
#include "platform/scripted_ui.h"
#include "test_support.h"

namespace lumtar::app {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Caption;
using ScriptedUi = testing::QuestionUi;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::vector<std::string> DefaultLines() {
  ScriptedUi ui;
  return WriteSettingsLines(model::Model{}, ui);
}

// The default file in English, so that messages read in English.
std::vector<std::string> EnglishLines() {
  auto lines = DefaultLines();
  lines[13] = "Ejnnn";
  return lines;
}

std::string Value(const model::Model& m, std::string_view field) {
  const ModelField* f = FindModelField(field);
  EXPECT_NE(f, nullptr) << field;
  return f == nullptr ? "" : f->get(m);
}

int Questions(const ScriptedUi& ui) {
  return static_cast<int>(std::count_if(
      ui.shown.begin(), ui.shown.end(),
      [](const auto& s) { return s.buttons == Buttons::kYesNo; }));
}

TEST(SettingsFile, DefaultFileHasTheDocumentedLayout) {
  // Built by hand from the format of each line (Fixed(w, d) right-aligned
  // in w characters) and the built-in defaults.
  const std::vector<std::string> expected_head = {
      "2020",
      " 47.251315;       47.25",
      " -9.590825;      -15.00",
      "      -15.00",
      " 35.00; 51.00;  250.00;    270",
      "70,170,150,25,100,150, 200.0",
      " -11.700000; 78.300000",
      "  25.458900; 47.251315; 12.000000",
      "13;  90.0;   5.00;   2",
      // 0 zodiac, 0 = 60 min, ..., 17 "j" = local time, 18 "1" = 30 min,
      // 24 "1" = 1st and 15th, 29 line width 1, 33 horizontoscope, 34 1.
      "00njjjnnnn"
      "nn0njnnj1j"
      "nnnn1jj0j1"
      "nn0110nj",
      "v",
      "8",
      "19",
      "Djnnn",
      "true",
      "   0.350000; 150.00;  80.00; 30.0",
      "    2.0;    32;  -0.8749",
      "   0.00;  11.72; -11.72",
      "[Farben]",
      "0",         // black
      "16711680",  // 0xFF0000 blue
      "255",       // red
      "8388608",   // 0x800000 navy
      "32896",     // 0x008080 olive
      "32768",     // 0x008000 green
      "16776960",  // 0xFFFF00 aqua
      "8421504",   // grey
      "65280",     // lime
      "16711935",  // fuchsia
      "8421504",   // grey
      "10543327",  // pale khaki
      "[Zeiten]",
      "9",
      "17",
      "0",
      "20",
      "5",
      "24",
      "1",
      "11",
      "20",
      "70",
      "10",
      "18",
      "1",
      "6",
      "010100",  // the sixth digit: the model's 0
      "[Datumslinien]",
      "21/03    ( 21. M\xC3\xA4rz )",
      "21/06    ( 21. Juni )",
      "21/12    ( 21. Dezember )",
  };
  EXPECT_EQ(DefaultLines(), expected_head);
}

// Values at the precision the file keeps, none of them a default. Several
// are outside the narrower checks of older readers but inside the pages'
// ranges (PeaucellierUnit 5, SawyerHourAngle 0.75, PeaucellierConstant
// 2.05, ConeHalfAngle 0.5).
const std::pair<const char*, const char*> kStoredValues[] = {
    {"Latitude", "-33.912345"},
    {"Longitude", "151.204567"},
    {"ZoneMeridian", "-150.25"},
    {"WallDeclination", "23.456789"},
    {"Inclination", "104.5"},
    {"ConeAxisInclination", "123.456789"},
    {"ConeHalfAngle", "0.5"},
    {"UmbrellaDiskRatio", "-0.125"},
    {"GnomonHeight", "87.65"},
    {"HabermelGnomon", "42.5"},
    {"HabermelDiameter", "187.5"},
    {"RingHolePosition", "62.5"},
    {"RingDiameter", "222.22"},
    {"RingWidth", "12.34"},
    {"Latitude2", "-12.34"},
    {"Longitude2", "98.76"},
    {"WallDeclination2", "-45.678901"},
    {"CylinderRadius", "321.09"},
    {"CylinderGnomon", "99.99"},
    {"QuadrantSize", "123"},
    {"Year", "1750"},
    {"ShepherdGnomon", "88"},
    {"HidokeiGnomon", "77"},
    {"PeaucellierUnit", "5"},
    {"SawyerCentre", "456.7"},
    {"SawyerHourAngle", "0.75"},
    {"PeaucellierConstant", "2.05"},
    {"SawyerTimeMode", "3"},
    {"CylinderScaleLength", "333"},
    {"HidokeiScaleLength", "111"},
    {"HidokeiScaleWidth", "222"},
    {"AnalemmaHour", "7"},
    {"MapScale", "65000000"},
    {"RingHoleOffset", "-20.5"},
    {"RingHoleOffset2", "3.25"},
    {"RingHoleOffset3", "-7.75"},
    {"AzimuthCircles", "0"},
    {"AzimuthScale", "3"},
    {"DateLineMode", "2"},
    {"MeanHourSubdivisions", "4"},
    {"HourLinesToFootPoint", "true"},
    {"OptionFlag3", "false"},
    {"ShowHourLines", "false"},
    {"ShowAnalemmaMarks", "false"},
    {"ShowBabylonianHours", "true"},
    {"ShowItalianHours", "true"},
    {"ShowAltitudeLines", "true"},
    {"ShowTemporalHours", "true"},
    {"QuadrantMirrored", "true"},
    {"ConstructWithEoT", "true"},
    {"HourTimeKind", "2"},
    {"JanuaryOutside", "true"},
    {"ApparentAtSite", "false"},
    {"FullYearScale", "true"},
    {"HourLinesMeanTime", "true"},
    {"ApparentHourSubdivisions", "3"},
    {"HidokeiVerticalFace", "false"},
    {"OneHourLineBand", "true"},
    {"HourLinesLocalMeridian", "true"},
    {"ShowPoleTriangle", "true"},
    {"ShowMeanHourLines", "true"},
    {"AnalemmaMarkDays", "4"},
    {"AzimuthDateCircles", "false"},
    {"LightOffsetCorrection", "2"},
    {"NoonLineHorizontal", "false"},
    {"OptionFlag30", "true"},
    {"SecondPlaneEnabled", "true"},
    {"ConePlane", "5"},
    {"DateCircleMode", "2"},
    {"OptionFlag36", "true"},
    {"ExtendTemporalHours", "false"},
    {"ApparentHoursFrom", "5"},
    {"ApparentHoursTo", "21"},
    {"MeanHoursFrom", "6"},
    {"MeanHoursTo", "20"},
    {"BabylonianFrom", "2"},
    {"BabylonianTo", "14"},
    {"ItalianFrom", "10"},
    {"ItalianTo", "22"},
    {"PlanarTemporalFrom", "2"},
    {"PlanarTemporalTo", "10"},
    {"AltitudeLinesFrom", "15"},
    {"AltitudeLinesTo", "85"},
    {"HourLinesFrom", "4"},
    {"HourLinesTo", "23"},
    {"TemporalHoursFrom", "3"},
    {"TemporalHoursTo", "12"},
    {"BabylonianSubdivisions", "4"},
    {"ItalianSubdivisions", "3"},
    {"PlanarTemporalSubdivisions", "3"},
    {"AltitudeLineStep", "2"},
    {"HourSubdivisions", "2"},
    {"TemporalSubdivisions", "1"},
    {"DateLineList",
     "01/05 ( 1. Mai )|29/02|15/08    ( 15. Ao\xC3\xBBt )|"
     "21/03    ( 21. M\xC3\xA4rz )"},
    {"Colors[0]", "0x102030"},
    {"Colors[1]", "1"},
    {"Colors[2]", "0xFFFFFF"},
    {"Colors[3]", "4660"},
    {"Colors[4]", "0xABCDEF"},
    {"Colors[5]", "0x000100"},
    {"Colors[6]", "7"},
    {"Colors[7]", "0x808081"},
    {"Colors[8]", "0x00FF01"},
    {"Colors[9]", "0x0A0B0C"},
    {"Colors[10]", "123456"},
    {"Colors[11]", "0"},
    {"LineWidth", "3"},
    {"ExpertMode", "0"},
    {"ExpertPanel", "true"},
    {"ShowBorders", "true"},
    {"ShowCoastlines", "true"},
    {"NormalWindowSize", "false"},
};

// The kinds and selectors that line 10 stores, one model each.
const std::vector<std::pair<const char*, const char*>> kKindCases[] = {
    {{"DialKind", "q"}, {"AltitudeVariant", "2"}},
    {{"DialKind", "z"}, {"CylinderVariant", "2"}},
    {{"DialKind", "i"}, {"UmbrellaFlag", "1"}},
    {{"DialKind", "m"}, {"ConePlane", "7"}},
    {{"DialKind", "c"}},
    {{"DialKind", "p"}},
};

model::Model StoredValuesModel(
    const std::vector<std::pair<const char*, const char*>>& kind,
    texts::Language language) {
  model::Model m;
  for (const auto& [name, value] : kStoredValues) {
    const auto reason = SetModelField(m, name, value);
    EXPECT_FALSE(reason) << name << ": " << *reason;
  }
  for (const auto& [name, value] : kind) {
    const auto reason = SetModelField(m, name, value);
    EXPECT_FALSE(reason) << name << ": " << *reason;
  }
  m.Language = language;
  UpdateDerivedValues(m);
  return m;
}

TEST(SettingsFile, WriteThenReadReproducesEveryStoredField) {
  TempFolder dir;
  for (const texts::Language language :
       {texts::Language::kGerman, texts::Language::kEnglish}) {
    for (const auto& kind : kKindCases) {
      const model::Model written = StoredValuesModel(kind, language);
      ASSERT_TRUE(ModelProblems(written).empty())
          << ModelProblems(written).front();
      const auto file = dir / "dial.lum";
      ScriptedUi ui;
      ASSERT_TRUE(WriteSettingsFile(file, written, ui));
      model::Model read;
      const SettingsReadReport report =
          ReadSettingsFile(file, SettingsSource::kConstructionData, read, ui);
      EXPECT_EQ(report.status, SettingsReadStatus::kRead);
      EXPECT_TRUE(report.bad_lines.empty()) << report.bad_lines.front();
      ASSERT_EQ(ui.shown.size(), 1u) << ui.shown.back().text;  // " saved!"
      for (const ModelField& f : ModelFields()) {
        if (f.storage == FieldStorage::kNotStored) continue;
        EXPECT_EQ(f.get(read), f.get(written))
            << f.name << " with DialKind " << kind[0].second;
      }
    }
  }
}

TEST(SettingsFile, RoundTripModelsChangeEveryStoredField) {
  // So that the round trip fails for any stored field the file loses.
  const model::Model defaults;
  for (const ModelField& f : ModelFields()) {
    if (f.storage != FieldStorage::kStored) continue;
    bool changed = false;
    for (const auto& kind : kKindCases)
      changed = changed ||
                f.get(StoredValuesModel(kind, texts::Language::kEnglish)) !=
                    f.get(defaults);
    EXPECT_TRUE(changed) << f.name;
  }
}

TEST(SettingsFile, LineOneWithLatitude100TakesTheFallbackAndAsksForLine2) {
  TempFolder dir;
  auto lines = EnglishLines();
  lines[1] = "100; 47.25";
  lines[6] = " 33.000000; 78.300000";  // read although line 1 is bad
  const auto file = dir / "lum.ini";
  ASSERT_TRUE(WriteWindows1252Lines(file, lines));
  const std::string before = ReadBytes(file);
  ScriptedUi ui;
  ui.answers = {Answer::kNo};
  model::Model m;
  const auto report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, m, ui);
  EXPECT_EQ(m.parameters.Latitude, 47.25);
  EXPECT_EQ(m.parameters.Latitude2, 47.25);
  EXPECT_EQ(m.parameters.WallDeclination, 33);
  EXPECT_EQ(report.bad_lines, std::vector<int>{2});
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kError);
  EXPECT_EQ(ui.shown[0].text, "In Line 1:100 : INI-Datei ist fehlerhaft!");
  EXPECT_EQ(ui.shown[1].caption, Caption::kProblem);
  EXPECT_EQ(ui.shown[1].buttons, Buttons::kYesNo);
  EXPECT_EQ(ui.shown[1].text,
            file.string() +
                " : line 2\n\rFile contains errors and will be corrected "
                "now.\r\nCan that be done now?");
  // No: nothing written.
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(std::filesystem::exists(dir / "lum_ini.bak"));
  EXPECT_FALSE(report.rewritten);
}

TEST(SettingsFile, OneQuestionAtTheEndNamesTheFirstBadLine) {
  TempFolder dir;
  auto lines = EnglishLines();
  lines[3] = "     -999.00";            // 1-based line 4
  lines[8] = "13;  90.0;  50.00;   2";  // line 9: hour angle 50
  lines[11] = "6";                      // a good value after both
  ASSERT_TRUE(WriteWindows1252Lines(dir / "lum.ini", lines));
  ScriptedUi ui;
  ui.answers = {Answer::kNo};
  model::Model m;
  const auto report = ReadSettingsFile(
      dir / "lum.ini", SettingsSource::kStartConfiguration, m, ui);
  EXPECT_EQ(report.bad_lines, (std::vector<int>{4, 9}));
  EXPECT_EQ(m.parameters.ZoneMeridian, -15);
  EXPECT_EQ(m.parameters.SawyerHourAngle, 5);
  EXPECT_EQ(m.times.ApparentHoursFrom, 6);
  EXPECT_EQ(Questions(ui), 1);
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_NE(ui.shown.back().text.find(" : line 4\n\r"), std::string::npos);
}

TEST(SettingsFile, YesKeepsABackupAndWritesTheCorrectedValues) {
  TempFolder dir;
  auto lines = EnglishLines();
  lines[1] = "100; 47.25";
  lines[6] = " 33.000000; 78.300000";
  const auto file = dir / "lum.ini";
  ASSERT_TRUE(WriteWindows1252Lines(file, lines));
  const std::string before = ReadBytes(file);
  ScriptedUi ui;
  ui.answers = {Answer::kYes};
  model::Model m;
  const auto report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, m, ui);
  EXPECT_TRUE(report.rewritten);
  EXPECT_EQ(ReadBytes(dir / "lum_ini.bak"), before);
  ASSERT_EQ(ui.shown.size(), 4u);
  EXPECT_EQ(ui.shown[2].caption, Caption::kInformation);
  EXPECT_EQ(ui.shown[2].text, "The old file has been saved as lum_ini.bak.");
  EXPECT_EQ(ui.shown[3].text, file.string() + "   saved!");
  // The rewritten file holds the corrected values, not the defaults, and
  // reads without a message.
  ScriptedUi again;
  model::Model r;
  const auto clean =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, r, again);
  EXPECT_TRUE(clean.bad_lines.empty());
  EXPECT_TRUE(again.shown.empty());
  EXPECT_EQ(r.parameters.Latitude, 47.25);
  EXPECT_EQ(r.parameters.WallDeclination, 33);
}

TEST(SettingsFile, AFailedBackupStopsTheRewrite) {
  TempFolder dir;
  auto lines = EnglishLines();
  lines[1] = "100; 47.25";
  const auto file = dir / "lum.ini";
  ASSERT_TRUE(WriteWindows1252Lines(file, lines));
  const std::string before = ReadBytes(file);
  std::filesystem::create_directory(dir / "lum_ini.bak");
  ScriptedUi ui;
  ui.answers = {Answer::kYes};
  model::Model m;
  const auto report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, m, ui);
  EXPECT_FALSE(report.rewritten);
  EXPECT_EQ(ReadBytes(file), before);
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().caption, Caption::kError);
  EXPECT_EQ(ui.shown.back().text,
            "Could not make the backup copy lum_ini.bak!");
}

TEST(SettingsFile, AConstructionDataFileIsNeverWritten) {
  TempFolder dir;
  auto lines = EnglishLines();
  lines[1] = "100; 47.25";
  const auto file = dir / "dial.lum";
  ASSERT_TRUE(WriteWindows1252Lines(file, lines));
  const std::string before = ReadBytes(file);
  ScriptedUi ui;  // would answer every question with Yes
  model::Model m;
  const auto report =
      ReadSettingsFile(file, SettingsSource::kConstructionData, m, ui);
  EXPECT_EQ(report.bad_lines, std::vector<int>{2});
  EXPECT_EQ(Questions(ui), 0);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kError);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_FALSE(report.rewritten);
  EXPECT_FALSE(std::filesystem::exists(dir / "lum_ini.bak"));
}

TEST(SettingsFile, SourceFollowsTheFileName) {
  EXPECT_EQ(SettingsSourceOf("/x/lum.ini"),
            SettingsSource::kStartConfiguration);
  EXPECT_EQ(SettingsSourceOf("LUM.INI"), SettingsSource::kStartConfiguration);
  EXPECT_EQ(SettingsSourceOf("/x/myDial.lum"),
            SettingsSource::kConstructionData);
  EXPECT_EQ(SettingsSourceOf("/x/lum.ini.old"),
            SettingsSource::kConstructionData);
}

// Lines [Zeiten] and [Farben] swapped with their contents: the sections are
// out of order.
std::vector<std::string> SectionsOutOfOrder() {
  const auto lines = EnglishLines();
  std::vector<std::string> out(lines.begin(), lines.begin() + 18);
  out.insert(out.end(), lines.begin() + 31, lines.begin() + 47);  // [Zeiten]
  out.insert(out.end(), lines.begin() + 18, lines.begin() + 31);  // [Farben]
  out.insert(out.end(), lines.begin() + 47, lines.end());
  return out;
}

TEST(SettingsFile, SectionsOutOfOrderChangeNothingWithoutYes) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  ASSERT_TRUE(WriteWindows1252Lines(file, SectionsOutOfOrder()));
  const std::string before = ReadBytes(file);
  model::Model m;
  m.parameters.Latitude = 10;
  m.DialKind = 'a';
  const model::Model unchanged = m;
  ScriptedUi ui;
  ui.answers = {Answer::kNo};
  const auto report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, m, ui);
  EXPECT_EQ(report.status, SettingsReadStatus::kDamaged);
  for (const ModelField& f : ModelFields())
    EXPECT_EQ(f.get(m), f.get(unchanged)) << f.name;
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kQuestion);
  EXPECT_EQ(ReadBytes(file), before);
}

TEST(SettingsFile, SectionsOutOfOrderWithYesGiveTheDefaults) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  ASSERT_TRUE(WriteWindows1252Lines(file, SectionsOutOfOrder()));
  const std::string before = ReadBytes(file);
  model::Model m;
  m.parameters.Latitude = 10;
  ScriptedUi ui;
  ui.answers = {Answer::kYes};
  const auto report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, m, ui);
  EXPECT_TRUE(report.rewritten);
  EXPECT_EQ(m.parameters.Latitude, model::DialParameters{}.Latitude);
  EXPECT_EQ(ReadBytes(dir / "lum_ini.bak"), before);
  ScriptedUi again;
  model::Model r;
  ReadSettingsFile(file, SettingsSource::kStartConfiguration, r, again);
  EXPECT_TRUE(again.shown.empty()) << again.shown[0].text;
}

TEST(SettingsFile, DamagedConstructionDataIsReportedAndLeftAlone) {
  TempFolder dir;
  const auto english = EnglishLines();
  struct {
    const char* why;
    std::vector<std::string> lines;
  } const cases[] = {
      {"sections out of order", SectionsOutOfOrder()},
      {"25 lines",
       std::vector<std::string>(english.begin(), english.begin() + 25)},
      {"no [Datumslinien]",
       std::vector<std::string>(english.begin(), english.begin() + 47)},
  };
  for (const auto& c : cases) {
    const auto file = dir / "dial.lum";
    ASSERT_TRUE(WriteWindows1252Lines(file, c.lines));
    const std::string before = ReadBytes(file);
    model::Model m;
    m.parameters.Year = 1999;
    ScriptedUi ui;
    const auto report =
        ReadSettingsFile(file, SettingsSource::kConstructionData, m, ui);
    EXPECT_EQ(report.status, SettingsReadStatus::kDamaged) << c.why;
    EXPECT_EQ(m.parameters.Year, 1999) << c.why;
    ASSERT_EQ(ui.shown.size(), 1u) << c.why;
    EXPECT_EQ(ui.shown[0].text, file.string() + " : INI-Datei ist fehlerhaft!");
    EXPECT_EQ(ReadBytes(file), before) << c.why;
  }
}

TEST(SettingsFile, DialKindLine) {
  struct {
    const char* line;
    char kind;
    int umbrella;
    const char* field;  // a selector that the line sets
    const char* value;
    bool bad;
  } const cases[] = {
      {"sh", 'h', 1, "UmbrellaFlag", "1", false},
      {"si", 'i', 1, "UmbrellaFlag", "1", false},
      {"sv", 'v', 1, "UmbrellaFlag", "1", false},
      // The plane letter must follow the marker directly.
      {"s h", 'v', 0, "UmbrellaFlag", "0", true},
      {"sq", 'v', 0, "UmbrellaFlag", "0", true},
      {"s", 'v', 0, "UmbrellaFlag", "0", true},
      {"h", 'h', 0, "UmbrellaFlag", "0", false},
      {"q2", 'q', 0, "AltitudeVariant", "2", false},
      {"q", 'q', 0, "AltitudeVariant", "0", false},
      {"q9", 'q', 0, "AltitudeVariant", "0", true},
      {"z1", 'z', 0, "CylinderVariant", "1", false},
      {"m7", 'm', 0, "ConePlane", "7", false},
      {"c1", 'm', 0, "ConePlane", "0", false},  // plane from line 9
      {"c0", 'c', 0, "DialKind", "c", false},
      {"o", 'o', 0, "DialKind", "o", false},
      {"x", 'v', 0, "DialKind", "v", true},
      {"", 'v', 0, "DialKind", "v", true},
      {"H", 'v', 0, "DialKind", "v", true},
  };
  for (const auto& c : cases) {
    auto lines = EnglishLines();
    lines[10] = c.line;
    model::Model m;
    m.DialKind = 'r';
    m.selectors.UmbrellaFlag = 1;
    ScriptedUi ui;
    const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
    EXPECT_EQ(m.DialKind, c.kind) << c.line;
    EXPECT_EQ(m.selectors.UmbrellaFlag, c.umbrella) << c.line;
    EXPECT_EQ(Value(m, c.field), c.value) << c.line;
    EXPECT_EQ(report.bad_lines,
              c.bad ? std::vector<int>{11} : std::vector<int>{})
        << c.line;
    EXPECT_EQ(m.ColourRoleBlock, c.kind == 'q'   ? 12
                                 : c.kind == 'z' ? 36
                                 : c.kind == 'm' ? 72
                                 : c.kind == 'c' ? 60
                                                 : 0)
        << c.line;
  }
}

TEST(SettingsFile, LineFifteenWithOneNumberSetsOnlyTheDiskRatio) {
  auto lines = EnglishLines();
  lines[15] = "   0.500000";
  model::Model m;
  m.parameters.RingDiameter = 200;
  m.parameters.RingWidth = 40;
  m.parameters.RingHolePosition = 70;
  ScriptedUi ui;
  const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
  EXPECT_TRUE(report.bad_lines.empty());
  EXPECT_EQ(m.parameters.UmbrellaDiskRatio, 0.5);
  EXPECT_EQ(m.parameters.RingDiameter, 200);
  EXPECT_EQ(m.parameters.RingWidth, 40);
  EXPECT_EQ(m.parameters.RingHolePosition, 70);
}

TEST(SettingsFile, LineFifteenFields) {
  struct {
    const char* line;
    double ratio, diameter, width, hole;
    bool bad;
    const char* message;  // of the first bad field
  } const cases[] = {
      // A "-" after the first field is dropped.
      {"-0.25; -150;x12.5 ;45", -0.25, 150, 12.5, 45, false, ""},
      {"0.35;400;50;30", 0.35, 110, 50, 30, true,
       "Line 16/2 : INI-Datei ist fehlerhaft!"},
      {"0.35;150;;95", 0.35, 150, 50, 50, true,
       "Line 16/3 : INI-Datei ist fehlerhaft!"},
      {"abc;150;80", 0.35, 150, 80, 50, true,
       "Line 16/1 : INI-Datei ist fehlerhaft!"},
  };
  for (const auto& c : cases) {
    auto lines = EnglishLines();
    lines[15] = c.line;
    model::Model m;
    ScriptedUi ui;
    const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
    EXPECT_EQ(m.parameters.UmbrellaDiskRatio, c.ratio) << c.line;
    EXPECT_EQ(m.parameters.RingDiameter, c.diameter) << c.line;
    EXPECT_EQ(m.parameters.RingWidth, c.width) << c.line;
    EXPECT_EQ(m.parameters.RingHolePosition, c.hole) << c.line;
    EXPECT_EQ(!report.bad_lines.empty(), c.bad) << c.line;
    if (c.bad) {
      ASSERT_FALSE(ui.shown.empty()) << c.line;
      EXPECT_EQ(ui.shown[0].text, c.message) << c.line;
    }
  }
}

// Line 9 of the defaults with `c` at position `pos`.
std::string OptionsWith(int pos, char c) {
  std::string s = DefaultLines()[9];
  s[pos] = c;
  return s;
}

TEST(SettingsFile, LineOptionPositions) {
  const std::string defaults = DefaultLines()[9];
  struct {
    std::string line;
    const char* field;
    const char* value;
    bool bad;
    const char* why;
  } const cases[] = {
      {OptionsWith(33, '3'), "AzimuthScale", "3", false, "orthographic"},
      {OptionsWith(33, '4'), "AzimuthScale", "0", true, "no fifth scale"},
      {OptionsWith(1, '4'), "MeanHourSubdivisions", "4", false, "10 min"},
      {OptionsWith(1, '5'), "MeanHourSubdivisions", "4", false, "legacy 10"},
      {OptionsWith(1, '6'), "MeanHourSubdivisions", "4", false, "legacy 10"},
      {OptionsWith(1, '7'), "MeanHourSubdivisions", "0", true, "no list item"},
      {OptionsWith(18, '6'), "ApparentHourSubdivisions", "4", false,
       "legacy 10"},
      {OptionsWith(12, 'j'), "HourTimeKind", "1", false, "old flag form"},
      {OptionsWith(12, '2'), "HourTimeKind", "2", false, "temporal"},
      {OptionsWith(12, '3'), "HourTimeKind", "0", true, "no fourth kind"},
      {OptionsWith(24, '5'), "AnalemmaMarkDays", "0", true, "five lists only"},
      {OptionsWith(29, '3'), "LineWidth", "3", false, "thick"},
      {OptionsWith(29, '7'), "LineWidth", "1", true, "no such width"},
      {OptionsWith(32, '8'), "ConePlane", "8", false, "taken modulo 3"},
      {OptionsWith(4, 'x'), "ShowHourLines", "true", true, "not j or n"},
      {OptionsWith(17, 'x'), "HourTimeKind", "0", false, "17 is ignored"},
      // Position 25 repeats position 5; the later one wins.
      {OptionsWith(5, 'n'), "ShowAnalemmaMarks", "true", false, "5 vs 25"},
      {OptionsWith(25, 'n'), "ShowAnalemmaMarks", "false", false, "5 vs 25"},
      // Older, shorter lines.
      {defaults.substr(0, 33), "AzimuthScale", "1", false, "33 missing"},
      {defaults.substr(0, 33), "AzimuthCircles", "0", false, "34 missing"},
      {defaults.substr(0, 36), "ExtendTemporalHours", "false", false,
       "37 missing: unchanged"},
      {defaults.substr(0, 20), "ShowPoleTriangle", "false", true, "short line"},
      {OptionsWith(5, 'n').substr(0, 20), "ShowAnalemmaMarks", "false", true,
       "position 5 kept when 25 is missing"},
  };
  for (const auto& c : cases) {
    auto lines = EnglishLines();
    lines[9] = c.line;
    model::Model m;
    m.options.ExtendTemporalHours = false;  // "unchanged" must show
    ScriptedUi ui;
    const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
    EXPECT_EQ(Value(m, c.field), c.value) << c.why;
    EXPECT_EQ(report.bad_lines,
              c.bad ? std::vector<int>{10} : std::vector<int>{})
        << c.why;
  }
}

TEST(SettingsFile, BadLineNinePositionIsNamed) {
  auto lines = EnglishLines();
  lines[9] = OptionsWith(33, '9');
  model::Model m;
  ScriptedUi ui;
  ReadSettingsLines(lines, "x.lum", m, ui);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "In Line 9:33=9 : INI-Datei ist fehlerhaft!");
}

TEST(SettingsFile, FallbacksOfBadValues) {
  struct {
    int index;  // 0-based line
    const char* line;
    const char* field;
    const char* value;
    const char* why;
  } const cases[] = {
      {0, "1000", "Year", "2020", "outside 1300..2500"},
      {0, "2020.5", "Year", "2020", "not an integer"},
      {3, "181", "ZoneMeridian", "-15", ""},
      {4, " 35.00; 51.00;  600.00;    270", "CylinderRadius", "250", ""},
      {5, "70,170,150,999,100,150, 200.0", "HidokeiGnomon", "25",
       "the fallback 150 would be out of range"},
      {5, "70,170,150,25,3,150, 200.0", "MapScale", "150", "below 5"},
      {5, "70,170,150,25,100,150, 20.0", "HabermelDiameter", "200", ""},
      {7, "  25.000000; 179.000000; 99.000000", "ConeHalfAngle", "12",
       "half the axis (89.5) is out of range: built-in default"},
      {7, "  25.000000; 100.000000; 99.000000", "ConeHalfAngle", "50",
       "half the axis"},
      {7, "  25.000000; 0.500000; 12", "ConeAxisInclination", "47.251315",
       "below 1: the latitude"},
      {7, "  25.000000; 0.500000; 12", "Inclination", "25",
       "the cone fallback leaves Inclination alone"},
      {7, " 180.000000; 47.000000; 12", "Inclination", "25.4589",
       "above 175: built-in default"},
      {8, "0;  90.0;   5.00;   2", "AnalemmaHour", "12", ""},
      {8, "13; 901.0;   5.00;   2", "SawyerCentre", "90", ""},
      {8, "13;  90.0;   0.25;   2", "SawyerHourAngle", "5", ""},
      {8, "13;  90.0;   5.00;   4", "SawyerTimeMode", "2", "list of four"},
      {11, "25", "ApparentHoursFrom", "7", ""},
      {12, "-1", "ApparentHoursTo", "19", ""},
      {14, "maybe", "NormalWindowSize", "true", ""},
      {16, "    0.5;    32;  -0.8749", "HabermelGnomon", "2", ""},
      {16, "    2.0;   301;  -0.8749", "PeaucellierUnit", "32", ""},
      {16, "    2.0;    32;   2.2000", "PeaucellierConstant", "-0.9876", ""},
      {16, "    2.0;    32;  -0.8749; 7", "SawyerTimeMode", "2",
       "old fourth field"},
      {17, "  30.00;  11.72; -11.72", "RingHoleOffset", "0", ""},
      {17, "   0.00;  -1.00; -11.72", "RingHoleOffset2", "11.72",
       "half the obliquity of 2020"},
      {17, "   0.00;  11.72;   1.00", "RingHoleOffset3", "-11.72", ""},
      {32, "25", "MeanHoursFrom", "8", "[Zeiten] 1"},
      {41, "95", "AltitudeLinesTo", "70", "[Zeiten] 10"},
      {46, "019120", "PlanarTemporalSubdivisions", "0",
       "a bad digit takes its default"},
      {46, "019120", "HourSubdivisions", "2", "the digits after it are read"},
  };
  for (const auto& c : cases) {
    auto lines = EnglishLines();
    lines[c.index] = c.line;
    model::Model m;
    ScriptedUi ui;
    const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
    EXPECT_EQ(Value(m, c.field), c.value) << c.line << " " << c.why;
    EXPECT_EQ(report.bad_lines, std::vector<int>{c.index + 1})
        << c.line << " " << c.why;
    EXPECT_EQ(ui.shown.size(), 1u) << c.line;
  }
}

TEST(SettingsFile, ConeAxisOfTheSouthernHemisphere) {
  auto lines = EnglishLines();
  lines[1] = "-30.000000;      -30.00";
  lines[7] = "  25.000000; -10.000000; 12.000000";
  model::Model m;
  ScriptedUi ui;
  ReadSettingsLines(lines, "x.lum", m, ui);
  EXPECT_EQ(m.parameters.ConeAxisInclination, 150);
  EXPECT_EQ(m.parameters.Inclination, 25);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Line 7:-10.000000 : INI-Datei ist fehlerhaft!");
}

TEST(SettingsFile, LanguageAndSwitches) {
  struct {
    const char* line;
    texts::Language language;
    int expert;
    bool panel, borders, coast, bad;
  } const cases[] = {
      {"Ejnjn", texts::Language::kEnglish, 1, false, true, false, false},
      {"Dnjnj", texts::Language::kGerman, 0, true, false, true, false},
      {"E", texts::Language::kEnglish, 0, false, false, false, false},
      {"Xjjjj", texts::Language::kGerman, 1, true, true, true, true},
      {"Ejxjj", texts::Language::kEnglish, 1, false, true, true, true},
  };
  for (const auto& c : cases) {
    auto lines = DefaultLines();
    lines[13] = c.line;
    model::Model m;
    ScriptedUi ui;
    const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
    EXPECT_EQ(m.Language, c.language) << c.line;
    EXPECT_EQ(m.ExpertMode, c.expert) << c.line;
    EXPECT_EQ(m.ExpertPanel, c.panel) << c.line;
    EXPECT_EQ(m.ShowBorders, c.borders) << c.line;
    EXPECT_EQ(m.ShowCoastlines, c.coast) << c.line;
    EXPECT_EQ(!report.bad_lines.empty(), c.bad) << c.line;
  }
}

TEST(SettingsFile, ColourSection) {
  auto lines = EnglishLines();
  lines[19] = "-5";       // colour 1: not a colour value
  lines[20] = " 12345 ";  // colour 2: blanks around are fine
  model::Model m;
  ScriptedUi ui;
  auto report = ReadSettingsLines(lines, "x.lum", m, ui);
  EXPECT_EQ(m.Colors[0], model::kDefaultColors[0]);
  EXPECT_EQ(m.Colors[1], 12345u);
  EXPECT_EQ(report.bad_lines, std::vector<int>{20});

  // A short section: the colours it holds are read, the others kept.
  lines = EnglishLines();
  lines[19] = "77";
  lines.erase(lines.begin() + 29, lines.begin() + 31);  // colours 11, 12
  model::Model kept;
  kept.Colors[10] = 99;
  kept.Colors[11] = 98;
  ScriptedUi ui2;
  report = ReadSettingsLines(lines, "x.lum", kept, ui2);
  EXPECT_EQ(kept.Colors[0], 77u);
  EXPECT_EQ(kept.Colors[10], 99u);
  EXPECT_EQ(kept.Colors[11], 98u);
  EXPECT_EQ(report.bad_lines, std::vector<int>{30});  // the [Zeiten] line

  // Without the colour flag the section is not read at all.
  lines = EnglishLines();
  lines[19] = "-5";
  model::Model other;
  other.Colors[0] = 4242;
  ScriptedUi ui3;
  report = ReadSettingsLines(lines, "x.lum", other, ui3, false, true);
  EXPECT_EQ(other.Colors[0], 4242u);
  EXPECT_TRUE(report.bad_lines.empty());
}

TEST(SettingsFile, DateLinesSection) {
  auto lines = EnglishLines();
  lines.push_back("   ");
  lines.push_back("32/01 (no such day)");
  lines.push_back("30/02");
  lines.push_back("29/02 (leap day)");
  lines.push_back("1/03");
  model::Model m;
  ScriptedUi ui;
  const auto report = ReadSettingsLines(lines, "my.lum", m, ui);
  const std::vector<std::string> expected = {
      "21/03    ( 21. M\xC3\xA4rz )", "21/06    ( 21. Juni )",
      "21/12    ( 21. Dezember )", "29/02 (leap day)"};
  EXPECT_EQ(m.DateLineList, expected);
  EXPECT_EQ(report.bad_lines, (std::vector<int>{53, 54, 56}));
  ASSERT_EQ(ui.shown.size(), 3u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kError);
  EXPECT_EQ(ui.shown[0].text,
            "Fehlerhaftes Datum 32/01 (no such day) in my.lum");

  // Without the date flag the list stays.
  model::Model other;
  other.DateLineList = {"01/01"};
  ScriptedUi ui2;
  ReadSettingsLines(lines, "my.lum", other, ui2, true, false);
  EXPECT_EQ(other.DateLineList, std::vector<std::string>{"01/01"});
}

TEST(SettingsFile, MissingLumIniIsCreatedOnlyOnYes) {
  TempFolder dir;
  const auto file = dir / "lum.ini";
  ScriptedUi no;
  no.answers = {Answer::kNo};
  model::Model m;
  auto report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, m, no);
  EXPECT_EQ(report.status, SettingsReadStatus::kMissing);
  EXPECT_FALSE(std::filesystem::exists(file));
  ASSERT_EQ(no.shown.size(), 1u);
  EXPECT_EQ(no.shown[0].caption, Caption::kQuestion);
  EXPECT_EQ(no.shown[0].text.substr(0, file.string().size() + 5),
            file.string() + " : \r\n");

  ScriptedUi yes;
  yes.answers = {Answer::kYes};
  model::Model m2;
  m2.parameters.Latitude = 10;
  report = ReadSettingsFile(file, SettingsSource::kStartConfiguration, m2, yes);
  EXPECT_TRUE(report.rewritten);
  EXPECT_EQ(m2.parameters.Latitude, model::DialParameters{}.Latitude);
  ScriptedUi again;
  model::Model r;
  report =
      ReadSettingsFile(file, SettingsSource::kStartConfiguration, r, again);
  EXPECT_EQ(report.status, SettingsReadStatus::kRead);
  EXPECT_TRUE(again.shown.empty());
}

TEST(SettingsFile, FilesThatCannotBeOpened) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "lum.ini");
  struct {
    std::filesystem::path file;
    SettingsSource source;
    SettingsReadStatus status;
    const char* ending;
  } const cases[] = {
      {dir / "lum.ini", SettingsSource::kStartConfiguration,
       SettingsReadStatus::kUnreadable, "Keine L\xC3\xB6sung gefunden!3"},
      {dir / "lum.ini", SettingsSource::kConstructionData,
       SettingsReadStatus::kUnreadable, "Keine L\xC3\xB6sung gefunden!4"},
      {dir / "none.lum", SettingsSource::kConstructionData,
       SettingsReadStatus::kMissing, "Keine L\xC3\xB6sung gefunden!4"},
  };
  for (const auto& c : cases) {
    model::Model m;
    ScriptedUi ui;
    const auto report = ReadSettingsFile(c.file, c.source, m, ui);
    EXPECT_EQ(report.status, c.status) << c.file;
    ASSERT_EQ(ui.shown.size(), 1u) << c.file;
    EXPECT_EQ(ui.shown[0].caption, Caption::kError);
    EXPECT_EQ(ui.shown[0].text, c.file.string() + " :\r\n" + c.ending);
  }
}

TEST(SettingsFile, ReadingAnyFileLeavesAConsistentModel) {
  // Every line replaced by rubbish: every value takes a fallback inside its
  // range, and the model's fields agree.
  auto lines = EnglishLines();
  for (int i = 0; i < 18; ++i) lines[i] = "#\xC3\xA4-.-;;" + std::to_string(i);
  for (int i = 19; i < 31; ++i) lines[i] = "x";
  for (int i = 32; i < 47; ++i) lines[i] = "999999999999999999999";
  model::Model m;
  ScriptedUi ui;
  const auto report = ReadSettingsLines(lines, "x.lum", m, ui);
  EXPECT_FALSE(report.bad_lines.empty());
  const auto problems = ModelProblems(m);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_LE(ui.shown.size(), 20u);  // the flood is cut
}

TEST(SettingsFile, KeepingTheStoredColours) {
  TempFolder dir;
  const auto stored = dir / "lum.ini";
  auto lines = DefaultLines();
  lines[19] = "111";
  lines[20] = "junk";
  lines.erase(lines.begin() + 30);  // colour 12 missing
  ASSERT_TRUE(WriteWindows1252Lines(stored, lines));
  model::Model m;
  m.Colors.fill(7);
  ScriptedUi ui;
  const auto out = WriteSettingsLines(m, ui, &stored);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(out[19], "111");
  EXPECT_EQ(out[20], "255");      // not a colour
  EXPECT_EQ(out[22], "8388608");  // navy, copied
  EXPECT_EQ(out[30], "255");      // missing
  EXPECT_EQ(out[31], "[Zeiten]");

  // A file without "[Farben]": the current colours, with the message.
  WriteWindows1252Lines(stored, {"2020", "nothing else"});
  ScriptedUi ui2;
  const auto out2 = WriteSettingsLines(m, ui2, &stored);
  EXPECT_EQ(out2[19], "7");
  ASSERT_EQ(ui2.shown.size(), 1u);
  EXPECT_EQ(ui2.shown[0].caption, Caption::kInformation);
  EXPECT_EQ(ui2.shown[0].text,
            "Urspr\xC3\xBCngliche Farbeinstellung nicht gefunden!");

  // No file: the current colours, silently.
  const auto none = dir / "none.ini";
  ScriptedUi ui3;
  EXPECT_EQ(WriteSettingsLines(m, ui3, &none)[19], "7");
  EXPECT_TRUE(ui3.shown.empty());
}

TEST(SettingsFile, WindowsCodePageAndCrLfAtTheFileBoundary) {
  TempFolder dir;
  const auto file = dir / "dial.lum";
  model::Model m;
  m.DateLineList = {"21/03    ( 21. M\xC3\xA4rz )"};
  ScriptedUi ui;
  ASSERT_TRUE(WriteSettingsFile(file, m, ui));
  const std::string bytes = ReadBytes(file);
  EXPECT_NE(bytes.find("[Datumslinien]\r\n21/03    ( 21. M\xE4rz )\r\n"),
            std::string::npos);
  EXPECT_EQ(bytes.find("\xC3"), std::string::npos);  // no UTF-8 left
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n') {
      ASSERT_EQ(bytes[i - 1], '\r') << i;
    }
  model::Model r;
  r.DateLineList.clear();
  ReadSettingsFile(file, SettingsSource::kConstructionData, r, ui);
  EXPECT_EQ(r.DateLineList, m.DateLineList);
}

TEST(SettingsFile, AFailedSaveLeavesThePreviousFile) {
  TempFolder dir;
  const model::Model m;
  // The target is a folder: the rename cannot replace it.
  std::filesystem::create_directory(dir / "taken.ini");
  ScriptedUi ui;
  EXPECT_FALSE(WriteSettingsFile(dir / "taken.ini", m, ui));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.ini"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, Caption::kError);
  EXPECT_EQ(ui.shown[0].text,
            (dir / "taken.ini").string() +
                " :\r\nINI-Datei konnte nicht gespeichert werden! "
                "(Schreibschutz?)");
  // A missing folder.
  EXPECT_FALSE(WriteSettingsFile(dir / "no" / "lum.ini", m, ui));

  // A write that fails half-way (the file-size limit) while an old file
  // exists: the old file stays as it was.
  const auto file = dir / "lum.ini";
  WriteBytes(file, "old content\r\n");
  bool saved = true;
  {
    testing::FileSizeLimit limit(100);
    ASSERT_TRUE(limit.active());
    saved = WriteSettingsFile(file, m, ui);
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadBytes(file), "old content\r\n");
  // No temporary file is left behind.
  EXPECT_EQ(testing::FileNames(dir.path()),
            (std::vector<std::string>{"lum.ini", "taken.ini"}));
}

TEST(SettingsFile, ResetKeepsTheKindPaletteLanguageAndDates) {
  model::Model m = StoredValuesModel(kKindCases[0], texts::Language::kEnglish);
  const model::Model before = m;
  ResetSettingsToDefaults(m);
  // Kept: not part of the built-in defaults of the settings.
  for (const char* kept :
       {"DialKind", "AltitudeVariant", "Colors[4]", "LineWidth", "Language",
        "ExpertMode", "ShowBorders", "DateLineList", "NormalWindowSize",
        "TemporalSubdivisions"})
    EXPECT_EQ(Value(m, kept), Value(before, kept)) << kept;
  // The built-in defaults as listed for "Load Default Values".
  const std::pair<const char*, const char*> defaults[] = {
      {"Latitude", "47.251315"},
      {"Longitude", "-9.590825"},
      {"Inclination", "25.4589"},
      {"ConeAxisInclination", "47.251315"},
      {"Year", "2020"},
      {"HidokeiGnomon", "25"},
      {"MapScale", "100"},
      {"AnalemmaHour", "13"},
      {"ApparentHoursFrom", "8"},
      {"ApparentHoursTo", "19"},
      {"RingHoleOffset", "0"},
      {"RingHoleOffset2", "11.72"},
      {"RingHoleOffset3", "-11.72"},
      {"ApparentHourSubdivisions", "1"},
      {"AnalemmaMarkDays", "1"},
      {"AzimuthScale", "1"},
      {"AzimuthCircles", "1"},
      {"ShowBabylonianHours", "false"},
      {"HidokeiVerticalFace", "true"},
      {"AltitudeLinesTo", "70"},
      {"ItalianSubdivisions", "1"},
      {"Obliquity", "23.44"},
  };
  for (const auto& [name, value] : defaults)
    EXPECT_EQ(Value(m, name), value) << name;
}

TEST(SettingsFile, DerivedValuesFollowKindAndYear) {
  model::Model m;
  m.DialKind = 'w';
  m.parameters.Year = 1300;
  UpdateDerivedValues(m);
  EXPECT_EQ(m.ColourRoleBlock, 84);
  // The mean obliquity of 1300 is about 23.53 degrees (0.013 per century).
  EXPECT_NEAR(m.values.Obliquity, 23.53, 0.006);
  EXPECT_EQ(m.values.Obliquity * 100, std::round(m.values.Obliquity * 100));
}

}  // namespace
}  // namespace lumtar::app
