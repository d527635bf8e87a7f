#include "tables/eot_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "astro/calendar.h"
#include "astro/solar_ephemeris.h"
#include "tables/graph_texts.h"
#include "texts/months.h"
#include "texts/pair_texts.h"

namespace lumtar::tables {

namespace {

constexpr int kRange = 17;  // minutes above and below the zero line
constexpr int kGridEntry = 7;
constexpr int kGridPen = 8;
constexpr int kCurveEntry = 2;
constexpr int kCurvePen = 2;

}  // namespace

EotCorrection EotGraphCorrection(double longitude, double zone_meridian,
                                 bool longitude_correction) {
  if (!longitude_correction) return {0, 0};
  const double d = zone_meridian - longitude;
  const int e = static_cast<int>(std::round(d * 4));
  return {e, d - e / 4.0};
}

std::vector<GraphPoint> EotCurve(int year, double curve_shift_deg) {
  const int last = astro::DayOfYear(year, 12, 31);
  std::vector<GraphPoint> points;
  const auto add = [&](int x) {
    const double e = astro::SolarEphemeris(year, x).eot_deg;
    points.push_back({x - 1.0, (e + curve_shift_deg) * 4});
  };
  for (int x = 1; x <= last; x += 3) add(x);
  add(last + 1);
  return points;
}

EotLayout ScreenEotLayout(int width, int height) {
  EotLayout l;
  l.per_day = std::round(width / 192.0 * 180) / 365;
  l.left = width * 8 / 192.0;
  l.zero = 0.45 * height;
  l.per_minute = height / 45.0;
  l.text_height = 1.4 * l.per_minute;
  return l;
}

EotLayout PrinterEotLayout(int width, int height) {
  EotLayout l;
  l.per_day = (width - 100) / 375.0;
  l.left = 110;
  l.zero = height / 2.0;
  l.per_minute = std::min(50.0, height / 45.0);
  l.text_height = 0.6 * l.per_minute;
  return l;
}

GraphFigure EotGraphFigure(const model::Model& model, const EotLayout& layout,
                           double width, double height,
                           bool longitude_correction) {
  const model::DialParameters& p = model.parameters;
  const texts::Language lang = model.Language;
  const int year = p.Year;
  const int last = astro::DayOfYear(year, 12, 31);
  const EotCorrection c =
      EotGraphCorrection(p.Longitude, p.ZoneMeridian, longitude_correction);
  const auto X = [&](double day) { return layout.left + day * layout.per_day; };
  const auto Y = [&](double minutes) {
    return layout.zero - minutes * layout.per_minute;
  };
  const double th = layout.text_height;

  GraphFigure f;
  f.width = width;
  f.height = height;
  f.text_height[0] = th;
  f.text_height[1] = 1.3 * th;

  // Grid: the first of each month from February, the end of the year, and
  // the whole minutes.
  const auto month_start = [&](int m) {
    return astro::DayOfYear(year, m, 1) - 1.0;
  };
  for (int m = 2; m <= 13; ++m) {
    const double d = m <= 12 ? month_start(m) : last;
    f.Path(kGridEntry, kGridPen).points = {{X(d), Y(-kRange)},
                                           {X(d), Y(kRange)}};
  }
  for (int i = -kRange; i <= kRange; ++i) {
    const bool full = i % 5 == 0 || std::abs(i) == kRange;
    const double end = full ? X(last) : X(0) + 0.6 * th;
    f.Path(kGridEntry, kGridPen).points = {{X(0), Y(i)}, {end, Y(i)}};
    if (full)
      f.Label({.at = {X(0) - 0.4 * th, Y(i)},
               .text = std::to_string(i + c.label_shift_min),
               .align_x = 1,
               .align_y = 0.5});
  }

  // Axes, month names and the day ticks.
  f.Path(0, 1, 2).points = {{X(0), Y(0)}, {X(last), Y(0)}};
  f.Path(0, 1, 2).points = {{X(0), Y(-kRange)}, {X(0), Y(kRange)}};
  for (int m = 1; m <= 12; ++m) {
    const double d = month_start(m);
    f.Label({.at = {X(d + 5), Y(0) + 0.5 * th},
             .text = std::string(texts::MonthName(m, lang)),
             .size = LabelSize::kLarge});
    for (int k = 0; k <= 20; k += 10) {
      const double t = (k == 0 ? 0.5 : 0.25) * th;
      f.Path(0, 1).points = {{X(d + k), Y(0) - t}, {X(d + k), Y(0) + t}};
    }
  }

  // The curve.
  GraphPath& curve = f.Path(kCurveEntry, kCurvePen, 2);
  for (const GraphPoint& q : EotCurve(year, c.curve_shift_deg))
    curve.points.push_back({X(q.x), Y(q.y)});

  // Title, unit and legend.
  f.Label({.at = {X(0), Y(kRange) - 3.2 * th},
           .text = std::string(GraphTextOf(GraphText::kEotTitle, lang)) +
                   std::to_string(year) + "   " +
                   SiteLine(p.Latitude, p.Longitude, p.ZoneMeridian, lang),
           .size = LabelSize::kLarge,
           .bold = true});
  f.Label({.at = {X(0) - 0.4 * th, Y(kRange) - 0.8 * th},
           .text = std::string(GraphTextOf(GraphText::kMinutes, lang)),
           .align_x = 1,
           .align_y = 1});
  f.Label({.at = {X(0), Y(-kRange) + 0.8 * th},
           .text = std::string(
               texts::PhraseText(longitude_correction ? 164 : 165, lang))});
  if (!longitude_correction) {
    f.Label({.at = {X(170), Y(10)},
             .text = std::string(texts::PhraseText(166, lang)),
             .size = LabelSize::kLarge,
             .align_x = 0.5,
             .align_y = 0.5,
             .bold = true,
             .grey = true});
    f.Label({.at = {X(250), Y(-10)},
             .text = std::string(texts::PhraseText(167, lang)),
             .size = LabelSize::kLarge,
             .align_x = 0.5,
             .align_y = 0.5,
             .bold = true,
             .grey = true});
  }
  return f;
}

void DrawEotGraph(platform::Canvas& canvas, const model::Model& model, int left,
                  int top, bool longitude_correction, bool screen, int height,
                  int width) {
  if (width < 1 || height < 1) return;
  const EotLayout layout =
      screen ? ScreenEotLayout(width, height) : PrinterEotLayout(width, height);
  RenderOnCanvas(
      EotGraphFigure(model, layout, width, height, longitude_correction),
      canvas, left, top, model.Colors);
}

void PlotEotGraph(output::PlotFile& plot, const model::Model& model,
                  const EotPlotOptions& o) {
  EotLayout l;
  l.text_height = kPlotCharSizes[0].height * 10;  // millimetres
  l.left = 8 * l.text_height;
  l.per_day = o.year_mm / 365;
  l.per_minute = o.minute_mm * o.y_factor;
  const double top = 5 * l.text_height;
  l.zero = top + kRange * l.per_minute;
  const double height = l.zero + kRange * l.per_minute + 3 * l.text_height;
  const double width = l.left + o.year_mm + 2 * l.text_height;
  PlotFigure(EotGraphFigure(model, l, width, height, o.longitude_correction),
             plot, o.x0_mm, o.y0_mm, o.mirror);
}

}  // namespace lumtar::tables
