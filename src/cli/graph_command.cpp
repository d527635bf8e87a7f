#include "cli/graph_command.h"

#include <optional>
#include <set>

#include "cli/model_options.h"
#include "cli/options.h"
#include "output/atomic_file.h"
#include "output/output_texts.h"
#include "output/svg_canvas.h"
#include "tables/graph_save.h"

namespace lumtar::cli {
namespace {

constexpr char kUsage[] =
    "usage: lumtar-cli graph eot|sunpath-rect|sunpath-polar\n"
    "                        --format svg|hpgl|dxf -o FILE\n"
    "                        [--settings FILE] [--set NAME=VALUE ...]\n"
    "  eot            the equation of time over the Year\n"
    "  sunpath-rect   sun path diagram, azimuth across, altitude up\n"
    "  sunpath-polar  sun path diagram, zenith in the centre\n"
    "  --format  svg   the printed graph at true size on an A4 landscape"
    " sheet\n"
    "            hpgl  the plot file\n"
    "            dxf   the plot converted into a DXF drawing in millimetres\n"
    "equation of time:\n"
    "  --longitude-correction  add the correction from the zone meridian to"
    " the site\n"
    "  --mirror        plot turned over at the x axis (hpgl, dxf)\n"
    "  --y-factor F    plot magnification in y, 0.05..20 (default 1)\n"
    "sun path diagrams:\n"
    "  --dates N       date lines per month: 1 (21st, default), 2 (6th, 21st)"
    "\n"
    "                  or 3 (1st, 11th, 21st)\n"
    "  --interval MIN  hour lines every 60 (default), 30, 20 or 15 minutes\n"
    "  --mean-time     hour loops of local mean time instead of apparent "
    "time\n"
    "  --zone-time     the loops in zone time (with --mean-time)\n"
    "  --period P      year (default), jun-dec or dec-jun\n"
    "  --plane D,I     mark the sunshine on a plane of declination D and\n"
    "                  inclination I degrees (90 vertical) at the site\n";

// A4 landscape in 0.1 mm with a 5 mm margin.
constexpr int kSheetWidth = 2970;
constexpr int kSheetHeight = 2100;
constexpr int kMargin = 50;

const std::set<std::string> kValued = {
    "format", "output", "y-factor", "dates", "interval", "period", "plane"};
const std::set<std::string> kFlags = {"longitude-correction", "mirror",
                                      "mean-time", "zone-time"};

struct GraphArguments {
  std::string format;
  std::string output;
  tables::GraphRequest request;
};

// Splits the graph's name from the options ("-o" is "--output").
Options ParseWords(const std::vector<std::string>& args,
                   std::optional<std::string>& which) {
  std::set<std::string> valued = kValued;
  valued.insert(kModelValuedOptions.begin(), kModelValuedOptions.end());
  std::set<std::string> takes_value = valued;
  takes_value.insert(kModelRepeatedOptions.begin(),
                     kModelRepeatedOptions.end());
  const std::vector<std::string> words =
      SplitNameFromOptions(args, takes_value, "graph", which);
  return Options(words, valued, kFlags, kModelRepeatedOptions);
}

GraphArguments Parse(const Options& o, const std::string& which) {
  GraphArguments g;
  tables::GraphRequest& r = g.request;
  if (which == "eot") {
    r.kind = tables::GraphKind::kEot;
  } else if (which == "sunpath-rect") {
    r.kind = tables::GraphKind::kSunPathRect;
  } else if (which == "sunpath-polar") {
    r.kind = tables::GraphKind::kSunPathPolar;
  } else {
    throw ArgumentError("unknown graph '" + which + "'");
  }
  g.format = o.Require("format");
  if (g.format != "svg" && g.format != "hpgl" && g.format != "dxf")
    throw ArgumentError("--format must be svg, hpgl or dxf");
  g.output = o.Require("output");

  const bool eot = r.kind == tables::GraphKind::kEot;
  for (const char* name : {"longitude-correction", "mirror", "y-factor"})
    if (o.Has(name) && !eot)
      throw ArgumentError(std::string("--") + name +
                          " belongs to the eot graph");
  for (const char* name :
       {"dates", "interval", "mean-time", "zone-time", "period", "plane"})
    if (o.Has(name) && eot)
      throw ArgumentError(std::string("--") + name +
                          " belongs to the sun path diagrams");

  r.eot.longitude_correction = o.Has("longitude-correction");
  r.eot.mirror = o.Has("mirror");
  if (const auto f = o.Get("y-factor"))
    r.eot.y_factor = ParseReal("--y-factor", *f, 0.05, 20);

  tables::SunPathOptions& s = r.sun_path;
  if (const auto d = o.Get("dates")) {
    if (*d != "1" && *d != "2" && *d != "3")
      throw ArgumentError("--dates must be 1, 2 or 3");
    s.dates_per_month = (*d)[0] - '0';
  }
  if (const auto i = o.Get("interval")) {
    if (*i != "60" && *i != "30" && *i != "20" && *i != "15")
      throw ArgumentError("--interval must be 60, 30, 20 or 15");
    s.hour_interval_min = std::stoi(*i);
  }
  s.mean_time = o.Has("mean-time");
  s.zone_time = o.Has("zone-time");
  if (s.zone_time && !s.mean_time)
    throw ArgumentError("--zone-time needs --mean-time");
  if (const auto p = o.Get("period")) {
    if (*p == "year") {
      s.period = tables::SunPathPeriod::kFullYear;
    } else if (*p == "jun-dec") {
      s.period = tables::SunPathPeriod::kJuneToDecember;
    } else if (*p == "dec-jun") {
      s.period = tables::SunPathPeriod::kDecemberToJune;
    } else {
      throw ArgumentError("--period must be year, jun-dec or dec-jun");
    }
  }
  if (const auto p = o.Get("plane")) {
    const auto comma = p->find(',');
    if (comma == std::string::npos)
      throw ArgumentError("--plane needs D,I in degrees");
    s.plane.enabled = true;
    s.plane.declination = ParseReal("--plane", p->substr(0, comma), -180, 180);
    s.plane.inclination = ParseReal("--plane", p->substr(comma + 1), 0, 180);
  }
  return g;
}

int WriteSvg(const model::Model& model, const GraphArguments& g,
             std::ostream& err) {
  output::SvgCanvas svg(kSheetWidth, kSheetHeight);
  tables::DrawGraph(svg, model, g.request, kMargin, kMargin, false,
                    kSheetHeight - 2 * kMargin, kSheetWidth - 2 * kMargin);
  output::AtomicFile file(g.output);
  if (file.Open()) {
    file.Write(svg.Document());
    if (file.Commit()) return 0;
  }
  err << "lumtar-cli graph: " << output::MessageEntry53(model.Language) << " "
      << file.error() << "\n";
  return 1;
}

}  // namespace

int RunGraphCommand(const std::vector<std::string>& args, std::ostream& out,
                    std::ostream& err) {
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      out << kUsage << kModelOptionsHelp;
      return 0;
    }
  }
  GraphArguments g;
  model::Model model;
  try {
    std::optional<std::string> which;
    const Options o = ParseWords(args, which);
    if (!which)
      throw ArgumentError("which graph? (eot, sunpath-rect, sunpath-polar)");
    g = Parse(o, *which);
    model = ModelFromOptions(o, err, texts::Language::kEnglish);
  } catch (const ArgumentError& e) {
    err << "lumtar-cli graph: " << e.what() << "\n";
    return 2;
  }
  g.request.sun_path.plane.latitude = model.parameters.Latitude;
  if (g.format == "svg") return WriteSvg(model, g, err);

  ScriptUi ui(err, model.Language);
  const tables::GraphSaveResult r = tables::SaveGraph(
      model, g.request, g.output,
      g.format == "hpgl" ? output::HpglMode::kHpgl : output::HpglMode::kForDxf,
      ui);
  for (const std::string& m : r.messages) err << m << "\n";
  return r.saved ? 0 : 1;
}

}  // namespace lumtar::cli
