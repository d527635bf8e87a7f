#include "tables/graph_save.h"

#include "output/plot_save.h"

namespace lumtar::tables {

void DrawGraph(platform::Canvas& canvas, const model::Model& model,
               const GraphRequest& request, int left, int top, bool screen,
               int height, int width) {
  switch (request.kind) {
    case GraphKind::kEot:
      DrawEotGraph(canvas, model, left, top, request.eot.longitude_correction,
                   screen, height, width);
      return;
    case GraphKind::kSunPathRect:
      DrawSunPathRect(canvas, model, request.sun_path, left, top, screen,
                      height, width);
      return;
    case GraphKind::kSunPathPolar:
      DrawSunPathPolar(canvas, model, request.sun_path, left, top, screen,
                       height, width);
      return;
  }
}

void PlotGraph(output::PlotFile& plot, const model::Model& model,
               const GraphRequest& request) {
  switch (request.kind) {
    case GraphKind::kEot:
      PlotEotGraph(plot, model, request.eot);
      return;
    case GraphKind::kSunPathRect:
      PlotSunPathRect(plot, model, request.sun_path);
      return;
    case GraphKind::kSunPathPolar:
      PlotSunPathPolar(plot, model, request.sun_path);
      return;
  }
}

std::filesystem::path GraphFileName(const std::filesystem::path& chosen,
                                    output::HpglMode mode) {
  return output::WithExtension(chosen,
                               mode == output::HpglMode::kHpgl ? "plt" : "dxf");
}

GraphSaveResult SaveGraph(const model::Model& model,
                          const GraphRequest& request,
                          const std::filesystem::path& target,
                          output::HpglMode mode, platform::Ui& ui) {
  output::PlotSaveRequest save;
  save.target = target;
  save.mode = mode;
  save.line_width = model.LineWidth;
  save.divisor = output::DxfDivisor(1);
  const output::PlotSaveResult r = output::SavePlot(
      save,
      [&](output::PlotFile& plot) {
        PlotGraph(plot, model, request);
        return plot.ok();
      },
      ui, model.Language);
  return {r.saved, r.messages};
}

}  // namespace lumtar::tables
