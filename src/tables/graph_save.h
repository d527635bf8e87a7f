#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "model/model.h"
#include "output/plot_file.h"
#include "platform/canvas.h"
#include "platform/ui.h"
#include "tables/eot_graph.h"
#include "tables/sun_path.h"
#include "tables/sun_path_diagram.h"

namespace lumtar::tables {

// The graph command of the tables window: one of the three graphs drawn,
// plotted or saved as a file.

enum class GraphKind { kEot, kSunPathRect, kSunPathPolar };

struct GraphRequest {
  GraphKind kind = GraphKind::kEot;
  EotPlotOptions eot;  // x0, y0, scales, mirror, longitude correction
  SunPathOptions sun_path;
};

// Draws the graph on a canvas (the screen image or a printer page).
void DrawGraph(platform::Canvas& canvas, const model::Model& model,
               const GraphRequest& request, int left, int top, bool screen,
               int height, int width);

// Writes the graph into an open plot file.
void PlotGraph(output::PlotFile& plot, const model::Model& model,
               const GraphRequest& request);

// The name the save dialog's choice becomes: extension "plt" for HPGL,
// "dxf" for DXF, replacing the text after the last "." of the file name.
std::filesystem::path GraphFileName(const std::filesystem::path& chosen,
                                    output::HpglMode mode);

struct GraphSaveResult {
  bool saved = false;
  std::vector<std::string> messages;  // the converter's information list
};

// Saves the graph into `target` as HPGL or, through the temporary plot
// file beside it, as DXF. The file is replaced only when complete; on any
// failure nothing is left behind, the previous file is untouched and one
// message is shown ("Unable to save file!"); "saved!" only after success.
GraphSaveResult SaveGraph(const model::Model& model,
                          const GraphRequest& request,
                          const std::filesystem::path& target,
                          output::HpglMode mode, platform::Ui& ui);

}  // namespace lumtar::tables
