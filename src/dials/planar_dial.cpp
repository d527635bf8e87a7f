#include "dials/planar_dial.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/format.h"
#include "dials/pen_filters.h"
#include "dials/planar_style.h"
#include "output/markers.h"
#include "output/page_model.h"
#include "texts/text_table.h"

namespace lumtar::dials {

using platform::Brush;
using platform::BrushStyle;
using platform::Canvas;
using platform::Color;
using platform::Pen;
using platform::PenStyle;

namespace {

constexpr Color kSilver = 0xC0C0C0;
constexpr Color kMaroon = 0x000080;

// Device coordinates become integers only within this range.
int ToDevice(double v) {
  if (!std::isfinite(v)) return 0;
  return static_cast<int>(std::lround(std::clamp(v, -1e7, 1e7)));
}

// Screen fonts are given in points; the image has 96 pixels per inch.
int PointsToPixels(double points) {
  return std::max(1, static_cast<int>(std::lround(points * 96 / 72)));
}

// Draws the traced lines on a canvas: the colour by role, the line width
// of the palette, analemma marks as small red circles.
class CanvasPen : public PenSink {
 public:
  CanvasPen(Canvas& canvas, const model::ColorTable& colors, int width,
            int mark_radius)
      : canvas_(canvas),
        colors_(colors),
        width_(width),
        mark_radius_(mark_radius) {}

  void BeginLine(LineRole role, double, const char*) override {
    Pen pen = canvas_.pen();
    pen.color = role == LineRole::kPoleTriangle
                    ? platform::kRed
                    : colors_[ScreenColorIndex(role)];
    pen.width = width_;
    pen.style = PenStyle::kSolid;
    canvas_.SetPen(pen);
    color_ = pen.color;
  }
  void MoveTo(double x, double y) override {
    canvas_.MoveTo(ToDevice(x), ToDevice(y));
  }
  void LineTo(double x, double y) override {
    canvas_.LineTo(ToDevice(x), ToDevice(y));
  }
  void Mark(double x, double y, bool filled) override {
    const Brush brush = canvas_.brush();
    const Pen pen = canvas_.pen();
    canvas_.SetPen(
        {platform::kRed, 1, platform::PenMode::kCopy, PenStyle::kSolid});
    canvas_.SetBrush(filled ? Brush{BrushStyle::kSolid, platform::kRed}
                            : Brush{BrushStyle::kClear, platform::kWhite});
    const int cx = ToDevice(x), cy = ToDevice(y), r = mark_radius_;
    canvas_.Ellipse(cx - r, cy - r, cx + r, cy + r);
    canvas_.SetBrush(brush);
    canvas_.SetPen(pen);
  }
  Color color() const { return color_; }

 private:
  Canvas& canvas_;
  const model::ColorTable& colors_;
  int width_;
  int mark_radius_;
  Color color_ = platform::kBlack;
};

void SetPenColor(Canvas& canvas, Color color, int width) {
  Pen pen = canvas.pen();
  pen.color = color;
  pen.width = width;
  pen.style = PenStyle::kSolid;
  pen.mode = platform::PenMode::kCopy;
  canvas.SetPen(pen);
}

void Line(Canvas& canvas, double x1, double y1, double x2, double y2) {
  canvas.MoveTo(ToDevice(x1), ToDevice(y1));
  canvas.LineTo(ToDevice(x2), ToDevice(y2));
}

void Text(Canvas& canvas, double x, double y, const std::string& text,
          int height, Color color, int weight = platform::kWeightNormal) {
  platform::Font font = canvas.font();
  font.name = "Arial";
  font.height = height;
  font.color = color;
  font.weight = weight;
  font.escapement = 0;
  canvas.SetFont(font);
  canvas.Text(ToDevice(x), ToDevice(y), text);
}

// Where a picked position of the image lands on this target: itself on
// the screen, scaled by page size / image size on the printer; the kind's
// own place when nothing was picked or there is no image to scale from.
Point PlacedPoint(bool picked, model::ImagePoint p, Point fallback,
                  const model::Model& m, const DrawTarget& target) {
  if (!picked) return fallback;
  if (target.screen)
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
  if (m.window.ImageWidth < 1 || m.window.ImageHeight < 1) return fallback;
  return {p.x * static_cast<double>(target.width) / m.window.ImageWidth,
          p.y * static_cast<double>(target.height) / m.window.ImageHeight};
}

struct Layout {
  bool screen;
  Rect rect;
  double wh, hh;  // half width and height of the rectangle
  double t;       // the text offset
  int title_height, data_height, legend_height;
};

void DrawGrid(Canvas& canvas, const Layout& l, const model::Model& m,
              const PlanarSetup& s, int width) {
  const Rect& r = l.rect;
  const double e = l.screen ? std::round((width - 20) / 160.0) : 10;
  const double step = l.screen
                          ? std::round(10.0 * (width - 20) /
                                       (m.window.PrintLikeScreen ? 280 : 420))
                          : 100;
  SetPenColor(canvas, m.Colors[8], 1);
  const Brush brush = canvas.brush();
  canvas.SetBrush({BrushStyle::kClear, platform::kWhite});
  canvas.Rectangle(ToDevice(s.origin.x - e), ToDevice(s.origin.y - e),
                   ToDevice(s.origin.x + e), ToDevice(s.origin.y + e));
  canvas.SetBrush(brush);
  if (!(step >= 1)) return;
  const auto lines = [&](double o, double lo, double hi, bool vertical) {
    const double k0 = std::ceil((lo - o) / step),
                 k1 = std::floor((hi - o) / step);
    for (double k = k0; k <= k1 && k - k0 < 10000; ++k) {
      const double v = o + k * step;
      if (vertical)
        Line(canvas, v, r.top, v, r.bottom);
      else
        Line(canvas, r.left, v, r.right, v);
    }
  };
  lines(s.origin.x, r.left, r.right, true);
  lines(s.origin.y, r.top, r.bottom, false);
}

void DrawDataBlock(Canvas& canvas, const Layout& l, const model::Model& m,
                   const PlanarSetup& s, Point box) {
  const double t = l.t;
  // Centre marks: a square, for plain vertical dials the line through O,
  // and the cross.
  SetPenColor(canvas, m.Colors[8], canvas.pen().width);
  const Brush brush = canvas.brush();
  canvas.SetBrush({BrushStyle::kClear, platform::kWhite});
  const double q = t / 6;
  canvas.Rectangle(ToDevice(s.origin.x - q), ToDevice(s.origin.y - q),
                   ToDevice(s.origin.x + q), ToDevice(s.origin.y + q));
  canvas.SetBrush(brush);
  if (m.DialKind == 'v' && !s.umbrella) {
    SetPenColor(canvas, m.Colors[4], canvas.pen().width);
    Line(canvas, l.rect.left, s.origin.y, l.rect.right, s.origin.y);
  }
  SetPenColor(canvas, m.Colors[3], canvas.pen().width);
  output::CrossMarker(canvas, ToDevice(s.origin.x), ToDevice(s.origin.y),
                      ToDevice(t / 2));

  double y = box.y;
  Text(canvas, box.x, y, PlanarTitle(m), l.title_height, m.Colors[3]);
  y += 1.2 * l.title_height;
  for (const std::string& line : PlanarDataLines(m)) {
    Text(canvas, box.x, y, line, l.data_height, m.Colors[3]);
    y += 1.2 * l.data_height;
  }
}

void DrawHourNumbers(Canvas& canvas, const Layout& l, const model::Model& m,
                     const PlanarSetup& s) {
  if (!m.options.ShowHourLines && !m.options.ShowMeanHourLines) return;
  const double beyond = l.screen ? 30 : 30 * 2.5;
  for (const HourNumberPlace& p : HourNumberPlaces(s, m)) {
    const std::string text = std::to_string(p.hour);
    // The number is centred 30 units beyond the solstice end of its line,
    // or before the border where the line leaves the page.
    const double d = p.cut ? -beyond : beyond;
    const double cx = p.solstice.x + d * p.direction.x;
    const double cy = p.solstice.y + d * p.direction.y;
    const double w = 0.55 * l.data_height * static_cast<double>(text.size());
    Text(canvas, cx - w / 2, cy - l.data_height / 2.0, text,
         l.data_height * 5 / 4, m.Colors[2]);
  }
}

void DrawLegend(Canvas& canvas, const Layout& l, const model::Model& m) {
  const texts::Language lang = m.Language;
  std::string text;
  if (m.options.ShowHourLines) {
    text = std::string(texts::RawText(1215, lang)) +
           std::string(
               texts::RawText(m.options.ApparentAtSite ? 1010 : 1021, lang));
  } else {
    text = std::string(texts::RawText(1216, lang)) +
           std::string(
               texts::RawText(m.options.ApparentAtSite ? 1011 : 1013, lang));
  }
  Text(canvas, l.rect.left + 0.73 * l.t, l.rect.top + 4, text, l.legend_height,
       m.Colors[3]);
}

void DrawGnomonLegend(Canvas& canvas, Layout& l, const model::Model& m,
                      const PlanarConstruction& c) {
  const double g = c.setup.G;
  const double b = l.rect.bottom;
  if (l.screen) l.t /= 2;
  const double t = l.t;
  const double tick = l.screen ? 5 : 50;
  SetPenColor(canvas, m.Colors[3], canvas.pen().width);
  canvas.MoveTo(ToDevice(t + tick), ToDevice(b - t - g));
  canvas.LineTo(ToDevice(t), ToDevice(b - t - g));
  canvas.LineTo(ToDevice(t), ToDevice(b - t));
  canvas.LineTo(ToDevice(t + g), ToDevice(b - t));
  canvas.LineTo(ToDevice(t + g), ToDevice(b - t - tick));
  const std::string text = texts::TextById(1217, m.Language) +
                           " (=" + astro::FormatFixed(6, 2, c.gnomon_mm) + ")";
  Text(canvas, t, b - t + 2, text, l.screen ? l.data_height : 35, m.Colors[3]);
  if (l.screen) l.t *= 2;
}

void DrawStyle(Canvas& canvas, const Layout& l, const model::Model& m,
               const PlanarConstruction& c, platform::Ui& ui) {
  const PlanarSetup& s = c.setup;
  if (s.umbrella) return;
  const double k = l.screen ? 1 : 3;  // marks of the printer in 0.1 mm
  CanvasPen pen(canvas, m.Colors, canvas.pen().width, 1);
  ClipPen clipped(pen, l.rect);
  TracePlanarFamily(PlanarFamily::kPoleTriangle, c, m, clipped, ui);
  const Point f = FootPoint(s);
  // The substyle from O to the foot point, cut at the rectangle.
  pen.BeginLine(LineRole::kPoleTriangle, 0, "substyle");
  DrawSegmentInside(pen, l.rect, s.origin, f);
  const bool bold = m.options.ShowPoleTriangle;
  const int weight = bold ? platform::kWeightBold : platform::kWeightNormal;
  Text(canvas, s.origin.x + 10 * k, s.origin.y, "P", l.data_height,
       platform::kRed, weight);
  const Rect& r = l.rect;
  if (f.x >= r.left && f.x <= r.right && f.y >= r.top && f.y <= r.bottom) {
    Text(canvas, f.x + 7 * k, f.y + 4 * k, "S", l.data_height, platform::kRed,
         weight);
    const Brush brush = canvas.brush();
    canvas.SetBrush({BrushStyle::kClear, platform::kWhite});
    const int cx = ToDevice(f.x), cy = ToDevice(f.y);
    const int rad = ToDevice(4 * k);
    canvas.Ellipse(cx - rad, cy - rad, cx + rad, cy + rad);
    canvas.SetBrush(brush);
    output::CrossMarker(canvas, cx, cy, ToDevice(6 * k));
  }
}

void DrawMargins(Canvas& canvas, const Layout& l, int width, int height) {
  const Rect& r = l.rect;
  const Pen pen = canvas.pen();
  const Brush brush = canvas.brush();
  canvas.SetPen(
      {platform::kWhite, 1, platform::PenMode::kCopy, PenStyle::kNone});
  canvas.SetBrush({BrushStyle::kSolid, platform::kWhite});
  const int left = ToDevice(r.left), top = ToDevice(r.top);
  const int right = ToDevice(r.right), bottom = ToDevice(r.bottom);
  if (top > 0) canvas.Rectangle(0, 0, width, top);
  if (bottom < height) canvas.Rectangle(0, bottom, width, height);
  if (left > 0) canvas.Rectangle(0, top, left, bottom);
  if (right < width) canvas.Rectangle(right, top, width, bottom);
  canvas.SetPen({kSilver, 1, platform::PenMode::kCopy, PenStyle::kSolid});
  canvas.SetBrush({BrushStyle::kClear, platform::kWhite});
  canvas.Rectangle(left, top, right, bottom);
  canvas.SetBrush(brush);
  canvas.SetPen(pen);
}

}  // namespace

bool DrawPlanarDial(Canvas& canvas, model::Model& model,
                    const DrawTarget& target, platform::Ui& ui) {
  const int width = target.width, height = target.height;
  if (width < 1 || height < 1) return false;
  if (!UmbrellaDialAllowed(model, ui)) return false;

  Layout l;
  l.screen = target.screen;
  const double margin = l.screen ? 0 : output::kPrinterMargin;
  l.rect = {margin, margin, width - margin, height - margin};
  if (l.rect.right <= l.rect.left || l.rect.bottom <= l.rect.top) return false;
  l.wh = (l.rect.right - l.rect.left) / 2;
  l.hh = (l.rect.bottom - l.rect.top) / 2;
  l.t = l.screen ? std::round(l.wh / (model.window.PrintLikeScreen ? 14 : 21))
                 : l.rect.left + 35;
  l.title_height =
      l.screen ? PointsToPixels(model.window.LargeLabels ? 16 : 12) : 60;
  l.data_height = l.screen ? PointsToPixels(8) : 30;
  l.legend_height =
      l.screen ? PointsToPixels(model.window.SmallLegend ? 7 : 8) : 35;

  const double units =
      l.screen ? output::UnitsPerMm(output::OutputSpace::kScreen, width,
                                    model.window.PrintLikeScreen)
               : output::kPrinterUnitsPerMm;
  const char kind = model.DialKind;
  const double lat = model.parameters.Latitude;
  const Point origin =
      PlacedPoint(model.window.OriginPicked, model.window.OriginPoint,
                  DefaultOrigin(kind, lat, width, height), model, target);
  const Point box =
      PlacedPoint(model.window.LabelBoxPicked, model.window.LabelBoxPoint,
                  DefaultLabelBox(kind, lat, width, height), model, target);
  const PlanarConstruction c =
      PreparePlanarConstruction(model, l.rect, units, origin);
  const PlanarSetup& s = c.setup;
  const model::Model& m = model;

  // Frame of the drawing area.
  platform::Font font = canvas.font();
  font.name = "Arial";
  font.color = m.Colors[3];
  canvas.SetFont(font);
  SetPenColor(canvas, platform::kWhite, 1);
  Line(canvas, l.rect.right + 1, l.rect.top, l.rect.right + 1, l.rect.bottom);
  SetPenColor(canvas, platform::kBlack, 1);
  canvas.SetBrush({BrushStyle::kClear, platform::kWhite});
  canvas.Rectangle(ToDevice(l.rect.left), ToDevice(l.rect.top),
                   ToDevice(l.rect.right), ToDevice(l.rect.bottom));
  if (m.window.DrawGrid) DrawGrid(canvas, l, m, s, width);

  const int line_width = std::clamp(m.LineWidth, 1, 3);
  SetPenColor(canvas, m.Colors[4], line_width);
  CanvasPen pen(canvas, m.Colors, line_width, l.screen ? 2 : 6);
  ClipPen clipped(pen, l.rect);
  const auto trace = [&](PlanarFamily family) {
    return TracePlanarFamily(family, c, m, clipped, ui);
  };
  trace(PlanarFamily::kHorizon);
  DrawDataBlock(canvas, l, m, s, box);
  DrawHourNumbers(canvas, l, m, s);
  DrawLegend(canvas, l, m);
  trace(PlanarFamily::kSunshine);
  trace(PlanarFamily::kDeclination);
  DrawGnomonLegend(canvas, l, m, c);
  if (m.options.ShowTemporalHours && m.options.ExtendTemporalHours && lat < 0 &&
      l.screen) {
    Text(canvas, 2 * l.t, l.t, std::string(texts::RawText(1200, m.Language)),
         l.data_height * 3 / 2, platform::kRed);
  }
  trace(PlanarFamily::kApparentHours);
  trace(PlanarFamily::kFootPointLines);
  trace(PlanarFamily::kMeanHours);
  trace(PlanarFamily::kAnalemma);
  trace(PlanarFamily::kTemporalHours);
  const std::vector<HourLabelPoint> labels =
      trace(PlanarFamily::kBabylonianItalian);
  for (const HourLabelPoint& p : labels) {
    // Italian numbers a tenth of a text height below their point,
    // Babylonian ones 1.1 text heights above it.
    const double h = l.data_height;
    const double y = p.italian ? p.at.y + 0.1 * h : p.at.y - 1.1 * h;
    Text(canvas, p.at.x, y, std::to_string(p.hour), l.data_height,
         m.Colors[p.italian ? 5 : 6]);
  }
  trace(PlanarFamily::kAltitudeLines);
  DrawStyle(canvas, l, m, c, ui);
  DrawMargins(canvas, l, width, height);
  Text(canvas, 1.3 * l.wh, l.rect.bottom - 1.6 * l.data_height,
       c.table.sunshine_text, l.data_height, kMaroon, platform::kWeightBold);
  return true;
}

}  // namespace lumtar::dials
