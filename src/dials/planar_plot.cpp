// The plot writer of the planar dials.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "astro/field_readers.h"
#include "astro/format.h"
#include "dials/pen_filters.h"
#include "dials/planar_dial.h"
#include "dials/planar_style.h"
#include "output/page_model.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::dials {

using output::FormatPlotInt;
using output::WritePlot;

namespace {

// Writes traced lines as plot commands: pen by role, y mirrored into the
// plot's upward axis, runs of points in one PD command.
class PlotCommandPen : public PenSink {
 public:
  PlotCommandPen(output::PlotFile& plot, double frame_height,
                 double mark_radius)
      : plot_(plot), height_(frame_height), mark_radius_(mark_radius) {}
  ~PlotCommandPen() override { Flush(); }

  void BeginLine(LineRole role, double, const char*) override {
    Flush();
    SelectPen(dials::PlotPen(role));
  }
  void MoveTo(double x, double y) override {
    Flush();
    start_ = Text(x, y);
    have_start_ = true;
  }
  void LineTo(double x, double y) override {
    const std::string p = Text(x, y);
    if (run_.empty()) {
      if (!have_start_) {
        start_ = p;
        have_start_ = true;
        return;
      }
      run_ = ";PU " + start_ + ";PD " + p;
    } else if (p != last_) {
      run_ += " " + p;
    }
    last_ = p;
    if (run_.size() > 4000) {  // keep commands short for small plotters
      WritePlot(plot_, run_ + ";");
      run_.clear();
      start_ = p;
    }
  }
  void Mark(double x, double y, bool filled) override {
    Flush();
    std::string s =
        ";PU " + Text(x, y) + ";CI " + FormatPlotInt(mark_radius_) + ";";
    if (filled) s += "CI " + FormatPlotInt(mark_radius_ / 2) + ";";
    WritePlot(plot_, s);
  }

  void SelectPen(int pen) {
    Flush();
    if (pen == pen_) return;
    pen_ = pen;
    WritePlot(plot_, ";SP " + std::to_string(pen) + ";");
  }
  void Flush() {
    if (!run_.empty()) WritePlot(plot_, run_ + ";");
    run_.clear();
    have_start_ = false;
  }
  // "x y" of a device point in plot units.
  std::string Text(double x, double y) const {
    return FormatPlotInt(x) + " " + FormatPlotInt(height_ - y);
  }

 private:
  output::PlotFile& plot_;
  double height_;
  double mark_radius_;
  int pen_ = 4;  // the header leaves pen 4 selected
  std::string start_, last_, run_;
  bool have_start_ = false;
};

std::string Pu(double x, double y) {
  return ";PU " + FormatPlotInt(x) + " " + FormatPlotInt(y) + ";";
}

// A number with two decimals and no leading blanks.
std::string Decimals2(double v) {
  std::string s = astro::FormatFixed(2, 2, v);
  s.erase(0, s.find_first_not_of(' '));
  return s;
}

// The character size command of a size in centimetres at `f`.
std::string Si(double w, double h, int f) {
  return ";SI " + Decimals2(w * f) + "," + Decimals2(h * f) + ";";
}

// The grid width of the plot question: nullopt for no grid; a width that
// cannot be read or is below 1 mm gives 10 mm.
std::optional<double> GridWidth(const PlotRequest& request,
                                const model::Model& m, platform::Ui& ui) {
  double width = request.grid_mm;
  switch (request.grid) {
    case PlotGrid::kNone:
      return std::nullopt;
    case PlotGrid::kWidth:
      break;
    case PlotGrid::kAsk: {
      const texts::Language lang = m.Language;
      if (ui.Message(platform::Caption::kQuestion, texts::RawText(1219, lang),
                     platform::Buttons::kYesNo) != platform::Answer::kYes)
        return std::nullopt;
      const auto answer = ui.Input(texts::RawText(1221, lang),
                                   texts::RawText(1220, lang), "10");
      if (!answer) return std::nullopt;
      std::string text = *answer;
      std::replace(text.begin(), text.end(), ',', '.');
      char* end = nullptr;
      width = std::strtod(text.c_str(), &end);
      if (end == text.c_str()) width = 10;
      break;
    }
  }
  if (!std::isfinite(width) || width < 1) width = 10;
  return width;
}

void WriteGrid(output::PlotFile& plot, double width_mm, Point o, int f) {
  const double frame_w = 16157.0 * f, frame_h = 11038.0 * f;
  WritePlot(plot, ";IW 0 0 " + FormatPlotInt(frame_w) + " " +
                      FormatPlotInt(frame_h) + ";SP 9;" + Pu(o.x, o.y) + "CI " +
                      FormatPlotInt(80.0 * f) + ";");
  const double step = width_mm * 40 * f;
  const double w = 16150.0 * f, h = 11030.0 * f;
  const auto lines = [&](double origin, double extent, bool vertical) {
    const double k0 = std::ceil(-origin / step);
    const double k1 = std::floor((extent - origin) / step);
    for (double k = k0; k <= k1 && k - k0 < 5000; ++k) {
      const double v = origin + k * step;
      WritePlot(plot, vertical ? Pu(v, 0) + "PD " + FormatPlotInt(v) + " " +
                                     FormatPlotInt(h) + ";"
                               : Pu(0, v) + "PD " + FormatPlotInt(w) + " " +
                                     FormatPlotInt(v) + ";");
    }
  };
  lines(o.x, w, true);
  lines(o.y, h, false);
}

}  // namespace

Point PlanarPlotOrigin(char kind, double wall_declination, double phi_e,
                       double gnomon_units, int f) {
  double x = 8200.0 * f, y;
  if (kind == 'v') {
    y = 11000.0 * f;
    if (wall_declination > 50) x += 2400.0 * f;
    if (wall_declination < -50) x -= 2400.0 * f;
    return {x, y};
  }
  const double a = std::fabs(phi_e);
  y = a > 49 ? 2500.0 * f : (a > 30 ? 4000.0 * f : 5500.0 * f);
  if (a > 50 && 3000.0 * f < gnomon_units) y = 1500.0 * f;
  if (phi_e < 0) y = 11000.0 * f - y;
  return {x, y};
}

bool PlotPlanarDial(output::PlotFile& plot, model::Model& model,
                    platform::Ui& ui, const PlotRequest& request) {
  const char kind = model.DialKind;
  const int f = output::ResolutionMultiplier(request.mode, kind, 0, 0);
  const output::PlotFrame frame =
      output::FrameOf(output::PlotFrameKind::kPlanar);
  const double fw = static_cast<double>(frame.width) * f;
  const double fh = static_cast<double>(frame.height) * f;
  WritePlot(plot, output::FrameStart(frame, f));
  WritePlot(plot, output::kPenFourAtOrigin);
  if (!UmbrellaDialAllowed(model, ui)) {
    WritePlot(plot, output::kPlotEnd);
    return false;
  }

  // The plot is traced in a frame with y downward from the top of the
  // plot frame, like the screen; the plot pen mirrors it.
  const Rect rect{0, 0, fw, fh};
  const double units = output::kPlotUnitsPerMm * f;
  Point o_plot;  // the gnomon foot in plot units, y up
  {
    double zoom = model.window.Zoom;
    const double g = units * DrawnGnomonMm(model.parameters.GnomonHeight, zoom);
    if (request.origin_mm) {
      o_plot = {request.origin_mm->x * units,
                fh - request.origin_mm->y * units};
    } else if (model.window.OriginPicked && model.window.ImageWidth >= 1 &&
               model.window.ImageHeight >= 1) {
      const platform::Point p = output::ScreenToPlot(
          output::PickLayout::kFramed, model.window.ImageWidth,
          model.window.ImageHeight,
          {model.window.OriginPoint.x, model.window.OriginPoint.y}, f);
      o_plot = {static_cast<double>(p.x), static_cast<double>(p.y)};
    } else {
      // The equivalent latitude of an inclined plane decides the place.
      const PlanarSetup probe = MakePlanarSetup(model, rect, g, {0, 0});
      o_plot = PlanarPlotOrigin(kind, model.parameters.WallDeclination,
                                probe.phi_e, g, f);
    }
  }
  PlanarConstruction c =
      PreparePlanarConstruction(model, rect, units, {o_plot.x, fh - o_plot.y});
  // Lines to the foot point reach as far as 200 mm, as on the printer.
  c.setup.foot_line_limit = 200 * units;
  const PlanarSetup& s = c.setup;
  const model::Model& m = model;
  const texts::Language lang = m.Language;

  if (request.coordinates != nullptr) {
    request.coordinates->SetFrame(s.origin, units);
    request.coordinates->SetHeader(CoordinateListHeader(m, c));
  }

  if (const auto grid = GridWidth(request, m, ui))
    WriteGrid(plot, *grid, o_plot, f);

  // Title and data labels in the text box (picked, or the kind's place).
  const int lw = std::clamp(request.line_width, 1, 3);
  if (lw != 1) WritePlot(plot, ";PW 0;");
  Point box;
  if (model.window.LabelBoxPicked && model.window.ImageWidth >= 1 &&
      model.window.ImageHeight >= 1) {
    const platform::Point p = output::ScreenToPlot(
        output::PickLayout::kFramed, model.window.ImageWidth,
        model.window.ImageHeight,
        {model.window.LabelBoxPoint.x, model.window.LabelBoxPoint.y}, f);
    box = {static_cast<double>(p.x), static_cast<double>(p.y)};
  } else {
    const Point b =
        DefaultLabelBox(kind, m.parameters.Latitude, frame.width, frame.height);
    box = {b.x * f, fh - b.y * f};
  }
  std::string labels = ";SP 4;DI 1,0;" + Si(0.3, 0.45, f);
  double y = box.y - 500.0 * f;
  labels += output::PlotLabel(box.x, y, PlanarTitle(m));
  labels += Si(0.2, 0.3, f);
  for (const std::string& line : PlanarDataLines(m)) {
    y -= 200.0 * f;
    labels += output::PlotLabel(box.x, y, line);
  }
  // The doubled gnomon height as a bracket in the lower left corner.
  const double g2 = 2 * s.G, bx = 400.0 * f, by = 500.0 * f;
  const double tick = 200.0 * f;
  labels += Pu(bx + tick, by + g2) + "PD " + FormatPlotInt(bx) + " " +
            FormatPlotInt(by + g2) + " " + FormatPlotInt(bx) + " " +
            FormatPlotInt(by) + " " + FormatPlotInt(bx + g2) + " " +
            FormatPlotInt(by) + " " + FormatPlotInt(bx + g2) + " " +
            FormatPlotInt(by + tick) + ";";
  labels += output::PlotLabel(bx, by - 250.0 * f,
                              std::string(texts::RawText(1222, lang)) +
                                  Decimals2(c.gnomon_mm) + " mm)");
  WritePlot(plot, labels);
  if (lw != 1) WritePlot(plot, ";PW " + std::to_string((lw - 1) * f) + ";");

  // The line families, each in its pen.
  const double mark_radius = 0.6 * units;  // 6 printer units
  PlotCommandPen pen(plot, fh, mark_radius);
  std::optional<TeePen> tee;
  PenSink* out = &pen;
  if (request.coordinates != nullptr) {
    tee.emplace(pen, *request.coordinates);
    out = &*tee;
  }
  ClipPen clipped(*out, rect);
  const auto trace = [&](PlanarFamily family) {
    const auto labels_of = TracePlanarFamily(family, c, m, clipped, ui);
    pen.Flush();
    return labels_of;
  };
  trace(PlanarFamily::kHorizon);
  trace(PlanarFamily::kFootPointLines);
  trace(PlanarFamily::kSunshine);
  trace(PlanarFamily::kDeclination);

  // The input window of the sunlit part of walls and inclined planes.
  if (kind == 'v') {
    WritePlot(plot, s.origin.y > 10.0 * f
                        ? ";IW 0 0 " + FormatPlotInt(16151.0 * f) + " " +
                              FormatPlotInt(o_plot.y + 10.0 * f) + ";"
                        : ";IW 0 0 " + FormatPlotInt(fw) + " " +
                              FormatPlotInt(fh) + ";");
  } else if (kind == 'i') {
    const auto horizon = HorizonLineY(s);
    const double top = horizon ? std::min(fh - *horizon + 5.0 * f, fh) : fh;
    WritePlot(plot,
              ";IW 0 0 " + FormatPlotInt(fw) + " " + FormatPlotInt(top) + ";");
  }

  trace(PlanarFamily::kTemporalHours);
  const std::vector<HourLabelPoint> hour_labels =
      trace(PlanarFamily::kBabylonianItalian);
  std::string numbers = Si(0.15, 0.24, f);
  for (const HourLabelPoint& p : hour_labels) {
    numbers += ";SP " + std::to_string(p.italian ? 6 : 7) + ";";
    const double dy = (p.italian ? -0.4 : 0.4) * units;
    numbers +=
        output::PlotLabel(p.at.x, fh - p.at.y + dy, std::to_string(p.hour));
  }
  trace(PlanarFamily::kAltitudeLines);
  trace(PlanarFamily::kApparentHours);
  trace(PlanarFamily::kMeanHours);
  trace(PlanarFamily::kAnalemma);
  if (m.options.ShowHourLines || m.options.ShowMeanHourLines) {
    numbers += ";SP 3;" + Si(0.2, 0.3, f);
    for (const HourNumberPlace& p : HourNumberPlaces(s, m)) {
      const double d = (p.cut ? -3 : 3) * units;
      const double cx = p.solstice.x + d * p.direction.x;
      const double cy = p.solstice.y + d * p.direction.y;
      numbers += output::PlotLabel(cx - 1.5 * units, fh - cy - 1.5 * units,
                                   std::to_string(p.hour));
    }
  }
  WritePlot(plot, numbers);

  // The gnomon foot and the substyle.
  if (lw != 1) WritePlot(plot, ";PW 0;");
  std::string style = ";IW 0 0 " + FormatPlotInt(fw) + " " + FormatPlotInt(fh) +
                      ";SP 4;" + Pu(o_plot.x - 60.0 * f, o_plot.y - 60.0 * f) +
                      "PD " + FormatPlotInt(o_plot.x + 60.0 * f) + " " +
                      FormatPlotInt(o_plot.y - 60.0 * f) + " " +
                      FormatPlotInt(o_plot.x + 60.0 * f) + " " +
                      FormatPlotInt(o_plot.y + 60.0 * f) + " " +
                      FormatPlotInt(o_plot.x - 60.0 * f) + " " +
                      FormatPlotInt(o_plot.y + 60.0 * f) + " " +
                      FormatPlotInt(o_plot.x - 60.0 * f) + " " +
                      FormatPlotInt(o_plot.y - 60.0 * f) + ";";
  if (!s.umbrella) {
    const Point foot = FootPoint(s);
    if (const auto part = ClipSegment(s.origin, foot, rect)) {
      style += ";LT 2,2;" + Pu(part->first.x, fh - part->first.y) + "PD " +
               FormatPlotInt(part->second.x) + " " +
               FormatPlotInt(fh - part->second.y) + ";LT ;";
    }
    if (foot.x >= 0 && foot.x <= fw && foot.y >= 0 && foot.y <= fh) {
      const double fx = foot.x, fy = fh - foot.y, a = 36.0 * f;
      style += Pu(fx - a, fy) + "PD " + FormatPlotInt(fx + a) + " " +
               FormatPlotInt(fy) + ";" + Pu(fx, fy - a) + "PD " +
               FormatPlotInt(fx) + " " + FormatPlotInt(fy + a) + ";" +
               Si(0.2, 0.3, f) + output::PlotLabel(fx + a, fy + a, "S");
    }
  }
  WritePlot(plot, style);
  WritePlot(plot, output::kPlotEnd);
  return true;
}

}  // namespace lumtar::dials
