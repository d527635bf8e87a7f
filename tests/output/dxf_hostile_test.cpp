// Inputs no plot routine writes, kept from reading the converter for its
// worst cases: each must end with a complete DXF and bounded output.
#include <gtest/gtest.h>

#include <string>

#include "dxf_test_util.h"

namespace lumtar::output {
namespace {

using testing::Convert;

struct Hostile {
  std::string name;
  std::string hpgl;
};

std::vector<Hostile> Cases() {
  return {
      // One number of 200000 digits in a coordinate list: cut, not split.
      {"huge number", "IN;SP 1;PD 1" + std::string(200000, '7') + " 5;"},
      // 200000 blanks before the first pair of a list.
      {"blank run", "IN;SP 1;PU 0 0;PD" + std::string(200000, ' ') + "40 40;"},
      // Garbage inside a long list: one parameter error, the rest skipped.
      {"garbage in list",
       "IN;SP 1;PD " + std::string(300, '1') + " x" + std::string(5000, 'y')},
      // Every byte value, repeated.
      {"all bytes",
       [] {
         std::string s;
         for (int r = 0; r < 64; ++r)
           for (int b = 0; b < 256; ++b) s += static_cast<char>(b);
         return s;
       }()},
      // A label that never ends.
      {"endless label", "IN;SP 1;LB" + std::string(100000, 'a')},
      // Numbers that overflow a double, and a sign run.
      {"overflow", "IN;SP 1;PU 0 0;PD 1" + std::string(400, '0') + " 1;CI 1" +
                       std::string(400, '9') + ";PD +-.-+ 1;"},
      // An arc with no current position and zero radius; rectangle without
      // position.
      {"degenerate", "AA 0,0,0;AR 0,0,-360;ER 0,0;EA;CI 0;SI 0,0;LB\x03"},
  };
}

TEST(DxfHostile, EveryInputEndsWithACompleteDxf) {
  for (const auto& c : Cases()) {
    for (double d : {40.0, 1000.0, 1.0}) {
      const auto r = Convert(c.hpgl, d);
      if (!r.result.hpgl) continue;
      EXPECT_TRUE(r.dxf.ends_with("ENDSEC\r  0\rEOF\r")) << c.name;
      // Output stays proportional to the input.
      EXPECT_LT(r.dxf.size(), 20000 + 200 * c.hpgl.size()) << c.name;
      // No message repeats the whole of a huge parameter list.
      for (const auto& m : r.result.messages)
        EXPECT_LT(m.size(), 1000u) << c.name;
      for (const auto& s : r.ui.shown) EXPECT_LT(s.text.size(), 1000u);
    }
  }
}

TEST(DxfHostile, HugeNumberIsCutWithOneMessage) {
  const auto r = Convert("IN;SP 1;PD 1" + std::string(200000, '7') + " 5;");
  EXPECT_EQ(r.ui.shown.size(), 1u);
}

TEST(DxfHostile, BlankRunKeepsThePair) {
  const auto r =
      Convert("IN;SP 1;PU 0 0;PD" + std::string(200000, ' ') + "40 40;");
  EXPECT_TRUE(r.ui.shown.empty());
  EXPECT_NE(r.entities.find("\r 10\r1.0000\r 20\r1.0000\r"), std::string::npos);
}

}  // namespace
}  // namespace lumtar::output
