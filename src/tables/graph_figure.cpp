#include "tables/graph_figure.h"

#include <algorithm>
#include <cmath>

#include "tables/table.h"

namespace lumtar::tables {

namespace {

// Average advance of a character of "Arial" as a share of its height.
constexpr double kCanvasCharWidth = 0.55;
// A plotter character advances 1.5 character widths.
constexpr double kPlotCharAdvance = 1.5;
constexpr int kPlotUnitsPerMm = 40;
// Keeps a run of points in one command short enough for small plotters.
constexpr std::size_t kMaxCommand = 4000;

int Round(double v) {
  v = std::clamp(v, -1e9, 1e9);
  return static_cast<int>(std::lround(v));
}

}  // namespace

void RenderOnCanvas(const GraphFigure& figure, platform::Canvas& canvas,
                    int left, int top, const model::ColorTable& colors) {
  const platform::Pen old_pen = canvas.pen();
  const platform::Font old_font = canvas.font();
  for (const GraphPath& path : figure.paths) {
    if (path.points.size() < 2) continue;
    platform::Pen pen;
    pen.color = path.color_entry >= 1 && path.color_entry <= 12
                    ? colors[path.color_entry - 1]
                    : platform::kBlack;
    pen.width = std::max(1, Round(path.width * figure.line_scale));
    canvas.SetPen(pen);
    canvas.MoveTo(left + Round(path.points[0].x),
                  top + Round(path.points[0].y));
    for (std::size_t i = 1; i < path.points.size(); ++i)
      canvas.LineTo(left + Round(path.points[i].x),
                    top + Round(path.points[i].y));
  }
  for (const GraphLabel& label : figure.labels) {
    const double h = figure.text_height[static_cast<int>(label.size)];
    const double w = TextWidth(label.text) * kCanvasCharWidth * h;
    platform::Font font;
    font.name = "Arial";
    font.height = std::max(1, Round(h));
    font.weight = label.bold ? platform::kWeightBold : platform::kWeightNormal;
    font.color = label.grey ? 0x808080 : platform::kBlack;
    canvas.SetFont(font);
    canvas.Text(left + Round(label.at.x - label.align_x * w),
                top + Round(label.at.y - label.align_y * h), label.text);
  }
  canvas.SetPen(old_pen);
  canvas.SetFont(old_font);
}

void PlotFigure(const GraphFigure& figure, output::PlotFile& plot, double x0_mm,
                double y0_mm, bool mirror) {
  using output::FormatPlotInt;
  const auto px = [&](double x) { return (x0_mm + x) * kPlotUnitsPerMm; };
  const auto py = [&](double y) {
    return (y0_mm + (mirror ? y : figure.height - y)) * kPlotUnitsPerMm;
  };
  const auto pair = [&](GraphPoint p) {
    return FormatPlotInt(px(p.x)) + " " + FormatPlotInt(py(p.y));
  };
  output::WritePlot(plot, "IN;SP 8;");
  output::WritePlot(plot, "SI 0.14, 0.24;SP 8");
  int pen = 8;
  for (const GraphPath& path : figure.paths) {
    if (path.points.size() < 2) continue;
    if (path.pen != pen) {
      pen = path.pen;
      output::WritePlot(plot, ";SP " + std::to_string(pen));
    }
    std::string run = ";PU " + pair(path.points[0]) + ";PD ";
    for (std::size_t i = 1; i < path.points.size(); ++i) {
      if (i > 1) run += ' ';
      run += pair(path.points[i]);
      if (run.size() > kMaxCommand && i + 1 < path.points.size()) {
        output::WritePlot(plot, run);
        run = ";PD ";
        run += pair(path.points[i]);
      }
    }
    output::WritePlot(plot, run);
  }
  if (pen != 1) output::WritePlot(plot, ";SP 1");
  LabelSize size = LabelSize::kNormal;
  for (const GraphLabel& label : figure.labels) {
    if (label.size != size) {
      size = label.size;
      const PlotCharSize s = kPlotCharSizes[static_cast<int>(size)];
      output::WritePlot(plot, ";SI " + output::FormatPlotFixed(4, 2, s.width) +
                                  "," +
                                  output::FormatPlotFixed(4, 2, s.height));
    }
    const PlotCharSize s = kPlotCharSizes[static_cast<int>(size)];
    const double w_mm = TextWidth(label.text) * kPlotCharAdvance * s.width * 10;
    const double h_mm = s.height * 10;
    const double align_y = mirror ? 1 - label.align_y : label.align_y;
    // The label's lower-left corner, y measured downwards in the figure.
    const double x = label.at.x - label.align_x * w_mm;
    const double y = mirror ? label.at.y - (1 - align_y) * h_mm
                            : label.at.y + (1 - align_y) * h_mm;
    output::WritePlot(plot, output::PlotLabel(px(x), py(y), label.text));
  }
  output::WritePlot(plot, output::kPlotEnd);
}

void AddRuns(GraphFigure& figure, const GraphPath& style,
             const std::vector<GraphPoint>& points,
             const std::vector<bool>& keep) {
  GraphPath run = style;
  run.points.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (keep[i]) {
      run.points.push_back(points[i]);
      continue;
    }
    if (run.points.size() >= 2) figure.paths.push_back(run);
    run.points.clear();
  }
  if (run.points.size() >= 2) figure.paths.push_back(run);
}

}  // namespace lumtar::tables
