#include "cli/draw_command.h"

#include <set>

#include "app/construction_dispatch.h"
#include "cli/model_options.h"
#include "cli/options.h"
#include "output/atomic_file.h"
#include "output/output_texts.h"
#include "output/svg_canvas.h"

namespace lumtar::cli {
namespace {

constexpr char kUsage[] =
    "usage: lumtar-cli draw --format svg|hpgl|dxf|coords -o FILE\n"
    "                       [--settings FILE] [--set NAME=VALUE ...]\n"
    "                       [--width 1|2|3] [--grid MM] [--origin X,Y]\n"
    "  Builds the current construction of the model (the built-in defaults:\n"
    "  the vertical dial of the default site) for the planar kinds h, v, i.\n"
    "  --format  svg     the printed drawing at true size on a 410 x 287 mm\n"
    "                    sheet\n"
    "            hpgl    the plot file\n"
    "            dxf     the plot converted into a DXF drawing in millimetres\n"
    "            coords  the coordinate list: every line's points in mm from\n"
    "                    the gnomon foot, x to the right, y up\n"
    "  --width   plot line width 1 thin (default), 2 medium, 3 thick\n"
    "  --grid    add a grid of coordinates every MM millimetres to the plot\n"
    "            (below 1 mm: 10 mm)\n"
    "  --origin  the gnomon foot at X,Y millimetres from the top-left corner\n"
    "            of the sheet (default: the kind's own place)\n";

// The SVG sheet: the plot page, 410 x 287 mm, in printer units.
constexpr int kSheetWidth = 4100;
constexpr int kSheetHeight = 2870;

struct DrawArguments {
  std::string format;
  std::string output;
  int width = 1;
  std::optional<double> grid_mm;
  std::optional<dials::Point> origin_mm;
};

// "-o" is the short form of "--output".
Options ParseOptions(const std::vector<std::string>& args) {
  std::vector<std::string> words;
  for (const std::string& a : args) words.push_back(a == "-o" ? "--output" : a);
  std::set<std::string> valued = {"format", "output", "width", "grid",
                                  "origin"};
  valued.insert(kModelValuedOptions.begin(), kModelValuedOptions.end());
  return Options(words, valued, {}, kModelRepeatedOptions);
}

DrawArguments Parse(const Options& o) {
  DrawArguments d;
  d.format = o.Require("format");
  if (d.format != "svg" && d.format != "hpgl" && d.format != "dxf" &&
      d.format != "coords")
    throw ArgumentError("--format must be svg, hpgl, dxf or coords");
  d.output = o.Require("output");
  if (const auto w = o.Get("width")) {
    if (*w != "1" && *w != "2" && *w != "3")
      throw ArgumentError("--width must be 1, 2 or 3");
    d.width = (*w)[0] - '0';
  }
  if (const auto g = o.Get("grid"))
    d.grid_mm = ParseReal("--grid", *g, 0, 1000);
  if (const auto p = o.Get("origin")) {
    const auto comma = p->find(',');
    if (comma == std::string::npos)
      throw ArgumentError("--origin needs X,Y in millimetres");
    d.origin_mm =
        dials::Point{ParseReal("--origin", p->substr(0, comma), -1000, 1000),
                     ParseReal("--origin", p->substr(comma + 1), -1000, 1000)};
  }
  return d;
}

int WriteSvg(model::Model& model, const DrawArguments& d, platform::Ui& ui,
             std::ostream& err) {
  if (d.origin_mm) {
    // A picked origin on an image the size of the sheet in 0.1 mm.
    model.window.ImageWidth = kSheetWidth;
    model.window.ImageHeight = kSheetHeight;
    model.window.OriginPicked = true;
    model.window.OriginPoint = {static_cast<int>(d.origin_mm->x * 10),
                                static_cast<int>(d.origin_mm->y * 10)};
  }
  output::SvgCanvas svg(kSheetWidth, kSheetHeight);
  const app::ConstructionStatus status =
      app::DrawConstruction(svg, model, {false, kSheetWidth, kSheetHeight}, ui);
  if (status != app::ConstructionStatus::kDone) return 1;
  output::AtomicFile file(d.output);
  if (file.Open()) {
    file.Write(svg.Document());
    if (file.Commit()) return 0;
  }
  err << "lumtar-cli draw: "
      << output::MessageEntry53(texts::Language::kEnglish) << " "
      << file.error() << "\n";
  return 1;
}

}  // namespace

int RunDrawCommand(const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      out << kUsage << kModelOptionsHelp;
      return 0;
    }
  }
  DrawArguments d;
  model::Model model;
  try {
    const Options o = ParseOptions(args);
    d = Parse(o);
    model = ModelFromOptions(o, err, texts::Language::kEnglish);
  } catch (const ArgumentError& e) {
    err << "lumtar-cli draw: " << e.what() << "\n";
    return 2;
  }
  ScriptUi ui(err, model.Language);
  if (app::FindConstruction(model) == nullptr) {
    err << "lumtar-cli draw: " << app::NotAvailableText(model) << "\n";
    return 1;
  }
  if (d.format == "svg") return WriteSvg(model, d, ui, err);

  app::SaveRequest request;
  request.target = d.output;
  request.output = d.format == "hpgl"  ? app::SaveOutput::kHpgl
                   : d.format == "dxf" ? app::SaveOutput::kDxf
                                       : app::SaveOutput::kCoordinates;
  request.line_width = d.width;
  request.grid = d.grid_mm ? dials::PlotGrid::kWidth : dials::PlotGrid::kNone;
  request.grid_mm = d.grid_mm.value_or(10);
  request.origin_mm = d.origin_mm;
  const app::SaveResult result = app::SaveConstruction(model, request, ui);
  for (const std::string& m : result.messages) err << m << "\n";
  return result.status == app::ConstructionStatus::kDone ? 0 : 1;
}

}  // namespace lumtar::cli
