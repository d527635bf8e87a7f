// Sun path diagrams: the lines in the sky, their mapping onto the canvas,
// the plane and horizon overlays, and saving as HPGL and DXF.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "../external_tools.h"
#include "astro/sun_position.h"
#include "output/recording_canvas.h"
#include "platform/scripted_ui.h"
#include "tables/graph_save.h"
#include "tables/sun_path.h"
#include "tables/sun_path_diagram.h"

namespace lumtar::tables {
namespace {

namespace fs = std::filesystem;

model::Model Site(double latitude) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  m.parameters.Latitude = latitude;
  m.parameters.Year = 2020;
  return m;
}

const DateLine* Find(const SunPathData& d, int day, int month) {
  for (const DateLine& l : d.dates)
    if (l.day == day && l.month == month) return &l;
  return nullptr;
}

double Highest(const std::vector<SkyRun>& runs) {
  double h = -90;
  for (const SkyRun& r : runs)
    for (const astro::AltAz& a : r) h = std::max(h, a.altitude_deg);
  return h;
}

// The noon altitude of the June solstice is 90 - latitude + obliquity;
// 23.44 degrees is the obliquity of the ecliptic of 2020 (astronomical
// almanac), the sun stands within 0.01 degrees of it on 21 June 2020.
TEST(SunPath, JuneSolsticeNoonAltitude) {
  for (double phi : {47.25, 30.0, 60.0}) {
    const SunPathData d = ComputeSunPath(Site(phi), {});
    const DateLine* june = Find(d, 21, 6);
    ASSERT_NE(june, nullptr);
    EXPECT_NEAR(Highest(june->runs), 90 - phi + 23.44, 0.03) << phi;
    // It starts and ends on the horizon, north of east and west.
    EXPECT_NEAR(june->runs.front().front().altitude_deg, 0, 1e-6);
    EXPECT_LT(june->runs.front().front().azimuth_deg, -90);
    EXPECT_GT(june->runs.back().back().azimuth_deg, 90);
    EXPECT_NEAR(june->runs.front().front().azimuth_deg, june->rise_azimuth_deg,
                1e-6);
  }
}

TEST(SunPath, ApparentNoonLineIsDueSouthAndMorningLinesEast) {
  SunPathOptions o;
  o.hour_interval_min = 30;
  const SunPathData d = ComputeSunPath(Site(47.25), o);
  int noon_lines = 0;
  for (const HourLine& h : d.hours) {
    for (const SkyRun& r : h.runs)
      for (const astro::AltAz& a : r) {
        if (h.clock_hours == 12) {
          EXPECT_NEAR(a.azimuth_deg, 0, 1e-9);
        } else if (h.clock_hours < 12) {
          EXPECT_LT(a.azimuth_deg, 0) << h.clock_hours;
        } else {
          EXPECT_GT(a.azimuth_deg, 0) << h.clock_hours;
        }
        EXPECT_GE(a.altitude_deg, 0);
      }
    if (h.clock_hours == 12) ++noon_lines;
  }
  EXPECT_EQ(noon_lines, 1);
  // Every half hour from 4:30 to 19:30 stands above the horizon in June.
  EXPECT_EQ(d.hours.size(), 31u);
}

// With the equation of time the noon line becomes a loop that swings to
// both sides of south: about 4 degrees of hour angle either way.
TEST(SunPath, MeanTimeHoursAreLoops) {
  SunPathOptions o;
  o.mean_time = true;
  const model::Model m = Site(47.25);
  const SunPathData d = ComputeSunPath(m, o);
  const HourLine* noon = nullptr;
  for (const HourLine& h : d.hours)
    if (h.clock_hours == 12) noon = &h;
  ASSERT_NE(noon, nullptr);
  ASSERT_EQ(noon->runs.size(), 1u);
  double west = 0, east = 0;
  for (const astro::AltAz& a : noon->runs[0]) {
    west = std::max(west, a.azimuth_deg);
    east = std::min(east, a.azimuth_deg);
  }
  EXPECT_GT(west, 3);
  EXPECT_LT(east, -3);
  // Closed over the year.
  EXPECT_NEAR(noon->runs[0].front().azimuth_deg,
              noon->runs[0].back().azimuth_deg, 1e-9);
  // Zone time at 9.59 degrees east, 15 east zone: the loop lies about
  // 21.6 minutes (5.4 degrees of hour angle) further east.
  o.zone_time = true;
  const SunPathData z = ComputeSunPath(m, o);
  for (const HourLine& h : z.hours)
    if (h.clock_hours == 12) {
      double sum = 0;
      for (const astro::AltAz& a : h.runs[0]) sum += a.azimuth_deg;
      EXPECT_LT(sum / h.runs[0].size(), -3);
    }
}

TEST(SunPath, DatesPerMonthAndPeriod) {
  EXPECT_EQ(SunPathDates(1, SunPathPeriod::kFullYear).size(), 12u);
  EXPECT_EQ(SunPathDates(3, SunPathPeriod::kFullYear).size(), 36u);
  const std::vector<MonthDay> second =
      SunPathDates(2, SunPathPeriod::kJuneToDecember);
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(second.front().month, 6);
  EXPECT_EQ(second.front().day, 21);
  EXPECT_EQ(second.back().month, 12);
  EXPECT_EQ(second.back().day, 21);
  EXPECT_EQ(second.size(), 13u);  // 21 Jun, then 6 and 21 of Jul..Dec
  SunPathOptions o;
  o.period = SunPathPeriod::kDecemberToJune;
  const SunPathData d = ComputeSunPath(Site(47.25), o);
  for (const DateLine& l : d.dates)
    EXPECT_TRUE(l.month <= 6 || (l.month == 12 && l.day == 21));
  EXPECT_EQ(d.dates.size(), 7u);
}

// A vertical wall facing due south: its sunshine lies south of east and
// west, its own horizon is the east-west circle through the zenith, and
// the first and last sunlight of the year are 6:00 and 18:00 apparent
// time (the sun crosses the east-west circle at the equinoxes' 6 h).
TEST(SunPath, PlaneOverlayOfASouthWall) {
  SunPathOptions o;
  o.plane = {true, 47.25, 0, 90};
  const SunPathData d = ComputeSunPath(Site(47.25), o);
  ASSERT_FALSE(d.plane_lit.empty());
  for (const SkyRun& r : d.plane_lit)
    for (const astro::AltAz& a : r) EXPECT_LT(std::abs(a.azimuth_deg), 90);
  ASSERT_FALSE(d.plane_edge.empty());
  for (const SkyRun& r : d.plane_edge)
    for (const astro::AltAz& a : r)
      EXPECT_NEAR(astro::PlaneIncidence(a.altitude_deg, a.azimuth_deg, 0, 0), 0,
                  1e-9);
  EXPECT_NE(d.first_last_light.find(" 6:00 -"), std::string::npos)
      << d.first_last_light;
  EXPECT_TRUE(d.first_last_light.ends_with(" 18:00")) << d.first_last_light;
}

TEST(SunPath, CuttingAtTheHorizon) {
  const std::vector<SkyRun> runs =
      CutAtHorizon({{-10, -100}, {10, -90}, {20, -40}, {-20, 40}, {-5, 50}});
  ASSERT_EQ(runs.size(), 1u);
  ASSERT_EQ(runs[0].size(), 4u);
  EXPECT_NEAR(runs[0].front().azimuth_deg, -95, 1e-9);
  EXPECT_EQ(runs[0].front().altitude_deg, 0);
  EXPECT_NEAR(runs[0].back().azimuth_deg, 0, 1e-9);
  EXPECT_EQ(runs[0].back().altitude_deg, 0);
}

// The rectangular diagram on a canvas: the noon hour label stands over the
// azimuth label of south, the title names the site, the horizon profile is
// drawn only when given.
TEST(SunPathDiagram, RectangularOnACanvas) {
  const model::Model m = Site(47.25);
  output::RecordingCanvas canvas;
  DrawSunPathRect(canvas, m, {}, 0, 0, false, 2000, 2870);
  const auto text = [&](const std::string& t) {
    for (const auto& f : canvas.figures())
      if (f.kind == output::RecordingCanvas::Kind::kText && f.text == t)
        return &f;
    return static_cast<const output::RecordingCanvas::Figure*>(nullptr);
  };
  ASSERT_NE(text("12"), nullptr);
  ASSERT_NE(text("0\xC2\xB0"), nullptr);
  ASSERT_NE(text("S"), nullptr);
  ASSERT_NE(text("Azimuth"), nullptr);
  ASSERT_NE(text("Altitude"), nullptr);
  ASSERT_NE(text("Sun path diagram 2020"), nullptr);
  ASSERT_NE(text("Latitude 47.25\xC2\xB0   Longitude -9.59\xC2\xB0   Zone "
                 "meridian -15.0\xC2\xB0"),
            nullptr);
  ASSERT_NE(text("21 Jun"), nullptr);
  EXPECT_NEAR(text("12")->points[0].x, text("0\xC2\xB0")->points[0].x, 5);
  EXPECT_LT(text("12")->points[0].y, text("0\xC2\xB0")->points[0].y);
  EXPECT_EQ(text("Horizon profile"), nullptr);

  SunPathOptions o;
  o.horizon_profile = {{-120, 5}, {-60, 12}, {0, 3}, {60, 8}, {120, 2}};
  GraphFigure f =
      SunPathFigure(m, o, SunPathShape::kRectangular, 2870, 2000, 28, 1);
  const auto profile =
      std::find_if(f.paths.begin(), f.paths.end(),
                   [](const GraphPath& p) { return p.color_entry == 5; });
  ASSERT_NE(profile, f.paths.end());
  EXPECT_EQ(profile->points.size(), 5u);
  EXPECT_TRUE(std::any_of(f.labels.begin(), f.labels.end(), [](const auto& l) {
    return l.text == "Horizon profile";
  }));
}

// Polar: the horizon is the outer circle, the zenith its centre, south
// below it; the June line's noon lies on the meridian below the centre.
TEST(SunPathDiagram, PolarGeometry) {
  const model::Model m = Site(47.25);
  const GraphFigure f =
      SunPathFigure(m, {}, SunPathShape::kPolar, 2870, 2000, 28, 1);
  const auto south =
      std::find_if(f.labels.begin(), f.labels.end(),
                   [](const auto& l) { return l.text == "S 0\xC2\xB0"; });
  const auto north =
      std::find_if(f.labels.begin(), f.labels.end(),
                   [](const auto& l) { return l.text == "N 180\xC2\xB0"; });
  const auto east =
      std::find_if(f.labels.begin(), f.labels.end(),
                   [](const auto& l) { return l.text == "E -90\xC2\xB0"; });
  ASSERT_NE(south, f.labels.end());
  ASSERT_NE(north, f.labels.end());
  ASSERT_NE(east, f.labels.end());
  EXPECT_GT(south->at.y, north->at.y);
  EXPECT_NEAR(south->at.x, north->at.x, 1e-6);
  EXPECT_GT(east->at.x, south->at.x);
}

class GraphSave : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_graph_" +
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

TEST_F(GraphSave, SavedOnlyAfterSuccessAndNothingLeftOnFailure) {
  const model::Model m = Site(47.25);
  GraphRequest r;
  r.kind = GraphKind::kSunPathPolar;
  platform::ScriptedUi ui;
  const fs::path target =
      GraphFileName(dir_ / "sun.path.txt", output::HpglMode::kHpgl);
  EXPECT_EQ(target.filename(), "sun.path.plt");
  ASSERT_TRUE(SaveGraph(m, r, target, output::HpglMode::kHpgl, ui).saved);
  EXPECT_EQ(Files(), std::vector<std::string>{"sun.path.plt"});
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kInformation);
  EXPECT_NE(ui.shown[0].text.find("saved!"), std::string::npos);

  // A folder that does not exist: one error, no file, no "saved!".
  platform::ScriptedUi failing;
  EXPECT_FALSE(SaveGraph(m, r, dir_ / "missing" / "x.plt",
                         output::HpglMode::kHpgl, failing)
                   .saved);
  ASSERT_EQ(failing.shown.size(), 1u);
  EXPECT_EQ(failing.shown[0].caption, platform::Caption::kError);
  EXPECT_NE(failing.shown[0].text.find("Unable to save file!"),
            std::string::npos);
  EXPECT_EQ(Files(), std::vector<std::string>{"sun.path.plt"});
}

TEST_F(GraphSave, EveryGraphRendersInHp2xxAndPassesTheDxfAudit) {
  const bool ezdxf = HaveEzdxf(), hp2xx = HaveHp2xx();
  if (!ezdxf && !hp2xx) GTEST_SKIP() << "neither python3-ezdxf nor hp2xx";
  model::Model m = Site(47.25);
  for (GraphKind kind :
       {GraphKind::kEot, GraphKind::kSunPathRect, GraphKind::kSunPathPolar}) {
    GraphRequest r;
    r.kind = kind;
    r.eot.longitude_correction = true;
    r.sun_path.plane = {true, 47.25, -11.7, 90};
    r.sun_path.mean_time = true;
    platform::ScriptedUi ui;
    std::string out;
    if (ezdxf) {
      const fs::path dxf = dir_ / "graph.dxf";
      ASSERT_TRUE(SaveGraph(m, r, dxf, output::HpglMode::kForDxf, ui).saved);
      EXPECT_EQ(RunTool("/usr/bin/python3 -m ezdxf audit " + dxf.string(), out),
                0)
          << out;
      EXPECT_NE(out.find("No errors found"), std::string::npos) << out;
      EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
    }
    if (hp2xx) {
      const fs::path plt = dir_ / "graph.plt";
      ASSERT_TRUE(SaveGraph(m, r, plt, output::HpglMode::kHpgl, ui).saved);
      const fs::path png = dir_ / "graph.png";
      EXPECT_EQ(RunTool(Hp2xxCommand(png, plt), out), 0) << out;
      EXPECT_EQ(out.find("rror"), std::string::npos) << out;
      EXPECT_TRUE(fs::exists(png));
    }
  }
}

}  // namespace
}  // namespace lumtar::tables
