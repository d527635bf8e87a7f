#pragma once

#include <optional>

#include "dials/coordinate_list.h"
#include "dials/planar_geometry.h"
#include "output/plot_file.h"

namespace lumtar::dials {

// What the construction window hands a dial family's drawer and plot
// writer besides the model.

// A canvas to draw on: the window's image (screen) or a printer page (0.1
// mm units, y downward, a 5 mm margin), and its size in device units.
struct DrawTarget {
  bool screen = true;
  int width = 0;
  int height = 0;
};

// How the plot writer answers the question for a grid of coordinates.
enum class PlotGrid { kAsk, kNone, kWidth };

struct PlotRequest {
  output::HpglMode mode = output::HpglMode::kHpgl;
  int line_width = 1;  // the save panel's setting 1 thin .. 3 thick
  PlotGrid grid = PlotGrid::kAsk;
  double grid_mm = 10;  // with kWidth; below 1 mm means 10
  // The gnomon foot in millimetres from the top-left corner of the plot
  // frame; when absent, the picked origin or the kind's own rule.
  std::optional<Point> origin_mm;
  // Receives every line of the plot as well, for the coordinate list.
  CoordinateRecorder* coordinates = nullptr;
};

}  // namespace lumtar::dials
