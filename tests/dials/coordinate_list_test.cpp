// The coordinate list: millimetres from the gnomon foot, checked against
// an independent formulation of the planar sundial, and the file itself.
#include "dials/coordinate_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "astro/pascal_math.h"
#include "dials/planar_dial.h"
#include "platform/scripted_ui.h"
#include "plot_reader.h"

namespace lumtar::dials {
namespace {

namespace fs = std::filesystem;
using astro::kRadPerDeg;

TEST(CoordinateRecorder, MillimetresFromTheGnomonFootWithYUp) {
  CoordinateRecorder r;
  r.SetFrame({1000, 500}, 40);
  r.BeginLine(LineRole::kApparentHour, 12, "apparent time 12:00");
  r.MoveTo(1000, 500);
  r.LineTo(1040, 420);  // 1 mm right, 2 mm up
  r.LineTo(1040, 420);  // a repeated point adds nothing
  r.MoveTo(0, 0);       // a piece without a segment is no block
  r.BeginLine(LineRole::kDeclination, 172, "date line 21.6.");
  r.MoveTo(960, 540);
  r.LineTo(920, 580);
  r.MoveTo(800, 500);
  r.LineTo(800, 460);
  r.BeginLine(LineRole::kAnalemma, 13, "analemma 13");
  r.Mark(1000, 460, true);
  const auto blocks = r.Blocks(texts::Language::kEnglish);
  ASSERT_EQ(blocks.size(), 4u);
  EXPECT_EQ(blocks[0].name, "apparent time 12:00");
  ASSERT_EQ(blocks[0].points.size(), 2u);
  EXPECT_EQ(blocks[0].points[1].x, 1);
  EXPECT_EQ(blocks[0].points[1].y, 2);
  EXPECT_EQ(blocks[1].name, "date line 21.6., part 1");
  EXPECT_EQ(blocks[1].points[1].x, -2);
  EXPECT_EQ(blocks[1].points[1].y, -2);
  EXPECT_EQ(blocks[2].name, "date line 21.6., part 2");
  EXPECT_EQ(blocks[3].name, "analemma 13, marks");
  EXPECT_EQ(blocks[3].points[0].y, 1);

  const std::string text =
      CoordinateListText("header\r\n", blocks, texts::Language::kEnglish);
  EXPECT_NE(text.find("\r\napparent time 12:00\r\n      0.00      0.00\r\n"
                      "      1.00      2.00\r\n"),
            std::string::npos)
      << text;
  // Every line ends in CR LF.
  for (std::size_t k = text.find('\n'); k != std::string::npos;
       k = text.find('\n', k + 1))
    EXPECT_EQ(text[k - 1], '\r');
}

// The planar sundial as in Meeus, Astronomical Algorithms, ch. 58: plane
// of zenith distance z (our inclination) and gnomonic declination D (the
// azimuth of its normal, from the south towards the west, as ours), a
// gnomon of length a at right angles; x horizontal to the right of the
// observer facing the plane, y up its line of steepest slope.
struct MeeusDial {
  double phi, z, d, a;
  // The shadow of the nodus for hour angle h and declination dec; false
  // when the sun is behind the plane.
  bool Shadow(double h, double dec, double& x, double& y) const {
    const double sp = std::sin(phi * kRadPerDeg),
                 cp = std::cos(phi * kRadPerDeg);
    const double sz = std::sin(z * kRadPerDeg), cz = std::cos(z * kRadPerDeg);
    const double sd = std::sin(d * kRadPerDeg), cd = std::cos(d * kRadPerDeg);
    const double sh = std::sin(h * kRadPerDeg), ch = std::cos(h * kRadPerDeg);
    const double td = std::tan(dec * kRadPerDeg);
    const double p = sp * cz - cp * sz * cd;
    const double q = sd * sz * sh + (cp * cz + sp * sz * cd) * ch + p * td;
    const double nx = cd * sh - sd * (sp * ch - cp * td);
    const double ny = cz * sd * sh - (cp * sz - sp * cz * cd) * ch -
                      (sp * sz + cp * cz * cd) * td;
    if (q <= 0) return false;
    x = a * nx / q;
    y = a * ny / q;
    return true;
  }
};

// The same shadow from vectors: east, north, up; the sun's direction s,
// the plane's normal n, its axes u (horizontal, right) and v = n x u; the
// shadow a n - t s with t = a / (s . n). Confirms the formulas above.
bool VectorShadow(const MeeusDial& m, double h, double dec, double& x,
                  double& y) {
  const double r = kRadPerDeg;
  const double s[3] = {
      -std::cos(dec * r) * std::sin(h * r),
      std::cos(m.phi * r) * std::sin(dec * r) -
          std::sin(m.phi * r) * std::cos(dec * r) * std::cos(h * r),
      std::sin(m.phi * r) * std::sin(dec * r) +
          std::cos(m.phi * r) * std::cos(dec * r) * std::cos(h * r)};
  const double n[3] = {-std::sin(m.z * r) * std::sin(m.d * r),
                       -std::sin(m.z * r) * std::cos(m.d * r),
                       std::cos(m.z * r)};
  const double u[3] = {std::cos(m.d * r), -std::sin(m.d * r), 0};
  const double v[3] = {n[1] * u[2] - n[2] * u[1], n[2] * u[0] - n[0] * u[2],
                       n[0] * u[1] - n[1] * u[0]};
  const double sn = s[0] * n[0] + s[1] * n[1] + s[2] * n[2];
  if (sn <= 0) return false;
  const double t = m.a / sn;
  x = -t * (s[0] * u[0] + s[1] * u[1] + s[2] * u[2]);
  y = -t * (s[0] * v[0] + s[1] * v[1] + s[2] * v[2]);
  return true;
}

TEST(MeeusDial, FormulasAgreeWithTheVectorForm) {
  const MeeusDial dials[] = {
      {47.25, 0, 0, 35}, {47.25, 90, -11.7, 35}, {40, 50, 70, 35}};
  for (const auto& m : dials)
    for (double h = -150; h <= 150; h += 10)
      for (double dec : {-23.0, -10.0, 0.0, 12.0, 23.0}) {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const bool a = m.Shadow(h, dec, x1, y1);
        ASSERT_EQ(a, VectorShadow(m, h, dec, x2, y2));
        if (!a) continue;
        EXPECT_NEAR(x1, x2, 1e-9 * (1 + std::fabs(x2)));
        EXPECT_NEAR(y1, y2, 1e-9 * (1 + std::fabs(y2)));
      }
}

// The coordinate list of a construction, recorded while the plot writer
// runs at fine resolution.
std::vector<CoordinateRecorder::Block> Coordinates(
    model::Model& m, std::string* header = nullptr) {
  const fs::path p = fs::temp_directory_path() / "lumtar_coordinates.plt";
  output::PlotFile plot;
  EXPECT_TRUE(plot.Open(p));
  CoordinateRecorder recorder;
  PlotRequest r;
  r.mode = output::HpglMode::kForDxf;
  r.grid = PlotGrid::kNone;
  r.coordinates = &recorder;
  platform::ScriptedUi ui;
  EXPECT_TRUE(PlotPlanarDial(plot, m, ui, r));
  plot.Close();
  fs::remove(p);
  if (header != nullptr) *header = recorder.header();
  return recorder.Blocks(m.Language);
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx,
                         double by) {
  const double dx = bx - ax, dy = by - ay;
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

struct CrossCase {
  char kind;
  double phi, inclination, declination;
  const char* why;
};
const CrossCase kCrossCases[] = {
    {'h', 47.25, 0, 0, "horizontal dial at the default site"},
    {'v', 47.25, 90, -11.7, "the default vertical dial, declining east"},
    {'i', 40, 50, 70, "declining and reclining"},
};

TEST(CoordinateList, PointsLieOnTheTextbookLines) {
  double largest = 0;
  for (const auto& c : kCrossCases) {
    model::Model m;
    m.DialKind = c.kind;
    m.Language = texts::Language::kEnglish;
    m.parameters.Latitude = c.phi;
    m.parameters.Inclination = c.inclination;
    m.parameters.WallDeclination = c.declination;
    m.options.ApparentAtSite = true;  // hour angle 15 (T - 12)
    m.options.DateLineMode = '0';
    m.options.ShowAnalemmaMarks = false;
    const MeeusDial meeus{c.phi, c.inclination, c.declination, 35};
    int hour_points = 0, date_points = 0;
    for (const auto& b : Coordinates(m)) {
      // The end points of a piece may be cut at the sheet; the others are
      // samples of the line.
      if (b.points.size() < 3) continue;
      if (b.name.rfind("apparent time ", 0) == 0 &&
          b.name.find("part") == std::string::npos) {
        const int hh = std::stoi(b.name.substr(14));
        const int mm = std::stoi(b.name.substr(b.name.find(':') + 1));
        const double h = 15 * (hh + mm / 60.0 - 12);
        double x1, y1, x2, y2;
        if (!meeus.Shadow(h, -23.4, x1, y1) || !meeus.Shadow(h, 23.4, x2, y2))
          continue;
        // Points of one hour angle lie on one straight line.
        const double len = std::hypot(x2 - x1, y2 - y1);
        for (std::size_t k = 1; k + 1 < b.points.size(); ++k) {
          const auto& p = b.points[k];
          const double dist =
              std::fabs((x2 - x1) * (p.y - y1) - (y2 - y1) * (p.x - x1)) / len;
          EXPECT_LT(dist, 0.02) << c.why << " " << b.name;
          largest = std::max(largest, dist);
          ++hour_points;
        }
      }
      if (b.name.rfind("date line ", 0) == 0) {
        // The zodiac declinations: longitudes 90, 120, ... 270 degrees.
        static const char* kLabels[] = {"21.6.",  "22.7.",  "23.8.", "22.9.",
                                        "23.10.", "22.11.", "22.12."};
        int n = -1;
        for (int k = 0; k < 7; ++k)
          if (b.name.substr(10, std::string(kLabels[k]).size()) == kLabels[k])
            n = k;
        ASSERT_GE(n, 0) << b.name;
        const double dec =
            n == 3 ? 0
                   : std::asin(std::sin(23.44 * kRadPerDeg) *
                               std::sin((90 + 30.0 * n) * kRadPerDeg)) /
                         kRadPerDeg;
        // Distance to the declination curve, sampled every 0.05 degree of
        // hour angle and refined on the nearest chords.
        std::vector<std::pair<double, double>> curve;
        for (double h = -180; h <= 180; h += 0.05) {
          double x, y;
          if (meeus.Shadow(h, dec, x, y) && std::fabs(x) < 1e4 &&
              std::fabs(y) < 1e4)
            curve.push_back({x, y});
        }
        for (std::size_t k = 1; k + 1 < b.points.size(); ++k) {
          const auto& p = b.points[k];
          double best = 1e9;
          for (std::size_t j = 0; j + 1 < curve.size(); ++j)
            best = std::min(best, DistanceToSegment(
                                      p.x, p.y, curve[j].first, curve[j].second,
                                      curve[j + 1].first, curve[j + 1].second));
          EXPECT_LT(best, 0.02) << c.why << " " << b.name;
          largest = std::max(largest, best);
          ++date_points;
        }
      }
    }
    EXPECT_GT(hour_points, 50) << c.why;
    EXPECT_GT(date_points, 50) << c.why;
  }
  // The recorded points are not yet rounded to the 0.01 mm of the file.
  std::printf("largest deviation from the textbook lines: %.2g mm\n", largest);
}

TEST(CoordinateList, HeaderNamesTheDialAndItsStyle) {
  model::Model m;
  m.DialKind = 'v';
  m.Language = texts::Language::kEnglish;
  m.parameters.WallDeclination = 0;
  std::string header;
  const auto blocks = Coordinates(m, &header);
  EXPECT_EQ(header.rfind("Coordinate list: vertical SUNDIAL\r\n", 0), 0u);
  EXPECT_NE(header.find("Gnomon height (drawn) =  35.00 mm\r\n"),
            std::string::npos);
  // A south wall: the foot point of the style G tan(phi) = 37.86 mm above
  // O.
  EXPECT_NE(header.find("Foot point S of the polar style: x =      0.00 mm, "
                        "y =     37.86 mm\r\n"),
            std::string::npos)
      << header;
  EXPECT_NE(header.find("Sun on Sundial Plane: "), std::string::npos);
  EXPECT_NE(header.find("12:00     0.00    0.000\r\n"), std::string::npos);
  // The noon line of a south wall: straight down from O.
  bool noon = false;
  for (const auto& b : blocks) {
    if (b.name != "apparent time 12:00") continue;
    noon = true;
    for (const auto& p : b.points) {
      EXPECT_NEAR(p.x, 0, 0.005);
      EXPECT_LT(p.y, 0);
    }
  }
  EXPECT_TRUE(noon);
}

TEST(SaveCoordinateList, WindowsCodePageAndNoFileOnFailure) {
  const fs::path dir = fs::temp_directory_path() / "lumtar_coords_save";
  fs::remove_all(dir);
  fs::create_directories(dir);
  platform::ScriptedUi ui;
  const fs::path p = dir / "dial.txt";
  ASSERT_TRUE(SaveCoordinateList(p, "Gnomonh\xC3\xB6he\r\n", ui,
                                 texts::Language::kGerman));
  EXPECT_EQ(ReadFile(p), "Gnomonh\xF6he\r\n");
  EXPECT_TRUE(ui.shown.empty());
  // A folder that does not exist: one message, no file.
  EXPECT_FALSE(SaveCoordinateList(dir / "missing" / "dial.txt", "x", ui,
                                  texts::Language::kEnglish));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].caption, platform::Caption::kError);
  EXPECT_FALSE(fs::exists(dir / "missing"));
  EXPECT_EQ(
      std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace lumtar::dials
