#include "cli/draw_command.h"

#include <functional>
#include <map>

#include "app/construction_dispatch.h"
#include "astro/field_readers.h"
#include "astro/solar_ephemeris.h"
#include "cli/console_ui.h"
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
    "            of the sheet (default: the kind's own place)\n"
    "  --settings FILE   start from a settings or construction data file\n"
    "  --set NAME=VALUE  set one field of the model, e.g. --set DialKind=h\n";

// The SVG sheet: the plot page, 410 x 287 mm, in printer units.
constexpr int kSheetWidth = 4100;
constexpr int kSheetHeight = 2870;

double Number(const std::string& name, const std::string& text, double min,
              double max) {
  return ParseReal(name, text, min, max);
}

// The model of the command. A stand-in until the shared --settings and
// --set support arrives: the built-in defaults and a few fields by name.
model::Model ModelForDraw(const std::optional<std::string>& settings,
                          const std::vector<std::string>& sets) {
  if (settings)
    throw ArgumentError("--settings is not supported by this build yet");
  model::Model m;
  using Setter = std::function<void(const std::string&, model::Model&)>;
  const auto real = [](double model::DialParameters::*field, double min,
                       double max) -> Setter {
    return [=](const std::string& v, model::Model& m) {
      m.parameters.*field = Number("--set", v, min, max);
    };
  };
  const auto flag = [](bool model::LineOptions::*field) -> Setter {
    return [=](const std::string& v, model::Model& m) {
      if (v != "0" && v != "1") throw ArgumentError("--set: 0 or 1 expected");
      m.options.*field = v == "1";
    };
  };
  const auto hours = [](std::int32_t model::HourLineTimes::*field, int min,
                        int max) -> Setter {
    return [=](const std::string& v, model::Model& m) {
      m.times.*field = static_cast<std::int32_t>(Number("--set", v, min, max));
    };
  };
  const auto digit = [](char model::LineOptions::*field, char max) -> Setter {
    return [=](const std::string& v, model::Model& m) {
      if (v.size() != 1 || v[0] < '0' || v[0] > max)
        throw ArgumentError("--set: a digit 0.." + std::string(1, max) +
                            " expected");
      m.options.*field = v[0];
    };
  };
  const std::map<std::string, Setter> fields = {
      {"DialKind",
       [](const std::string& v, model::Model& m) {
         if (v.size() != 1) throw ArgumentError("--set: one letter expected");
         m.DialKind = v[0];
       }},
      {"UmbrellaFlag",
       [](const std::string& v, model::Model& m) {
         m.selectors.UmbrellaFlag = Number("--set", v, 0, 1) != 0;
       }},
      {"Language",
       [](const std::string& v, model::Model& m) {
         if (v != "de" && v != "en") throw ArgumentError("--set: de or en");
         m.Language =
             v == "de" ? texts::Language::kGerman : texts::Language::kEnglish;
       }},
      {"Year",
       [](const std::string& v, model::Model& m) {
         m.parameters.Year =
             static_cast<std::int32_t>(Number("--set", v, 1300, 2500));
       }},
      {"Zoom",
       [](const std::string& v, model::Model& m) {
         m.window.Zoom = Number("--set", v, 1.0 / 64, 64);
       }},
      {"ShowSunshineLines",
       [](const std::string& v, model::Model& m) {
         m.window.ShowSunshineLines = Number("--set", v, 0, 1) != 0;
       }},
      {"AnalemmaHour",
       [](const std::string& v, model::Model& m) {
         m.values.AnalemmaHour =
             static_cast<std::int32_t>(Number("--set", v, 1, 23));
       }},
      {"Latitude", real(&model::DialParameters::Latitude, -90, 90)},
      {"Longitude", real(&model::DialParameters::Longitude, -180, 180)},
      {"ZoneMeridian", real(&model::DialParameters::ZoneMeridian, -180, 180)},
      {"WallDeclination",
       real(&model::DialParameters::WallDeclination, -180, 180)},
      {"Inclination", real(&model::DialParameters::Inclination, 0, 175)},
      {"GnomonHeight", real(&model::DialParameters::GnomonHeight, 0.1, 1000)},
      {"UmbrellaDiskRatio",
       real(&model::DialParameters::UmbrellaDiskRatio, -10, 10)},
      {"ShowHourLines", flag(&model::LineOptions::ShowHourLines)},
      {"ShowMeanHourLines", flag(&model::LineOptions::ShowMeanHourLines)},
      {"ShowAnalemmaMarks", flag(&model::LineOptions::ShowAnalemmaMarks)},
      {"ShowTemporalHours", flag(&model::LineOptions::ShowTemporalHours)},
      {"ExtendTemporalHours", flag(&model::LineOptions::ExtendTemporalHours)},
      {"ShowBabylonianHours", flag(&model::LineOptions::ShowBabylonianHours)},
      {"ShowItalianHours", flag(&model::LineOptions::ShowItalianHours)},
      {"ShowAltitudeLines", flag(&model::LineOptions::ShowAltitudeLines)},
      {"ShowPoleTriangle", flag(&model::LineOptions::ShowPoleTriangle)},
      {"HourLinesToFootPoint", flag(&model::LineOptions::HourLinesToFootPoint)},
      {"ApparentAtSite", flag(&model::LineOptions::ApparentAtSite)},
      {"DateLineMode", digit(&model::LineOptions::DateLineMode, '3')},
      {"ApparentHourSubdivisions",
       digit(&model::LineOptions::ApparentHourSubdivisions, '4')},
      {"MeanHourSubdivisions",
       digit(&model::LineOptions::MeanHourSubdivisions, '4')},
      {"ApparentHoursFrom",
       hours(&model::HourLineTimes::ApparentHoursFrom, 0, 24)},
      {"ApparentHoursTo", hours(&model::HourLineTimes::ApparentHoursTo, 0, 24)},
      {"MeanHoursFrom", hours(&model::HourLineTimes::MeanHoursFrom, 0, 24)},
      {"MeanHoursTo", hours(&model::HourLineTimes::MeanHoursTo, 0, 24)},
      {"BabylonianFrom", hours(&model::HourLineTimes::BabylonianFrom, 0, 24)},
      {"BabylonianTo", hours(&model::HourLineTimes::BabylonianTo, 0, 24)},
      {"ItalianFrom", hours(&model::HourLineTimes::ItalianFrom, 0, 24)},
      {"ItalianTo", hours(&model::HourLineTimes::ItalianTo, 0, 24)},
      {"PlanarTemporalFrom",
       hours(&model::HourLineTimes::PlanarTemporalFrom, 0, 12)},
      {"PlanarTemporalTo",
       hours(&model::HourLineTimes::PlanarTemporalTo, 0, 12)},
      {"AltitudeLinesFrom",
       hours(&model::HourLineTimes::AltitudeLinesFrom, 10, 90)},
      {"AltitudeLinesTo",
       hours(&model::HourLineTimes::AltitudeLinesTo, 10, 90)},
  };
  for (const std::string& s : sets) {
    const auto eq = s.find('=');
    if (eq == std::string::npos)
      throw ArgumentError("--set needs NAME=VALUE, not '" + s + "'");
    const auto it = fields.find(s.substr(0, eq));
    if (it == fields.end())
      throw ArgumentError("--set: unknown field '" + s.substr(0, eq) + "'");
    it->second(s.substr(eq + 1), m);
  }
  // The obliquity of the reference year, to 0.01 degree.
  m.values.Obliquity =
      astro::ZodiacDeclinations(m.parameters.Year).obliquity_display_deg;
  return m;
}

struct DrawArguments {
  std::string format;
  std::string output;
  std::optional<std::string> settings;
  std::vector<std::string> sets;
  int width = 1;
  std::optional<double> grid_mm;
  std::optional<dials::Point> origin_mm;
};

DrawArguments Parse(const std::vector<std::string>& args) {
  DrawArguments d;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--set" || a.rfind("--set=", 0) == 0) {
      if (a == "--set") {
        if (i + 1 >= args.size()) throw ArgumentError("--set needs a value");
        d.sets.push_back(args[++i]);
      } else {
        d.sets.push_back(a.substr(6));
      }
    } else if (a == "-o") {
      rest.push_back("--output");
    } else {
      rest.push_back(a);
    }
  }
  const Options o(
      rest, {"format", "output", "settings", "width", "grid", "origin"}, {});
  d.format = o.Require("format");
  if (d.format != "svg" && d.format != "hpgl" && d.format != "dxf" &&
      d.format != "coords")
    throw ArgumentError("--format must be svg, hpgl, dxf or coords");
  d.output = o.Require("output");
  d.settings = o.Get("settings");
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
      out << kUsage;
      return 0;
    }
  }
  DrawArguments d;
  model::Model model;
  try {
    d = Parse(args);
    model = ModelForDraw(d.settings, d.sets);
  } catch (const ArgumentError& e) {
    err << "lumtar-cli draw: " << e.what() << "\n" << kUsage;
    return 2;
  }
  ConsoleUi ui(err, model.Language);
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
