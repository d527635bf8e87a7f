#include "app/palette.h"

#include <gtest/gtest.h>

namespace lumtar::app {
namespace {

TEST(Palette, RoleBlockPerKind) {
  struct {
    char kind;
    int block;
  } const cases[] = {{'h', 0},  {'v', 0},  {'i', 0},  {'q', 12}, {'a', 24},
                     {'z', 36}, {'k', 36}, {'r', 48}, {'c', 60}, {'m', 72},
                     {'w', 84}, {'p', 84}, {'o', 0}};
  for (const auto& c : cases)
    EXPECT_EQ(ColourRoleBlockForKind(c.kind), c.block) << c.kind;
}

TEST(Palette, PanelRowsFollowTheFamilyAndLanguage) {
  model::Model m;
  m.DialKind = 'p';
  UpdateColourRoleBlock(m);
  m.Language = texts::Language::kEnglish;
  EXPECT_EQ(ColourPanelHeading(m), " Colors for Sawyer Sundials:");
  EXPECT_EQ(ColourPanelRow(m, 3).number, "3");
  EXPECT_EQ(ColourPanelRow(m, 3).role, "= hour lines (full hours)");
  m.DialKind = 'h';
  m.selectors.UmbrellaFlag = 1;
  UpdateColourRoleBlock(m);
  EXPECT_EQ(ColourPanelHeading(m), " Colors for \"Umbrella\"-dial:");
  EXPECT_EQ(ColourPanelRow(m, 1).role, "= declination lines");
  m.Language = texts::Language::kGerman;
  EXPECT_EQ(ColourPanelRow(m, 1).role, "= Deklinationslinien");
  // Every row with a colour number has a role in both languages, or none.
  for (int row = 1; row <= 96; ++row) {
    const ColourRole r = ColourRoleRow(row);
    EXPECT_EQ(r.german.empty(), r.english.empty()) << row;
    if (!r.english.empty() && !r.number.empty()) {
      EXPECT_EQ(r.english.substr(0, 2), "= ") << row;
    }
  }
}

TEST(Palette, ColourTwelveFollowsTenForMeanTimeAndSawyer) {
  for (char kind : {'m', 'w', 'p', 'h', 'q', 'a', 'z', 'r', 'c'}) {
    model::Model m;
    m.DialKind = kind;
    UpdateColourRoleBlock(m);
    PickColour(m, 10, 0x123456);
    EXPECT_EQ(m.Colors[9], 0x123456u) << kind;
    const bool follows = kind == 'm' || kind == 'w' || kind == 'p';
    EXPECT_EQ(m.Colors[11], follows ? 0x123456u : model::kDefaultColors[11])
        << kind;
    // Picking colour 12 itself never changes colour 10.
    PickColour(m, 12, 0x0000AA);
    EXPECT_EQ(m.Colors[9], 0x123456u);
    EXPECT_EQ(m.Colors[11], 0x0000AAu);
  }
  model::Model m;
  PickColour(m, 0, 1);
  PickColour(m, 13, 1);
  EXPECT_EQ(m.Colors, model::kDefaultColors);
}

TEST(Palette, ResetLineWidthAndPatternRows) {
  model::Model m;
  PickColour(m, 1, 0xFFFFFF);
  ResetColours(m);
  EXPECT_EQ(m.Colors, model::kDefaultColors);
  SetLineWidth(m, 2);
  EXPECT_EQ(m.LineWidth, 3);
  SetLineWidth(m, 7);
  EXPECT_EQ(m.LineWidth, 3);
  EXPECT_EQ(PaletteLineY(0, 100), 8);
  EXPECT_EQ(PaletteLineY(11, 100), 98);  // 11*200/21.35/1.14 = 90.4 -> 90
}

}  // namespace
}  // namespace lumtar::app
