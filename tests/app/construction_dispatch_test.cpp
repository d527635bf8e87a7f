// The construction dispatch by dial kind: draw, print and plot entries,
// the saves of HPGL, DXF and coordinates, and their files read by
// independent tools (ezdxf, hp2xx) when those are installed.
#include "app/construction_dispatch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "../external_tools.h"
#include "output/recording_canvas.h"
#include "platform/scripted_ui.h"

namespace lumtar::app {
namespace {

namespace fs = std::filesystem;

class FakePrinter : public platform::Printer {
 public:
  void SetOrientation(platform::Orientation o) override {
    orientations.push_back(o);
  }
  bool BeginDocument(std::string_view) override { return begin_ok; }
  void NewPage() override {}
  bool EndDocument() override { return end_ok; }
  platform::Canvas& canvas() override { return recording; }
  int page_width() const override { return 2870; }
  int page_height() const override { return 2000; }
  bool WriteText(std::string_view) override { return true; }

  bool begin_ok = true, end_ok = true;
  std::vector<platform::Orientation> orientations;
  output::RecordingCanvas recording;
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_dispatch_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

model::Model Kind(char kind, bool umbrella = false) {
  model::Model m;
  m.DialKind = kind;
  m.selectors.UmbrellaFlag = umbrella;
  m.Language = texts::Language::kEnglish;
  if (kind == 'h') m.parameters.WallDeclination = 0;
  return m;
}

TEST_F(Dispatch, PlanarKindsHaveEntriesOthersAreNotAvailable) {
  for (char k : {'h', 'v', 'i'}) {
    model::Model m = Kind(k);
    ASSERT_NE(FindConstruction(m), nullptr) << k;
    output::RecordingCanvas canvas;
    platform::ScriptedUi ui;
    EXPECT_EQ(DrawConstruction(canvas, m, {true, 800, 600}, ui),
              ConstructionStatus::kDone);
    EXPECT_FALSE(canvas.figures().empty());
    // An image smaller than 1 x 1 is not drawn.
    output::RecordingCanvas none;
    EXPECT_EQ(DrawConstruction(none, m, {true, 0, 0}, ui),
              ConstructionStatus::kRefused);
    EXPECT_TRUE(none.figures().empty());
  }
  for (char k : {'a', 'z', 'q', 'k', 'r', 'w', 'p', 'c', 'm', 'o'}) {
    model::Model m = Kind(k);
    EXPECT_EQ(FindConstruction(m), nullptr) << k;
    output::RecordingCanvas canvas;
    platform::ScriptedUi ui;
    EXPECT_EQ(DrawConstruction(canvas, m, {true, 800, 600}, ui),
              ConstructionStatus::kNotAvailable);
    EXPECT_TRUE(canvas.figures().empty());
    // A plot of such a kind holds only its frame.
    output::PlotFile plot;
    ASSERT_TRUE(plot.Open(dir_ / "a.plt"));
    EXPECT_EQ(PlotConstruction(plot, m, ui, {}),
              ConstructionStatus::kNotAvailable);
    plot.Close();
    EXPECT_EQ(ReadFile(dir_ / "a.plt"),
              "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 0;IN;");
    // Saving it writes nothing and says why once.
    SaveRequest r;
    r.target = dir_ / "x.plt";
    EXPECT_EQ(SaveConstruction(m, r, ui).status,
              ConstructionStatus::kNotAvailable);
    EXPECT_EQ(ui.shown.size(), 1u);
    fs::remove(dir_ / "a.plt");
    EXPECT_TRUE(Files().empty()) << k;
  }
}

TEST_F(Dispatch, PrintsOneLandscapePageAndReportsFailure) {
  model::Model m = Kind('v');
  FakePrinter printer;
  platform::ScriptedUi ui;
  EXPECT_EQ(PrintConstruction(printer, m, ui), ConstructionStatus::kDone);
  EXPECT_EQ(printer.orientations, (std::vector<platform::Orientation>{
                                      platform::Orientation::kLandscape,
                                      platform::Orientation::kPortrait}));
  EXPECT_FALSE(printer.recording.figures().empty());
  EXPECT_TRUE(ui.shown.empty());

  FakePrinter broken;
  broken.begin_ok = false;
  EXPECT_EQ(PrintConstruction(broken, m, ui), ConstructionStatus::kFailed);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Error - Printing cancelled !");
  EXPECT_EQ(broken.orientations.back(), platform::Orientation::kPortrait);

  // A gnomon foot picked outside the image: asked first; Yes cancels.
  m.window.OriginPicked = true;
  m.window.ImageWidth = 800;
  m.window.ImageHeight = 600;
  m.window.OriginPoint = {900, 100};
  FakePrinter asked;
  platform::ScriptedUi yes;
  yes.answers = {platform::Answer::kYes};
  EXPECT_EQ(PrintConstruction(asked, m, yes), ConstructionStatus::kRefused);
  EXPECT_TRUE(asked.orientations.empty());
  ASSERT_EQ(yes.shown.size(), 1u);
  EXPECT_EQ(yes.shown[0].caption, platform::Caption::kQuestion);
}

TEST_F(Dispatch, EveryDxfPassesTheAuditAndEveryPlotRenders) {
  const bool ezdxf = HaveEzdxf(), hp2xx = HaveHp2xx();
  if (!ezdxf && !hp2xx) GTEST_SKIP() << "neither python3-ezdxf nor hp2xx";
  struct Case {
    char kind;
    bool umbrella;
    double declination, inclination;
  } cases[] = {{'h', false, 0, 0},   {'v', false, -11.7, 90},
               {'i', false, 25, 60}, {'v', true, 20, 90},
               {'h', true, 0, 0},    {'i', true, 10, 30}};
  for (const auto& c : cases) {
    model::Model m = Kind(c.kind, c.umbrella);
    m.parameters.WallDeclination = c.declination;
    m.parameters.Inclination = c.inclination;
    m.options.ShowMeanHourLines = true;
    m.options.ShowTemporalHours = true;
    m.options.ShowBabylonianHours = true;
    m.options.ShowItalianHours = true;
    m.options.ShowAltitudeLines = true;
    const std::string what =
        std::string(1, c.kind) + (c.umbrella ? " umbrella" : "");
    platform::ScriptedUi ui;
    if (ezdxf) {
      SaveRequest r;
      r.target = dir_ / "dial.dxf";
      r.output = SaveOutput::kDxf;
      r.grid = dials::PlotGrid::kWidth;
      r.line_width = 2;
      ASSERT_EQ(SaveConstruction(m, r, ui).status, ConstructionStatus::kDone)
          << what;
      std::string out;
      EXPECT_EQ(
          RunTool("/usr/bin/python3 -m ezdxf audit " + r.target.string(), out),
          0)
          << what << out;
      EXPECT_NE(out.find("No errors found"), std::string::npos) << what << out;
    }
    if (hp2xx) {
      SaveRequest r;
      r.target = dir_ / "dial.plt";
      r.grid = dials::PlotGrid::kNone;
      ASSERT_EQ(SaveConstruction(m, r, ui).status, ConstructionStatus::kDone)
          << what;
      std::string out;
      const fs::path png = dir_ / "dial.png";
      EXPECT_EQ(RunTool(Hp2xxCommand(png, r.target), out), 0) << what << out;
      EXPECT_EQ(out.find("rror"), std::string::npos) << what << out;
      EXPECT_TRUE(fs::exists(png)) << what;
    }
  }
}

TEST_F(Dispatch, CoordinatesAloneOrBesideThePlot) {
  model::Model m = Kind('v');
  platform::ScriptedUi ui;
  SaveRequest r;
  r.target = dir_ / "wall.txt";
  r.output = SaveOutput::kCoordinates;
  ASSERT_EQ(SaveConstruction(m, r, ui).status, ConstructionStatus::kDone);
  // Only the list is left: the plot it was recorded from is gone.
  EXPECT_EQ(Files(), std::vector<std::string>{"wall.txt"});
  const std::string list = ReadFile(r.target);
  EXPECT_EQ(list.rfind("Coordinate list: vertical SUNDIAL\r\n", 0), 0u);
  EXPECT_NE(list.find("\r\napparent time 12:00\r\n"), std::string::npos);

  // Beside an HPGL file, under its name with "txt"; an existing list is
  // replaced only after a Yes.
  SaveRequest beside;
  beside.target = dir_ / "wall.plt";
  beside.grid = dials::PlotGrid::kNone;
  beside.coordinates_beside = true;
  platform::ScriptedUi no;
  no.answers = {platform::Answer::kOk,  // "File wall.plt saved!"
                platform::Answer::kNo};
  std::ofstream(dir_ / "wall.txt") << "mine";
  ASSERT_EQ(SaveConstruction(m, beside, no).status, ConstructionStatus::kDone);
  EXPECT_EQ(ReadFile(dir_ / "wall.txt"), "mine");
  EXPECT_EQ(Files(), (std::vector<std::string>{"wall.plt", "wall.txt"}));
  platform::ScriptedUi yes;
  ASSERT_EQ(SaveConstruction(m, beside, yes).status, ConstructionStatus::kDone);
  EXPECT_EQ(ReadFile(dir_ / "wall.txt").rfind("Coordinate list: ", 0), 0u);
}

TEST_F(Dispatch, ARefusedSaveLeavesThePreviousFile) {
  // An umbrella dial without a disk: refused with one message; the old
  // plot stays as it was and no temporary file is left.
  model::Model m = Kind('v', true);
  m.parameters.UmbrellaDiskRatio = 0;
  std::ofstream(dir_ / "old.plt") << "old";
  for (SaveOutput out :
       {SaveOutput::kHpgl, SaveOutput::kDxf, SaveOutput::kCoordinates}) {
    platform::ScriptedUi ui;
    SaveRequest r;
    r.target = dir_ / "old.plt";
    r.output = out;
    r.grid = dials::PlotGrid::kNone;
    EXPECT_EQ(SaveConstruction(m, r, ui).status, ConstructionStatus::kRefused);
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ReadFile(dir_ / "old.plt"), "old");
    EXPECT_EQ(Files(), std::vector<std::string>{"old.plt"});
  }
}

}  // namespace
}  // namespace lumtar::app
