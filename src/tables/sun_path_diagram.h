#pragma once

#include "model/model.h"
#include "output/plot_file.h"
#include "platform/canvas.h"
#include "tables/graph_figure.h"
#include "tables/sun_path.h"

namespace lumtar::tables {

// Sun path diagrams of the model's site and Year: date lines labelled by
// date, hour lines (or mean-time loops) labelled by hour, the horizon,
// labelled azimuth and altitude axes, a title with the site, and the
// overlays of the options (the sunshine of a plane, a horizon profile).
//  - rectangular: x the azimuth, centred on south (on north for southern
//    latitudes), y the altitude;
//  - polar: the zenith in the centre, the horizon as the outer circle,
//    altitude falling linearly outwards, north up and east to the right as
//    on a map.

enum class SunPathShape { kRectangular, kPolar };

// The diagram in a frame of width x height units with text of
// `text_height` units and lines `line_scale` units wide per unit of width.
GraphFigure SunPathFigure(const model::Model& model,
                          const SunPathOptions& options, SunPathShape shape,
                          double width, double height, double text_height,
                          double line_scale);

// Draws on the screen image (`screen`) or a printer page (0.1 mm units),
// the frame's top-left corner at (left, top).
void DrawSunPathRect(platform::Canvas& canvas, const model::Model& model,
                     const SunPathOptions& options, int left, int top,
                     bool screen, int height, int width);
void DrawSunPathPolar(platform::Canvas& canvas, const model::Model& model,
                      const SunPathOptions& options, int left, int top,
                      bool screen, int height, int width);

// The plot file's diagram: a frame of width_mm x height_mm at (x0_mm,
// y0_mm) from the plot origin.
struct SunPathPlotFrame {
  double x0_mm = 10;
  double y0_mm = 10;
  double width_mm = 290;
  double height_mm = 200;
};
void PlotSunPathRect(output::PlotFile& plot, const model::Model& model,
                     const SunPathOptions& options,
                     const SunPathPlotFrame& frame = {});
void PlotSunPathPolar(output::PlotFile& plot, const model::Model& model,
                      const SunPathOptions& options,
                      const SunPathPlotFrame& frame = {0, 0, 290, 200});

}  // namespace lumtar::tables
