#include "app/construction_view.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/scripted_ui.h"

namespace lumtar::app {
namespace {

TEST(ConstructionView, EightZoomStepsDoubleAndDisplayResetsToOne) {
  model::Model m;
  for (int i = 0; i < 8; ++i) StepZoom(m, +1);
  EXPECT_NEAR(m.window.Zoom, 2.0, 1e-12);
  for (int i = 0; i < 16; ++i) StepZoom(m, -1);
  EXPECT_NEAR(m.window.Zoom, 0.5, 1e-12);
  m.window.DrawGrid = true;
  ResetView(m);
  EXPECT_EQ(m.window.Zoom, 1.0);
  EXPECT_FALSE(m.window.DrawGrid);
}

TEST(ConstructionView, WheelRule) {
  struct Case {
    int delta;
    bool used;
    double factor;
  };
  // A delta of -299 or more multiplies by 1 + delta / 2000.
  const Case cases[] = {{120, true, 1.06},
                        {-120, true, 0.94},
                        {-299, true, 0.8505},
                        {-300, false, 1.0},
                        {-1200, false, 1.0}};
  for (const Case& c : cases) {
    model::Model m;
    m.window.Zoom = 1.5;
    EXPECT_EQ(WheelZoom(m, c.delta), c.used) << c.delta;
    EXPECT_NEAR(m.window.Zoom, 1.5 * c.factor, 1e-12) << c.delta;
  }
}

TEST(ConstructionView, ZoomStaysWithinItsRange) {
  model::Model m;
  for (int i = 0; i < 400; ++i) WheelZoom(m, 2000);
  EXPECT_EQ(m.window.Zoom, 64);
  for (int i = 0; i < 400; ++i) StepZoom(m, -1);
  EXPECT_EQ(m.window.Zoom, 1.0 / 64);
  m.window.Zoom = std::nan("");
  WheelZoom(m, 0);
  EXPECT_EQ(m.window.Zoom, 1.0);
}

TEST(ConstructionView, PickedFootOutsideTheImageAsksBeforeGoingOn) {
  model::Model m;
  SetImageSize(m, 800, 500);
  platform::ScriptedUi ui;
  EXPECT_TRUE(ContinueWithOriginOutside(m, ui));  // nothing picked
  PickOrigin(m, 400, 250);
  EXPECT_FALSE(OriginOutsideImage(m.window));
  PickOrigin(m, 820, 250);
  EXPECT_TRUE(OriginOutsideImage(m.window));
  ui.answers = {platform::Answer::kYes};  // "Do you wish to cancel?"
  EXPECT_FALSE(ContinueWithOriginOutside(m, ui));
  ui.answers = {platform::Answer::kNo};
  EXPECT_TRUE(ContinueWithOriginOutside(m, ui));
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].buttons, platform::Buttons::kYesNo);
  // An image that is gone (0 x 0) has no outside.
  SetImageSize(m, 0, 10);
  EXPECT_FALSE(OriginOutsideImage(m.window));
}

TEST(ConstructionView, OpeningPlacesTheFootByKind) {
  model::Model m;
  PickOrigin(m, 3, 4);
  PlaceOnOpening(m, 900, 600);
  EXPECT_FALSE(m.window.OriginPicked);  // the planar kinds' own place
  m.DialKind = 'm';
  m.window.Zoom = 3;
  PlaceOnOpening(m, 900, 600);
  EXPECT_TRUE(m.window.OriginPicked);
  EXPECT_EQ(m.window.OriginPoint.x, 450);
  EXPECT_EQ(m.window.OriginPoint.y, 400);
  EXPECT_EQ(m.window.Zoom, 1.0);
}

TEST(ConstructionView, CaptionAndHelpContextPerKind) {
  struct Case {
    char kind;
    int umbrella, cylinder;
    const char* caption;
    int help;
  };
  const Case cases[] = {
      {'h', 0, 0, "Construction of a Horizontal Sundial", 11},
      {'v', 0, 0, "Construction of a Vertical Sundial", 11},
      {'i', 0, 0, "Construction of an Inclining Sundial", 11},
      {'v', 1, 0, "Construction of an Umbrella Dial", 12},
      {'w', 0, 0, "Construction of a Sawyer Sundials", 55},
      {'p', 0, 0, "Construction of a Peaucellier-Azimuthal Sundial", 58},
      {'z', 0, 2, "Construction of a Cylinder Sundial (Polar Style)", 27},
      {'a', 0, 0, "Construction of an Azimuthal Sundial", 17},
  };
  for (const Case& c : cases) {
    model::Model m;
    m.Language = texts::Language::kEnglish;
    m.DialKind = c.kind;
    m.selectors.UmbrellaFlag = c.umbrella;
    m.selectors.CylinderVariant = c.cylinder;
    EXPECT_EQ(ConstructionCaption(m), c.caption);
    EXPECT_EQ(ConstructionHelpContext(m), c.help) << c.kind;
  }
}

TEST(ConstructionView, ControlsPerKind) {
  model::Model m;
  m.Language = texts::Language::kEnglish;
  m.DialKind = 'v';
  ConstructionControls c = ControlsFor(m);
  EXPECT_TRUE(c.zoom_and_grid && c.angle_table && c.style_info &&
              c.pick_origin && c.pick_label_box && c.coordinates);
  EXPECT_EQ(ImageHint(m), "Left mouseclick fixes gnomon position");
  m.selectors.UmbrellaFlag = 1;  // no angle table on umbrella dials
  c = ControlsFor(m);
  EXPECT_FALSE(c.angle_table || c.style_info || c.pole_triangle);
  EXPECT_TRUE(c.zoom_and_grid);
  m.DialKind = 'a';
  c = ControlsFor(m);
  EXPECT_FALSE(c.zoom_and_grid || c.pick_origin || c.coordinates);
  EXPECT_EQ(ImageHint(m), "Right mouseclick for popUp menu // <F1> for help !");
  m.DialKind = 'w';
  c = ControlsFor(m);
  EXPECT_TRUE(c.pick_origin);
  EXPECT_FALSE(c.pick_label_box);
}

TEST(ConstructionView, TemporalHoursBeyond63DegreesAreNotPrinted) {
  model::Model m;
  m.DialKind = 'a';
  m.options.HourTimeKind = 2;
  m.parameters.Latitude = 64;
  platform::ScriptedUi ui;
  EXPECT_FALSE(TemporalHoursPrintable(m, ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  m.parameters.Latitude = 63;
  EXPECT_TRUE(TemporalHoursPrintable(m, ui));
  m.DialKind = 'h';  // planar dials check their own limits
  m.parameters.Latitude = 70;
  EXPECT_TRUE(TemporalHoursPrintable(m, ui));
}

}  // namespace
}  // namespace lumtar::app
