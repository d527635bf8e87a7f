// lumtar-cli draw: formats, options, exit codes and files.
#include "cli/draw_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lumtar::cli {
namespace {

namespace fs = std::filesystem;

class DrawCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_draw_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  int Draw(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunDrawCommand(args, out_, err_);
  }
  std::string File(const std::string& name) const {
    std::ifstream in(dir_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in),
            std::istreambuf_iterator<char>()};
  }
  std::string Path(const std::string& name) const {
    return (dir_ / name).string();
  }
  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(DrawCommand, DefaultsGiveTheDefaultVerticalDialAsSvg) {
  ASSERT_EQ(Draw({"--format", "svg", "-o", Path("dial.svg")}), 0) << err_.str();
  const std::string svg = File("dial.svg");
  // True size: the 410 x 287 mm sheet in 0.1 mm units.
  EXPECT_NE(svg.find("width=\"410.00mm\" height=\"287.00mm\" viewBox=\"0 0 "
                     "4100 2870\""),
            std::string::npos);
  // The built-in defaults speak German and build the vertical dial.
  EXPECT_NE(svg.find(">vertikale SONNENUHR<"), std::string::npos);
  EXPECT_NE(svg.find("Abweichung = -11.70 Grad"), std::string::npos);
  EXPECT_NE(svg.find("<polyline"), std::string::npos);
}

TEST_F(DrawCommand, PlotDxfAndCoordinates) {
  ASSERT_EQ(Draw({"--format", "hpgl", "-o", Path("d.plt"), "--set",
                  "DialKind=h", "--set", "Language=en", "--width", "2"}),
            0)
      << err_.str();
  EXPECT_EQ(File("d.plt").rfind("IN;VS 1;PA;IW 0 0 16157 11038;", 0), 0u);
  EXPECT_NE(File("d.plt").find(";PW 1;"), std::string::npos);
  EXPECT_NE(err_.str().find("saved!"), std::string::npos);

  ASSERT_EQ(Draw({"--format", "dxf", "-o", Path("d.dxf")}), 0) << err_.str();
  EXPECT_EQ(File("d.dxf").rfind("0\rSECTION\r", 0), 0u);

  ASSERT_EQ(Draw({"--format", "coords", "--output", Path("d.txt"), "--set",
                  "Language=en", "--origin", "200,30"}),
            0)
      << err_.str();
  const std::string list = File("d.txt");
  EXPECT_EQ(list.rfind("Coordinate list: vertical SUNDIAL\r\n", 0), 0u);
  EXPECT_NE(list.find("\r\ndate line 21.6.\r\n"), std::string::npos);
  // Only the list was written.
  EXPECT_EQ(
      std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 3);
}

TEST_F(DrawCommand, GridAndOriginReachThePlot) {
  ASSERT_EQ(Draw({"--format", "hpgl", "-o", Path("g.plt"), "--grid", "0.5",
                  "--origin", "100,20"}),
            0)
      << err_.str();
  const std::string plot = File("g.plt");
  // The origin 100 mm from the left, 20 mm below the frame's top (11038
  // units): (4000, 10238); the grid around it, 10 mm for a width below 1.
  EXPECT_NE(plot.find(";SP 9;;PU 4000 10238;CI 80;"), std::string::npos)
      << plot.substr(0, 300);
  EXPECT_NE(plot.find(";PU 400 0;PD 400 11030;"), std::string::npos);
}

struct BadCase {
  std::vector<std::string> args;
  const char* why;
};

TEST_F(DrawCommand, BadArgumentsAndKindsWithoutConstruction) {
  const BadCase bad[] = {
      {{"-o", "x.svg"}, "no format"},
      {{"--format", "png", "-o", "x.png"}, "unknown format"},
      {{"--format", "svg"}, "no output"},
      {{"--format", "hpgl", "-o", "x", "--width", "4"}, "width"},
      {{"--format", "hpgl", "-o", "x", "--origin", "12"}, "origin"},
      {{"--format", "svg", "-o", "x", "--set", "Latitude=95"}, "latitude"},
      {{"--format", "svg", "-o", "x", "--set", "NoSuchField=1"}, "field"},
  };
  for (const auto& b : bad) {
    err_.str("");
    EXPECT_EQ(Draw(b.args), 2) << b.why;
    // One line naming the problem, as every command gives it.
    const std::string e = err_.str();
    EXPECT_EQ(e.rfind("lumtar-cli draw: ", 0), 0u) << b.why << e;
    EXPECT_EQ(std::count(e.begin(), e.end(), '\n'), 1) << b.why << e;
  }
  EXPECT_EQ(
      Draw({"--format", "svg", "-o", Path("a.svg"), "--set", "DialKind=a"}), 1);
  EXPECT_NE(err_.str().find("is available yet"), std::string::npos);
  // A refused umbrella dial leaves no file.
  EXPECT_EQ(Draw({"--format", "dxf", "-o", Path("u.dxf"), "--set",
                  "UmbrellaFlag=1", "--set", "UmbrellaDiskRatio=0"}),
            1);
  EXPECT_TRUE(fs::is_empty(dir_));
  EXPECT_EQ(Draw({"--help"}), 0);
  EXPECT_NE(out_.str().find("--format"), std::string::npos);
}

}  // namespace
}  // namespace lumtar::cli
