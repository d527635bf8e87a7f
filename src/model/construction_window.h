#pragma once

#include <array>
#include <cstdint>

namespace lumtar::model {

// A position on the construction window's image, in its pixels.
struct ImagePoint {
  int x = 0;
  int y = 0;
};

// The state of the construction window that the dial constructions read
// and write: zoom, display scale, grid, the picked positions and the
// hour-line angle table of the plain planar dials. None of it is stored in
// the settings file; the member initialisers are the values of a freshly
// opened window.
struct ConstructionWindow {
  double Zoom = 1.0;             // kept within 1/64..64
  bool PrintLikeScreen = false;  // 1 mm = image width / 280 (else / 420)
  bool DrawGrid = false;
  // The image the picked positions refer to; 0 x 0 while there is none
  // (the command-line tool), and then the kinds' own placement rules hold.
  int ImageWidth = 0;
  int ImageHeight = 0;
  bool OriginPicked = false;  // OriginPoint was set by a click
  ImagePoint OriginPoint;     // the gnomon foot
  bool LabelBoxPicked = false;
  ImagePoint LabelBoxPoint;  // top-left corner of the text box
  bool LargeLabels = false;  // the title in 16 points instead of 12
  bool SmallLegend = false;  // the legend in 7 points on small screens
  // Date lines of the days whose length is a whole number of hours; a line
  // option of the planar dials that the settings file does not keep.
  bool ShowSunshineLines = false;
  // The hour-line table of the plain planar dials: [hour][step] degrees,
  // 500 for "no line"; and the first and last hour angle of sunshine on
  // the plane. Recomputed before every planar draw, print and plot.
  std::array<std::array<double, 6>, 25> HourLineAngles = [] {
    std::array<std::array<double, 6>, 25> a{};
    for (auto& row : a) row.fill(500.0);
    return a;
  }();
  std::array<double, 2> HourAngleLimits{0, 0};
};

}  // namespace lumtar::model
