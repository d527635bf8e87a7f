#pragma once

#include <vector>

#include "model/model.h"
#include "output/plot_file.h"
#include "platform/canvas.h"
#include "tables/graph_figure.h"

namespace lumtar::tables {

// The equation-of-time graph of the model's Year: x the day of the year,
// y minutes of time (apparent minus mean), grid from -17 to +17 minutes.

// The longitude correction of the graph: with the option, the curve shows
// E + f and the axis labels i + e, so that the axis reads the corrected
// value E + (zone meridian - longitude) in whole minutes:
// e = round((zone meridian - longitude) x 4) minutes (west positive, so a
// site east of its zone meridian gets a negative e), f the remainder in
// degrees. Without the option both are 0.
struct EotCorrection {
  int label_shift_min;     // e
  double curve_shift_deg;  // f
};
EotCorrection EotGraphCorrection(double longitude, double zone_meridian,
                                 bool longitude_correction);

// The curve's points: (day - 1, (E + f) x 4 minutes) for day = 1, 4, 7, ...
// and the last day of the year plus one; E of 12 h UT of that day count.
std::vector<GraphPoint> EotCurve(int year, double curve_shift_deg);

// Scales of the graph in the units of its frame.
struct EotLayout {
  double left = 0;        // x of day 0
  double zero = 0;        // y of the zero line
  double per_day = 1;     // x units per day
  double per_minute = 1;  // y units per minute of time (y grows downwards)
  double text_height = 12;
};
// Screen layout: zero line at 0.45 height, height / 45 per minute, the
// year across round(width / 192 x 180); printer layout: zero line at half
// the height, (width - 100) / 375 per day, 5 mm (50 units) per minute or
// less when the page is low.
EotLayout ScreenEotLayout(int width, int height);
EotLayout PrinterEotLayout(int width, int height);

// The whole graph (grid, axes, month names, curve, texts) in `layout`,
// with frame size width x height.
GraphFigure EotGraphFigure(const model::Model& model, const EotLayout& layout,
                           double width, double height,
                           bool longitude_correction);

// Draws the graph on the screen image (`screen`) or a printer page (0.1 mm
// units), its frame width x height with the top-left corner at (left, top).
void DrawEotGraph(platform::Canvas& canvas, const model::Model& model, int left,
                  int top, bool longitude_correction, bool screen, int height,
                  int width);

// The plot file's graph: the frame at (x0_mm, y0_mm) from the plot origin,
// the year across `year_mm`, `minute_mm` per minute times `y_factor`
// (0.05..20), turned over at the x axis with `mirror`.
struct EotPlotOptions {
  double x0_mm = 10;
  double y0_mm = 10;
  double year_mm = 270;
  double minute_mm = 5;
  double y_factor = 1;
  bool mirror = false;
  bool longitude_correction = false;
};
void PlotEotGraph(output::PlotFile& plot, const model::Model& model,
                  const EotPlotOptions& options);

}  // namespace lumtar::tables
