// Behaviour of the HPGL-to-DXF converter: commands, clipping, reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "dxf_test_util.h"

namespace lumtar::output {
namespace {

using testing::Convert;
using testing::Entities;
using testing::Entity;
using testing::Trim;

std::vector<Entity> Of(std::string_view hpgl, double d = 40) {
  return Entities(Convert(hpgl, d).entities);
}

std::vector<Entity> Named(const std::vector<Entity>& all,
                          std::string_view name) {
  std::vector<Entity> out;
  for (const auto& e : all)
    if (e.name == name) out.push_back(e);
  return out;
}

bool Has(const std::vector<std::string>& messages, std::string_view text) {
  return std::find(messages.begin(), messages.end(), text) != messages.end();
}

TEST(DxfConvert, InputWithoutLetterWritesNothing) {
  for (std::string_view input : {"", "  ;;12 34\r\n", "\x03\x01"}) {
    const auto c = Convert(input);
    EXPECT_FALSE(c.result.hpgl);
    EXPECT_FALSE(c.result.converted);
    EXPECT_TRUE(c.dxf.empty());
  }
}

TEST(DxfConvert, OnlyCommandsThatDrawOrSelectCountAsConverted) {
  // PA, EA, IW, VS and IN set nothing that counts; PU and SP do.
  EXPECT_FALSE(
      Convert("IN;VS 1;PA;IW 0 0 100 100;EA 100 100;").result.converted);
  EXPECT_TRUE(Convert("IN;PU 0 0;").result.converted);
  EXPECT_TRUE(Convert("IN;SP 2;").result.converted);
}

struct TextCase {
  const char* hpgl;
  const char* code;
  const char* value;
  const char* why;
};

TEST(DxfConvert, TextAttributes) {
  const TextCase cases[] = {
      {"SI 0.24,0.32;LBx\x03", "40", "  3.20", "0.32 cm x 400 / 40"},
      {"SI 0.24,0.32;LBx\x03", "41", "  1.05", "(0.24 x 400 x 1.4 / 40) / 3.2"},
      {"SI;LBx\x03", "40", "    2.7000", "default height, mm"},
      {"SI;LBx\x03", "41", "0.7", "default width factor"},
      {"DI 0,100;LBx\x03", "50", " 90.0", "straight up"},
      {"DI 100,0;LBx\x03", "50", "  0.0", "to the right"},
      {"DI -100,0;LBx\x03", "50", "180.0", "to the left"},
      {"DI 100 100;LBx\x03", "50", " 45.0", "diagonal, blank separated"},
      {"DI;LBx\x03", "50", "0.0", "no parameters"},
      {"SL 1;LBx\x03", "51", " 45.0", "arctan 1"},
      {"SA;LBx\x03", "7", "symbols", "alternate set"},
      {"SA;SS;LBx\x03", "7", "STANDARD", "standard set again"},
      {"LB^\x03", "1", "^ ", "a lone caret gets a blank"},
      {"LB  12 mm;\x03", "1", "12 mm", "blanks and ; trimmed at both ends"},
      {"LB1;2\x03", "1", "1;2", "; inside a label stays"},
      {"SP 3;LBx\x03", "8", "L_3", "layer of the pen"},
  };
  for (const auto& c : cases) {
    const auto texts = Named(Of(c.hpgl), "TEXT");
    ASSERT_EQ(texts.size(), 1u) << c.why;
    EXPECT_EQ(texts[0].Value(c.code), c.value) << c.hpgl << ": " << c.why;
  }
}

TEST(DxfConvert, FineResolutionKeepsMillimetres) {
  // The same 10 mm line at 40 and at 1000 units per mm, and the same text
  // height.
  const auto base = Named(Of("IN;SP 1;PU 400 0;PD 800 0;"), "VERTEX");
  const auto fine = Named(Of("IN;SP 1;PU 10000 0;PD 20000 0;", 1000), "VERTEX");
  ASSERT_EQ(base.size(), 2u);
  ASSERT_EQ(fine.size(), 2u);
  for (int i = 0; i < 2; ++i)
    EXPECT_EQ(base[i].Value("10"), fine[i].Value("10"));
  EXPECT_EQ(Named(Of("SI;LBx\x03", 1000), "TEXT")[0].Value("40"), "    2.7000");
  // SI sizes are written 25 times larger at fine resolution.
  EXPECT_EQ(Named(Of("SI 6,8;LBx\x03", 1000), "TEXT")[0].Value("40"), "  3.20");
}

TEST(DxfConvert, WindowFromIwAndItsReset) {
  // IW 0 0 16400 11480 at 40 units per mm is 0..410 x 0..287; a point at
  // 411 mm lies outside and is clipped onto x = 410.
  const char* inputs[] = {"IW 0 0 16400 11480;", "IW;", "IW 0 0 x;"};
  for (const char* iw : inputs) {
    const auto v =
        Named(Of(std::string("IN;") + iw + "SP 1;PU 4000 4000;PD 16440 4000;"),
              "VERTEX");
    ASSERT_EQ(v.size(), 2u) << iw;
    EXPECT_EQ(std::stod(v[1].Value("10")), 410) << iw;
    EXPECT_EQ(std::stod(v[1].Value("20")), 100) << iw;
  }
  // Corners are swapped into order.
  const auto v = Named(
      Of("IN;IW 4000 4000 0 0;SP 1;PU 2000 2000;PD 2000 6000;"), "VERTEX");
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(std::stod(v[1].Value("20")), 100);
}

TEST(DxfConvert, SegmentLeavingTheWindowEndsOnItsEdge) {
  // Window 0..100 mm. Inside (50, 50) to left of it (-50, 100): the end is
  // moved to x = 0, y interpolated to 75.
  const auto all =
      Of("IN;IW 0 0 4000 4000;SP 1;PU 2000 2000;PD -2000 4000 -2000 0 "
         "2000 0;");
  ASSERT_GE(all.size(), 4u);
  EXPECT_EQ(all[0].name, "POLYLINE");
  EXPECT_EQ(all[1].name, "VERTEX");
  EXPECT_EQ(all[2].name, "VERTEX");
  EXPECT_EQ(std::stod(all[2].Value("10")), 0);
  EXPECT_EQ(std::stod(all[2].Value("20")), 75);
  EXPECT_EQ(all[3].name, "SEQEND");
  // (-50, 100) to (-50, 0) is outside at both ends: dropped. (-50, 0) to
  // (50, 0) reaches into the window: a new polyline starting at x = 0.
  ASSERT_GE(all.size(), 8u);
  EXPECT_EQ(all[4].name, "POLYLINE");
  EXPECT_EQ(std::stod(all[5].Value("10")), 0);
  EXPECT_EQ(std::stod(all[5].Value("20")), 0);
  EXPECT_EQ(std::stod(all[6].Value("10")), 50);
}

TEST(DxfConvert, SegmentWithBothEndsOutsideIsDroppedEvenIfItCrosses) {
  // From left of the window to right of it, straight through.
  const auto all = Of("IN;IW 0 0 4000 4000;SP 1;PU -2000 2000;PD 6000 2000;");
  EXPECT_TRUE(Named(all, "POLYLINE").empty());
  EXPECT_TRUE(Named(all, "VERTEX").empty());
}

TEST(DxfConvert, CornerIsReachedByClippingTwice) {
  // From (50, 50) towards (150, 200): x > 100 first, then y > 100; the end
  // lands on the top edge at x = 50 + 100 x 50 / 150.
  const auto v = Named(
      Of("IN;IW 0 0 4000 4000;SP 1;PU 2000 2000;PD 6000 8000;"), "VERTEX");
  ASSERT_EQ(v.size(), 2u);
  EXPECT_NEAR(std::stod(v[1].Value("10")), 50 + 50.0 / 1.5, 1e-4);
  EXPECT_EQ(std::stod(v[1].Value("20")), 100);
}

TEST(DxfConvert, PenChangeEndsPolylineOnTheOldLayer) {
  const auto all = Of("IN;SP 2;PU 0 0;PD 400 400 800 0;SP 5;PD 1200 400;");
  const auto seq = Named(all, "SEQEND");
  ASSERT_GE(seq.size(), 1u);
  EXPECT_EQ(seq[0].Value("8"), "L_2");
  // The next segment starts its own polyline on the new layer.
  const auto polys = Named(all, "POLYLINE");
  ASSERT_EQ(polys.size(), 2u);
  EXPECT_EQ(polys[1].Value("8"), "L_5");
  EXPECT_EQ(polys[1].Value("62"), "5");
}

TEST(DxfConvert, FrameBeforeTheFirstPenIsOnLayerZero) {
  const auto polys = Named(Of("IN;PU 0 0;EA 16157 11038;SP 4;"), "POLYLINE");
  ASSERT_EQ(polys.size(), 1u);
  EXPECT_EQ(polys[0].Value("8"), "L_0");
}

TEST(DxfConvert, LineTypesAndWidths) {
  struct Case {
    const char* hpgl;
    const char* code;
    const char* value;
  } cases[] = {
      {"LT 1;", "6", "DOT"},        {"LT 2,2;", "6", "DASHED"},
      {"LT 3;", "6", "DASHED"},     {"LT 4;", "6", "DASHDOT"},
      {"LT 7;", "6", "CONTINUOUS"}, {"LT 2;LT;", "6", "CONTINUOUS"},
      {"PW 1;", "40", "  0.10"},    {"PW 0;", "40", "0"},
      {"PW;", "40", "0.8"},
  };
  for (const auto& c : cases) {
    const auto polys = Named(
        Of(std::string("IN;SP 1;") + c.hpgl + "PU 0 0;PD 40 40;"), "POLYLINE");
    ASSERT_EQ(polys.size(), 1u) << c.hpgl;
    EXPECT_EQ(polys[0].Value(c.code), c.value) << c.hpgl;
  }
  EXPECT_TRUE(Has(Convert("PW 1;").result.messages,
                  "Command PW (=Penwidth) only supported by HPGL2."));
}

TEST(DxfConvert, PolylineWidthFollowsTheSetting) {
  // (6 w - 6) / 40 millimetres for settings 1, 2, 3, whatever the divisor.
  const char* expected[] = {"0.0E+0000", "1.5E-0001", "3.0E-0001"};
  for (int w = 1; w <= 3; ++w) {
    for (double d : {40.0, 1000.0}) {
      const auto polys =
          Named(Entities(Convert("IN;SP 1;PU 0 0;PD 40 40;", d, w).entities),
                "POLYLINE");
      ASSERT_EQ(polys.size(), 1u);
      EXPECT_EQ(polys[0].Value("40"), expected[w - 1]) << w << " " << d;
    }
  }
}

TEST(DxfConvert, RelativeCommands) {
  // PR adds to the current position; ER draws the rectangle relative to it.
  const auto v = Named(Of("IN;SP 1;PU 400 400;PR 400,0,0,400;"), "VERTEX");
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(std::stod(v[2].Value("10")), 20);
  EXPECT_EQ(std::stod(v[2].Value("20")), 20);
  const auto r = Named(Of("IN;SP 1;PU 400 400;ER 400,800;"), "VERTEX");
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(std::stod(r[2].Value("10")), 20);
  EXPECT_EQ(std::stod(r[2].Value("20")), 30);
  EXPECT_EQ(r[4].Value("10"), r[0].Value("10"));
}

TEST(DxfConvert, ArcsRunAnticlockwise) {
  // From (20, 10) around (10, 10): start direction 0. A positive sweep runs
  // 0..90, a negative one -90..0; AR gives the centre relative.
  struct Case {
    const char* hpgl;
    double from, to;
  } cases[] = {
      {"PU 800 400;AA 400,400,90;", 0, 90},
      {"PU 800 400;AA 400,400,-90;", -90, 0},
      {"PU 800 400;AR -400,0,90;", 0, 90},
      {"PU 400 800;AA 400,400,45;", 90, 135},
  };
  for (const auto& c : cases) {
    const auto arcs = Named(Of(std::string("IN;SP 1;") + c.hpgl), "ARC");
    ASSERT_EQ(arcs.size(), 1u) << c.hpgl;
    // DXF angles are taken modulo 360.
    const double from = std::stod(arcs[0].Value("50"));
    EXPECT_NEAR(std::fmod(from - c.from + 720, 360), 0, 0.01) << c.hpgl;
    EXPECT_NEAR(std::stod(arcs[0].Value("51")) - std::stod(arcs[0].Value("50")),
                c.to - c.from, 0.01)
        << c.hpgl;
    EXPECT_NEAR(std::stod(arcs[0].Value("40")), 10, 1e-4) << c.hpgl;
  }
  // The pen ends at the arc's end: a label after a quarter arc from (20,
  // 10) around (10, 10) stands at (10, 20).
  const auto t = Named(Of("IN;SP 1;PU 800 400;AA 400,400,90;LBx\x03"), "TEXT");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_NEAR(std::stod(t[0].Value("10")), 10, 1e-4);
  EXPECT_NEAR(std::stod(t[0].Value("20")), 20, 1e-4);
}

TEST(DxfConvert, MessagesForBadInput) {
  const auto c = Convert("IN;ZZ;SP 1;PD 10,x;DI a,b;SL q;AA 1,2,3-4;");
  const auto& m = c.result.messages;
  EXPECT_TRUE(Has(m, "Command: ZZ; not supported!"));
  EXPECT_TRUE(Has(m, "Error in HPGL-command:PD x;"));
  EXPECT_TRUE(Has(m, "Fehler im Befehl SL :q!"));
  EXPECT_TRUE(Has(m, "Fehler bei der Konvertierung des Bogenwinkels."));
  EXPECT_TRUE(std::any_of(m.begin(), m.end(), [](const std::string& s) {
    return s.starts_with("Fehler bei der Angabe der Schriftrichtung: ");
  }));
  // A bad sweep writes no arc; the conversion goes on to the end.
  EXPECT_TRUE(Named(Entities(c.entities), "ARC").empty());
  EXPECT_TRUE(c.dxf.ends_with("ENDSEC\r  0\rEOF\r"));
}

TEST(DxfConvert, UnknownCommandEndsTheOpenPolyline) {
  const auto all = Of("IN;SP 1;PU 0 0;PD 40 40;ZZ;PD 80 0;");
  EXPECT_EQ(Named(all, "POLYLINE").size(), 2u);
}

TEST(DxfConvert, BracesBeforeAMnemonicAreSkipped) {
  const auto c = Convert("IN;VS 1;PA;{IW 0 0 4000 4000;}PU 0 0;SP 1;");
  EXPECT_TRUE(c.result.messages.empty()) << c.result.messages[0];
}

TEST(DxfConvert, LongCoordinateListsKeepEveryPoint) {
  // 2000 points in one PD: read in pieces, no number is split at a piece
  // edge, so the vertices are the points in order.
  std::string hpgl = "IN;SP 1;PU 0 0;PD";
  for (int k = 1; k <= 2000; ++k)
    hpgl += " " + std::to_string(k * 37 % 16000) + "," +
            std::to_string(k * 53 % 11000) + (k % 3 ? "" : " ");
  hpgl += ";";
  const auto c = Convert(hpgl);
  EXPECT_TRUE(c.ui.shown.empty());
  const auto v = Named(Entities(c.entities), "VERTEX");
  ASSERT_EQ(v.size(), 2001u);
  for (int k = 1; k <= 2000; ++k) {
    ASSERT_EQ(std::stod(v[k].Value("10")), (k * 37 % 16000) / 40.0) << k;
    ASSERT_EQ(std::stod(v[k].Value("20")), (k * 53 % 11000) / 40.0) << k;
  }
}

TEST(DxfConvert, OverlongCommandsAreCut) {
  // A label of 300 characters keeps 250, with the message shown as an
  // error; so does a parameter list that is not a coordinate list.
  const auto c = Convert("IN;SP 1;LB" + std::string(300, 'a') + "\x03");
  ASSERT_EQ(c.ui.shown.size(), 1u);
  EXPECT_EQ(c.ui.shown[0].caption, platform::Caption::kError);
  EXPECT_TRUE(
      c.ui.shown[0].text.ends_with(": Befehl ist zu lang und wird gekürzt!"));
  const auto t = Named(Entities(c.entities), "TEXT");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].Value("1"), std::string(250, 'a'));
  const auto s = Convert("IN;SP 1" + std::string(400, '1') + ";");
  EXPECT_EQ(s.ui.shown.size(), 1u);
}

TEST(DxfConvert, DegreeSignSurvives) {
  // Windows-1252 0xB0 in the plot is 0xB0 in the DXF.
  const auto t = Named(Of("IN;SP 1;PU 0 0;LB12\xB0 N\x03"), "TEXT");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].Value("1"), "12\xB0 N");
}

TEST(DxfConvert, LineBreaksInsideALabelDoNotBreakTheFile) {
  const auto t = Named(Of("IN;SP 1;LBa\rb\nc\x03"), "TEXT");
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].Value("1"), "a b c");
}

TEST(DxfConvert, OemToAnsiMapsEveryByteToItself) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  std::string mapped = all;
  OemToAnsi(mapped);
  EXPECT_EQ(mapped, all);
}

}  // namespace
}  // namespace lumtar::output
