// lumtar-cli graph: graphs, formats, options, the model options and exit
// codes.
#include "cli/graph_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/commands.h"

namespace lumtar::cli {
namespace {

namespace fs = std::filesystem;

class GraphCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_graph_cli_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  int Graph(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunCommand(args, out_, err_);
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

TEST_F(GraphCommand, EachGraphAsSvgForTheDefaultSite) {
  struct Case {
    const char* graph;
    const char* text;  // the German defaults' title
  } const cases[] = {{"eot", ">Zeitgleichung 2020 "},
                     {"sunpath-rect", ">Sonnenstandsdiagramm 2020<"},
                     {"sunpath-polar", ">Sonnenstandsdiagramm 2020<"}};
  for (const Case& c : cases) {
    ASSERT_EQ(Graph({"graph", c.graph, "--format", "svg", "-o", Path("g.svg")}),
              0)
        << err_.str();
    const std::string svg = File("g.svg");
    // A4 landscape at true size.
    EXPECT_NE(svg.find("width=\"297.00mm\" height=\"210.00mm\""),
              std::string::npos);
    EXPECT_NE(svg.find(c.text), std::string::npos) << c.graph;
    EXPECT_NE(svg.find("Breite 47.25\xC2\xB0"), std::string::npos);
  }
}

TEST_F(GraphCommand, PlotAndDxfWithOptionsAndTheModelOptions) {
  ASSERT_EQ(
      Graph({"graph",      "sunpath-rect", "--format",    "hpgl",
             "-o",         Path("s.plt"),  "--set",       "Latitude=-33.9",
             "--set",      "Language=en",  "--dates",     "3",
             "--interval", "15",           "--mean-time", "--zone-time",
             "--period",   "jun-dec",      "--plane",     "20,90"}),
      0)
      << err_.str();
  const std::string plt = File("s.plt");
  EXPECT_EQ(plt.rfind("IN;SP 8;", 0), 0u);
  EXPECT_NE(plt.find("LBLatitude -33.90\xB0"), std::string::npos);
  EXPECT_NE(plt.find("LBHour loops: zone time (no DST)\x03"),
            std::string::npos);
  EXPECT_NE(plt.find("LBSunshine on the plane: declination 20.0\xB0"),
            std::string::npos);
  EXPECT_NE(err_.str().find("saved!"), std::string::npos);

  ASSERT_EQ(Graph({"graph", "eot", "--format", "dxf", "-o", Path("e.dxf"),
                   "--longitude-correction", "--mirror", "--y-factor", "0.05"}),
            0)
      << err_.str();
  EXPECT_NE(File("e.dxf").find("EOF"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "lumtar.$$$"));
  EXPECT_EQ(Graph({"graph", "eot", "--format", "hpgl", "-o", Path("e.plt"),
                   "--y-factor", "20"}),
            0);
}

TEST_F(GraphCommand, BadArgumentsExitTwoAndWriteNothing) {
  const std::vector<std::vector<std::string>> cases = {
      {"graph"},
      {"graph", "moon", "--format", "svg", "-o", Path("x")},
      {"graph", "eot", "sunpath-rect", "--format", "svg", "-o", Path("x")},
      {"graph", "eot", "--format", "png", "-o", Path("x")},
      {"graph", "eot", "--format", "svg"},
      {"graph", "eot", "--format", "hpgl", "-o", Path("x"), "--y-factor",
       "0.04"},
      {"graph", "eot", "--format", "hpgl", "-o", Path("x"), "--dates", "2"},
      {"graph", "sunpath-polar", "--format", "hpgl", "-o", Path("x"),
       "--mirror"},
      {"graph", "sunpath-polar", "--format", "hpgl", "-o", Path("x"),
       "--interval", "10"},
      {"graph", "sunpath-polar", "--format", "hpgl", "-o", Path("x"),
       "--zone-time"},
      {"graph", "sunpath-rect", "--format", "svg", "-o", Path("x"), "--set",
       "Latitude=95"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(Graph(args), 2) << args.back();
    EXPECT_FALSE(err_.str().empty());
  }
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(GraphCommand, UnwritableTargetFailsWithOneMessage) {
  for (const char* format : {"svg", "hpgl", "dxf"}) {
    EXPECT_EQ(Graph({"graph", "eot", "--format", format, "-o",
                     Path("missing/g.out"), "--set", "Language=en"}),
              1)
        << format;
    EXPECT_NE(err_.str().find("Unable to save file!"), std::string::npos)
        << format << err_.str();
  }
  EXPECT_TRUE(fs::is_empty(dir_));
}

}  // namespace
}  // namespace lumtar::cli
