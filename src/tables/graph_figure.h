#pragma once

#include <string>
#include <vector>

#include "model/palette.h"
#include "output/plot_file.h"
#include "platform/canvas.h"

namespace lumtar::tables {

// A graph as a list of lines and labels in the units of its frame (device
// units for a canvas, millimetres for a plot), origin top-left, y down. The
// graph builders compute it once; the canvas and plot renderers only map it,
// so the screen, the printer and the plot file show the same points.

struct GraphPoint {
  double x, y;
};

struct GraphPath {
  std::vector<GraphPoint> points;  // a polyline
  int color_entry = 1;             // ColorTable entry 1..12 (0: black)
  int pen = 1;                     // plot pen 1..12
  int width = 1;                   // canvas pen width in device units
};

// Text size classes: the plot writes them with fixed character sizes
// (SI 0.14,0.24 and 0.22,0.33 cm), the canvas with the heights the graph
// gives for its frame.
enum class LabelSize { kNormal = 0, kLarge = 1 };

struct GraphLabel {
  GraphPoint at;  // the anchor point
  std::string text;
  LabelSize size = LabelSize::kNormal;
  // Where the anchor lies on the text: 0 left, 0.5 centre, 1 right; 0 top,
  // 0.5 middle, 1 bottom.
  double align_x = 0;
  double align_y = 0;
  bool bold = false;
  bool grey = false;  // grey (128, 128, 128) instead of black
};

struct GraphFigure {
  double width = 0;                  // the frame
  double height = 0;                 // the frame
  double line_scale = 1;             // canvas pen widths are multiplied by it
  double text_height[2] = {12, 16};  // canvas heights of the size classes
  std::vector<GraphPath> paths;
  std::vector<GraphLabel> labels;

  GraphPath& Path(int color_entry, int pen, int width = 1) {
    paths.push_back({{}, color_entry, pen, width});
    return paths.back();
  }
  void Label(GraphLabel label) { labels.push_back(std::move(label)); }
};

// Draws `figure` with its frame's top-left corner at (left, top): paths in
// their ColorTable colours, labels in "Arial".
void RenderOnCanvas(const GraphFigure& figure, platform::Canvas& canvas,
                    int left, int top, const model::ColorTable& colors);

// The character sizes of the plot, in centimetres.
struct PlotCharSize {
  double width, height;
};
inline constexpr PlotCharSize kPlotCharSizes[2] = {{0.14, 0.24}, {0.22, 0.33}};

// Writes `figure` (frame in millimetres) into the plot, its top-left corner
// at (x0_mm, y0_mm + height) from the plot origin, y up: 40 plot units per
// millimetre, coordinates as whole numbers. With `mirror` the figure is
// turned over at its horizontal middle line (labels stay readable). Starts
// with "IN;SP 8;SI 0.14, 0.24;SP 8" and ends with the plot end.
void PlotFigure(const GraphFigure& figure, output::PlotFile& plot, double x0_mm,
                double y0_mm, bool mirror);

// Splits a polyline where `keep` is false for a point; the runs of kept
// points become separate paths of the same style.
void AddRuns(GraphFigure& figure, const GraphPath& style,
             const std::vector<GraphPoint>& points,
             const std::vector<bool>& keep);

}  // namespace lumtar::tables
