// lumtar-cli dxf: arguments, exit codes and messages.
#include "cli/dxf_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lumtar::cli {
namespace {

namespace fs = std::filesystem;

class DxfCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("lumtar_cli_" +
         std::string(
             ::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Put(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return (dir_ / name).string();
  }
  int Dxf(std::vector<std::string> args) {
    out_.str("");
    err_.str("");
    return RunDxfCommand(args, out_, err_);
  }
  fs::path dir_;
  std::ostringstream out_, err_;
};

TEST_F(DxfCommand, ConvertsWithDivisorAndWidth) {
  const std::string in = Put("a.plt", "IN;SP 1;PU 10000 0;PD 20000 0;ZZ;");
  const std::string out = (dir_ / "a.dxf").string();
  EXPECT_EQ(Dxf({in, out, "--divisor", "1000", "--width", "3"}), 0);
  std::ifstream f(out, std::ios::binary);
  const std::string dxf((std::istreambuf_iterator<char>(f)),
                        std::istreambuf_iterator<char>());
  // 10000 units at 1000 per mm is 10 mm; width 3 is 0.3 mm.
  EXPECT_NE(dxf.find("\r 10\r10.0000\r"), std::string::npos);
  EXPECT_NE(dxf.find("\r3.0E-0001\r"), std::string::npos);
  // The information list and the saved message go to stderr.
  EXPECT_NE(err_.str().find("Command: ZZ; not supported!"), std::string::npos);
  EXPECT_NE(err_.str().find(" saved!"), std::string::npos);
}

TEST_F(DxfCommand, NotConvertedExitsWithOne) {
  const std::string empty = Put("e.plt", "");
  EXPECT_EQ(Dxf({empty, (dir_ / "e.dxf").string()}), 1);
  EXPECT_NE(err_.str().find("not converted!"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir_ / "e.dxf"));
  EXPECT_EQ(Dxf({(dir_ / "missing.plt").string(), (dir_ / "m.dxf").string()}),
            1);
}

TEST_F(DxfCommand, BadArgumentsExitWithTwo) {
  const std::string in = Put("a.plt", "IN;SP 1;");
  const std::vector<std::vector<std::string>> bad = {
      {},
      {in},
      {in, "b.dxf", "c.dxf"},
      {in, "b.dxf", "--divisor", "25"},
      {in, "b.dxf", "--width", "4"},
      {in, "b.dxf", "--width"},
      {in, "b.dxf", "--colour", "1"},
  };
  for (const auto& args : bad) {
    EXPECT_EQ(Dxf(args), 2) << args.size();
    EXPECT_NE(err_.str().find("usage:"), std::string::npos);
  }
  EXPECT_EQ(Dxf({"--help"}), 0);
  EXPECT_NE(out_.str().find("usage: lumtar-cli dxf"), std::string::npos);
}

}  // namespace
}  // namespace lumtar::cli
