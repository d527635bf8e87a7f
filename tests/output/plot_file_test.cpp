// The HPGL plot file: frames, numbers, labels, writing and saving.
#include "output/plot_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "output/hpgl_to_dxf.h"
#include "output/plot_save.h"
#include "output/windows1252.h"
#include "platform/scripted_ui.h"

namespace lumtar::output {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const fs::path& p, std::string_view bytes) {
  std::ofstream out(p, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_plot_" +
         std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST(PlotFrame, PlanarDialBeginsAsPlottersExpect) {
  // A planar dial saved as HPGL, and the same for DXF at 25 times the
  // resolution (16157 x 25 = 403925, 11038 x 25 = 275950).
  const PlotFrame f = FrameOf(PlotFrameKind::kPlanar);
  EXPECT_EQ(
      FrameStart(f, 1) + std::string(kPenFourAtOrigin),
      "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;");
  EXPECT_EQ(FrameStart(f, ResolutionMultiplier(HpglMode::kForDxf, 'v', 0, 0)),
            "IN;VS 1;PA;IW 0 0 403925 275950;PU 0 0;EA 403925 275950;");
  EXPECT_EQ(ConeFrameStart(f, 1),
            "IN;VS 1;PA;{IW 0 0 16157 11038;}PU 0 0;EA 16157 11038;");
  EXPECT_EQ(FrameStartWithCharSize(f, 1, "0.3,0.45"),
            "IN;VS 1;PA;IW 0 0 16157 11038;SI 0.3,0.45;SP 1;PU 0 0;EA 16157 "
            "11038;");
  EXPECT_EQ(FrameStart(FrameOf(PlotFrameKind::kSawyer), 1),
            "IN;VS 1;PA;IW 0 0 16400 10480;PU 0 0;EA 16400 10480;");
  EXPECT_EQ(FrameStart(FrameOf(PlotFrameKind::kCylinder), 1),
            "IN;VS 1;PA;IW 0 0 16480 11480;PU 0 0;EA 16480 11480;");
}

TEST(PlotFrame, ResolutionMultiplier) {
  struct Case {
    HpglMode mode;
    char kind;
    int altitude_variant, date_circles, expected;
  } cases[] = {
      {HpglMode::kHpgl, 'h', 0, 0, 1},    {HpglMode::kForDxf, 'h', 0, 0, 25},
      {HpglMode::kForDxf, 'c', 0, 0, 25}, {HpglMode::kForDxf, 'z', 0, 0, 25},
      {HpglMode::kForDxf, 'a', 0, 0, 1},  {HpglMode::kForDxf, 'w', 0, 0, 1},
      {HpglMode::kForDxf, 'q', 0, 0, 1},  {HpglMode::kForDxf, 'q', 2, 0, 25},
      {HpglMode::kForDxf, 'q', 0, 2, 25}, {HpglMode::kHpgl, 'q', 1, 0, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ResolutionMultiplier(c.mode, c.kind, c.altitude_variant,
                                   c.date_circles),
              c.expected)
        << c.kind << c.altitude_variant << c.date_circles;
  EXPECT_EQ(DxfDivisor(25), 1000);
}

TEST(PlotNumbers, IntegersAreRoundedAndClamped) {
  EXPECT_EQ(FormatPlotInt(3.4e8), "217000000");
  EXPECT_EQ(FormatPlotInt(-3.4e8), "-217000000");
  EXPECT_EQ(FormatPlotInt(1234.6), "1235");
  EXPECT_EQ(FormatPlotInt(-7.4), "-7");
  EXPECT_EQ(FormatPlotFixed(5, 2, 0.24), " 0.24");
}

TEST(PlotLabel, CodeThreeEndsTheLabelAndUmlautsAreSpelledOut) {
  EXPECT_EQ(PlotLabel(100, 200.4, "12 mm"), ";PU 100 200;LB12 mm\x03");
  // Umlauts spelled out; the degree sign is the Windows-1252 byte B0.
  EXPECT_EQ(PlotLabelText("Süd 45°"), "Sued 45\xB0");
  EXPECT_EQ(PlotLabelText("a\x03"
                          "b"),
            "ab");
}

TEST(Windows1252, RoundTripAndUnrepresentable) {
  EXPECT_EQ(Utf8ToWindows1252("°ß€"), "\xB0\xDF\x80");
  EXPECT_EQ(Windows1252ToUtf8("\xB0\xDF\x80"), "°ß€");
  // The zodiac sign Aries has no place in Windows-1252; a stray byte is
  // no UTF-8.
  EXPECT_EQ(Utf8ToWindows1252("a\u2648b\xFF"
                              "c"),
            "a?b?c");
}

TEST(ScreenToPlot, PickedPositions) {
  // A click in the middle of an 800 x 600 image.
  EXPECT_EQ(
      ScreenToPlot(PickLayout::kFramed, 800, 600, {400, 300}, 1),
      (platform::Point{8078, 5521}));  // 8078.5 to even; 11040 - 11038 / 2
  EXPECT_EQ(ScreenToPlot(PickLayout::kFramed, 800, 600, {400, 300}, 25),
            (platform::Point{201962, 138025}));  // 201962.5 to even
  EXPECT_EQ(ScreenToPlot(PickLayout::kSawyer, 800, 600, {400, 300}, 1),
            (platform::Point{8200, 5245}));  // 16400 / 2, 10480 - 10470 / 2
  EXPECT_EQ(ScreenToPlot(PickLayout::kPeaucellier, 800, 600, {0, 300}, 1),
            (platform::Point{0, 5240}));
  // An empty image divides by nothing.
  EXPECT_EQ(ScreenToPlot(PickLayout::kFramed, 0, 0, {1, 1}, 1),
            (platform::Point{16157, 2}));
}

TEST_F(TempDir, PlotFileWritesEverythingOnOneLine) {
  PlotFile plot;
  ASSERT_TRUE(plot.Open(dir_ / "a.plt"));
  WritePlot(plot, "IN;");
  WritePlot(plot, "");
  WritePlot(plot, PlotLabel(1, 2, "x"));
  // Flushed after each write: the bytes are in the file before closing.
  EXPECT_EQ(ReadFile(dir_ / "a.plt"), "IN;;PU 1 2;LBx\x03");
  EXPECT_TRUE(plot.Close());
  EXPECT_EQ(ReadFile(dir_ / "a.plt").find('\n'), std::string::npos);
}

TEST(PlotFileErrors, WriteAndOpenFailuresAreReported) {
  PlotFile full;
  if (full.Open("/dev/full")) {
    WritePlot(full, "IN;");
    EXPECT_FALSE(full.ok());
    EXPECT_NE(full.error().find("/dev/full"), std::string::npos);
    EXPECT_FALSE(full.Close());
  }
  PlotFile missing;
  EXPECT_FALSE(missing.Open("/nonexistent-folder/x.plt"));
  EXPECT_FALSE(missing.error().empty());
  PlotFile closed;
  WritePlot(closed, "IN;");
  EXPECT_FALSE(closed.ok());
}

TEST(PlotNames, DerivedFromTheFileNameOnly) {
  struct Case {
    const char* chosen;
    const char* ext;
    const char* expected;
  } cases[] = {
      {"/a/lum.plt", "dxf", "/a/lum.dxf"},
      {"/a.b/lum", "dxf", "/a.b/lum.dxf"},  // a dot in the folder stays
      {"/a/my.dial.plt", "txt", "/a/my.dial.txt"},
      {"lum.", "plt", "lum.plt"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(WithExtension(c.chosen, c.ext).string(), c.expected);
  EXPECT_EQ(ConeFileName("/d/lum.dxf").string(), "/d/lumCone.dxf");
  EXPECT_EQ(ConeFileName("/d.x/lum").string(), "/d.x/lumCone");
  EXPECT_EQ(CoordinateFileName("/d/lum.dxf").string(), "/d/lum.txt");
  EXPECT_EQ(ProposedPlotName("", HpglMode::kHpgl).string(), "lum.plt");
  EXPECT_EQ(ProposedPlotName("sonne.plt", HpglMode::kForDxf).string(),
            "sonne.dxf");
  EXPECT_EQ(TemporaryPlotPath("/x/y/lum.dxf").string(), "/x/y/lumtar.$$$");
  EXPECT_TRUE(TemporaryPlotPath("lum.dxf").is_absolute());
}

TEST_F(TempDir, DerivedFileAsksBeforeOverwriting) {
  platform::ScriptedUi ui;
  EXPECT_TRUE(MayOverwrite(dir_ / "new.txt", ui, texts::Language::kEnglish));
  EXPECT_TRUE(ui.shown.empty());
  WriteFile(dir_ / "old.txt", "x");
  ui.answers.push_back(platform::Answer::kNo);
  EXPECT_FALSE(MayOverwrite(dir_ / "old.txt", ui, texts::Language::kEnglish));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kQuestion);
}

const char kSmallPlot[] =
    "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;"
    "PD 4000 4000 8000 4000;PU 4000 4000;LB12 mm\x03;SP 0;IN;";

TEST_F(TempDir, SaveAsHpgl) {
  platform::ScriptedUi ui;
  const fs::path target = dir_ / "lum.plt";
  const auto r = SavePlot(
      {target, HpglMode::kHpgl},
      [](PlotFile& p) {
        WritePlot(p, kSmallPlot);
        return true;
      },
      ui, texts::Language::kEnglish);
  EXPECT_TRUE(r.saved);
  EXPECT_EQ(ReadFile(target), kSmallPlot);
  EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kInformation);
  EXPECT_EQ(ui.shown[0].text,
            "\r\n       File " + target.string() + " saved!     ");
}

TEST_F(TempDir, RefusedPlotLeavesThePreviousFile) {
  platform::ScriptedUi ui;
  const fs::path target = dir_ / "lum.plt";
  WriteFile(target, "old");
  WriteFile(dir_ / "lumtar.$$$", "stale");
  const auto r = SavePlot(
      {target, HpglMode::kHpgl},
      [](PlotFile& p) {
        WritePlot(p, "IN;half");
        return false;  // the routine gave up
      },
      ui, texts::Language::kEnglish);
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(ReadFile(target), "old");
  EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
  EXPECT_TRUE(ui.shown.empty());  // the routine showed its own message
}

TEST_F(TempDir, SaveIntoMissingFolderFailsWithOneMessage) {
  platform::ScriptedUi ui;
  const auto r = SavePlot(
      {dir_ / "no" / "lum.plt", HpglMode::kHpgl},
      [](PlotFile& p) {
        WritePlot(p, "IN;");
        return true;
      },
      ui, texts::Language::kEnglish);
  EXPECT_FALSE(r.saved);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kError);
  EXPECT_TRUE(ui.shown[0].text.starts_with("Unable to save file!"));
}

TEST_F(TempDir, SaveAsDxfConvertsTheTemporaryPlot) {
  platform::ScriptedUi ui;
  const fs::path target = dir_ / "lum.dxf";
  const auto r = SavePlot(
      {target, HpglMode::kForDxf, 2, 40},
      [](PlotFile& p) {
        WritePlot(p, kSmallPlot);
        return true;
      },
      ui, texts::Language::kEnglish);
  EXPECT_TRUE(r.saved);
  const std::string dxf = ReadFile(target);
  EXPECT_TRUE(dxf.starts_with("0\rSECTION\r"));
  EXPECT_NE(dxf.find("\r12 mm\r"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\r       File " + target.string() + " saved!");
  // Nothing but the DXF is left in the folder.
  EXPECT_EQ(
      std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempDir, EmptyPlotGivesNoDxf) {
  platform::ScriptedUi ui;
  const fs::path target = dir_ / "lum.dxf";
  WriteFile(target, "old");
  const auto r = SavePlot(
      {target, HpglMode::kForDxf}, [](PlotFile&) { return true; }, ui,
      texts::Language::kEnglish);
  EXPECT_FALSE(r.saved);
  EXPECT_EQ(ReadFile(target), "old");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kWarning);
  EXPECT_NE(ui.shown[0].text.find(" not converted!"), std::string::npos);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_TRUE(r.messages[0].ends_with(" ist kein HPGL-File!"));
  EXPECT_EQ(
      std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempDir, NothingConvertedLeavesNoFile) {
  platform::ScriptedUi ui;
  WriteFile(dir_ / "in.plt", "IN;VS 1;PA;");
  const auto r = ConvertHpglToDxf(dir_ / "in.plt", dir_ / "out.dxf", 1, 40, ui);
  EXPECT_FALSE(r.saved);
  EXPECT_FALSE(fs::exists(dir_ / "out.dxf"));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kError);
  EXPECT_EQ(
      std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(TempDir, UncreatableDxfStopsTheConversion) {
  platform::ScriptedUi ui;
  WriteFile(dir_ / "in.plt", kSmallPlot);
  const auto r =
      ConvertHpglToDxf(dir_ / "in.plt", dir_ / "no" / "out.dxf", 1, 40, ui);
  EXPECT_FALSE(r.saved);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Das war ein Datei-Öffnungsfehler!");
}

}  // namespace
}  // namespace lumtar::output
