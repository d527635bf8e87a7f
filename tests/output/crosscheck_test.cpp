// Our files read by independent tools: DXF by ezdxf (audit, then the
// entities read back), HPGL by hp2xx. Each test skips when its tool is not
// installed (`make deps` installs both).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "../external_tools.h"
#include "output/hpgl_to_dxf.h"
#include "output/plot_file.h"
#include "platform/scripted_ui.h"

namespace lumtar::output {
namespace {

namespace fs = std::filesystem;

class CrossCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_cross_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::string& name, std::string_view bytes) {
    const fs::path p = dir_ / name;
    std::ofstream out(p, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p;
  }

  // Converts `hpgl` and returns the DXF path; fails the test when no DXF
  // was written.
  fs::path ToDxf(std::string_view hpgl, double divisor) {
    const fs::path in = Write("in.plt", hpgl);
    const fs::path out = dir_ / "out.dxf";
    platform::ScriptedUi ui;
    const DxfConversion r = ConvertHpglToDxf(in, out, 2, divisor, ui);
    EXPECT_TRUE(r.saved);
    return out;
  }

  fs::path dir_;
};

// A plot with every entity kind, pens 0, 4 and 12, a symbol label, a
// clipped line and the degree sign.
const char kPlot[] =
    "IN;VS 1;PA;IW 0 0 16157 11038;PU 0 0;EA 16157 11038;;SP 4;PU 0 0;"
    "PD 4000 4000 8000 4000 8000 6000;PU 4000 4000;CI 400;"
    "PD;AA 6000,6000,90;SI 0.24,0.32;DI 100,0;PU 2000 2000;LB12\xB0 mm\x03"
    "SA;PU 3000 3000;LBa\x03SS;SP 12;LT 2,2;PU 16000 100;PD 17000 100;"
    "PU 1000 9000;ER 400 400;SP 0;IN;";

// Python run by Debian's interpreter: prints one line per entity with its
// layer, colour and main point, the text values, and the layer table.
const char kReadBack[] = R"PY(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.modelspace():
    t = e.dxftype()
    if t == "POLYLINE":
        pts = list(e.points())
        print(t, e.dxf.layer, len(pts), "%.4f %.4f" % (pts[-1][0], pts[-1][1]))
    elif t == "CIRCLE":
        print(t, e.dxf.layer, "%.4f %.4f %.4f" % (e.dxf.center[0], e.dxf.center[1], e.dxf.radius))
    elif t == "ARC":
        print(t, e.dxf.layer, "%.2f %.2f" % (e.dxf.start_angle, e.dxf.end_angle))
    elif t == "TEXT":
        print(t, e.dxf.layer, e.dxf.style, "%.4f %.4f" % (e.dxf.insert[0], e.dxf.insert[1]), e.dxf.text.encode("utf-8").hex())
print("LAYERS", " ".join(sorted(l.dxf.name + ":" + str(l.dxf.color) for l in doc.layers if l.dxf.name.startswith("L_"))))
)PY";

TEST_F(CrossCheck, DxfPassesEzdxfAuditAtBothResolutions) {
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  for (double d : {40.0, 1000.0}) {
    // The fine-resolution plot is the same drawing at 25 times the units.
    std::string hpgl = kPlot;
    if (d == 1000) {
      hpgl =
          "IN;IW 0 0 403925 275950;SP 3;PU 100000 100000;PD 200000 100000;"
          "CI 10000;AA 150000,150000,45;LBx\x03;SP 0;IN;";
    }
    const fs::path dxf = ToDxf(hpgl, d);
    std::string out;
    const int rc =
        RunTool("/usr/bin/python3 -m ezdxf audit " + dxf.string(), out);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("No errors found"), std::string::npos) << out;
  }
}

TEST_F(CrossCheck, EzdxfReadsBackWhatWasWritten) {
  if (!HaveEzdxf()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const fs::path dxf = ToDxf(kPlot, 40);
  const fs::path script = Write("read.py", kReadBack);
  std::string out;
  ASSERT_EQ(
      RunTool("/usr/bin/python3 " + script.string() + " " + dxf.string(), out),
      0)
      << out;
  // Expected values in millimetres (plot units / 40): the frame 403.925 x
  // 275.95 on layer L_0; a polyline from the origin through (100, 100),
  // (200, 100),
  // (200, 150); the circle of 10 mm at (100, 100); the arc of 90 degrees
  // around (150, 150) starting at 225; "12° mm" at (50, 50) (UTF-8 c2b0
  // once ezdxf has decoded Windows-1252); the symbol label; the line to
  // 425 mm cut at the window's 403.925; the rectangle of 10 mm from
  // (25, 225) on L_12.
  const char* expected[] = {
      "POLYLINE L_0 5 0.0000 0.0000",
      "POLYLINE L_4 4 200.0000 150.0000",
      "CIRCLE L_4 100.0000 100.0000 10.0000",
      "ARC L_4 225.00 315.00",
      "TEXT L_4 STANDARD 50.0000 50.0000 3132c2b0206d6d",
      "TEXT L_4 symbols 75.0000 75.0000 61",
      "POLYLINE L_12 2 403.9250 2.5000",
      "POLYLINE L_12 5 25.0000 225.0000",
      "LAYERS L_0:7 L_10:10 L_11:11 L_12:12 L_1:1 L_2:2 L_3:3 L_4:4 L_5:5 "
      "L_6:6 L_7:7 L_8:8 L_9:9",
  };
  std::istringstream lines(out);
  std::string line;
  std::size_t k = 0;
  while (std::getline(lines, line)) {
    ASSERT_LT(k, std::size(expected)) << "extra line: " << line;
    EXPECT_EQ(line, expected[k]) << "line " << k;
    ++k;
  }
  EXPECT_EQ(k, std::size(expected)) << out;
}

TEST_F(CrossCheck, PlotFileRendersWithHp2xx) {
  if (!HaveHp2xx()) GTEST_SKIP() << "hp2xx is not installed";
  const fs::path plt = dir_ / "dial.plt";
  {
    PlotFile plot;
    ASSERT_TRUE(plot.Open(plt));
    const PlotFrame frame = FrameOf(PlotFrameKind::kPlanar);
    WritePlot(plot, FrameStart(frame, 1));
    WritePlot(plot, kPenFourAtOrigin);
    WritePlot(plot, "PD 4000 4000 8000 4000 8000 6000;PU 6000 6000;CI 400;");
    WritePlot(plot, ";SI 0.24,0.32;DI 100.0,0.0");
    WritePlot(plot, PlotLabel(2000, 2000, "Süd 12 mm"));
    WritePlot(plot, ";LT 2,2;PU 100 100;PD 16000 11000;LT;");
    WritePlot(plot, kPlotEnd);
    ASSERT_TRUE(plot.Close());
  }
  const fs::path png = dir_ / "dial.png";
  std::string out;
  const int rc = RunTool(Hp2xxCommand(png, plt), out);
  EXPECT_EQ(rc, 0) << out;
  EXPECT_EQ(out.find("rror"), std::string::npos) << out;
  ASSERT_TRUE(fs::exists(png));
  // A PNG file: its signature.
  std::ifstream in(png, std::ios::binary);
  std::string sig(8, '\0');
  in.read(sig.data(), 8);
  EXPECT_EQ(sig, "\x89PNG\r\n\x1a\n");
}

}  // namespace
}  // namespace lumtar::output
