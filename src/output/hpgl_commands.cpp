// The HPGL commands beyond pen moves: circles, arcs, labels, pens, line
// types, character size and direction, windows and rectangles.
#include <algorithm>
#include <cmath>

#include "output/hour_systems.h"
#include "output/hpgl_converter.h"
#include "output/output_texts.h"

namespace lumtar::output::hpgl {

using platform::Caption;

void Converter::Circle(std::string_view params) {
  EndPolyline();
  converted_ = true;
  Coord r;
  if (!ReadNumber(params, r, true)) return;
  EnsurePosition();
  Line("CIRCLE");
  Line("  8");
  Line(Layer());
  Line(" 62");
  Line(pen_);
  Line(" 10");
  Line(pos_.x.text);
  Line(" 20");
  Line(pos_.y.text);
  Line(" 40");
  Line(r.text);
  Line("0");
}

void Converter::Arc(std::string_view params, bool relative) {
  EndPolyline();
  converted_ = true;
  Coord cx, cy;
  std::string sweep_text;
  if (!ReadNumber(params, cx, true) || !ReadNumber(params, cy, true) ||
      !ReadRaw(params, sweep_text))
    return;
  double sweep = 0;
  if (!ParseNumber(sweep_text, sweep)) {
    messages_.push_back(std::string(ArcAngleErrorText()));
    return;
  }
  EnsurePosition();
  if (relative) {
    cx = Offset(pos_.x, cx);
    cy = Offset(pos_.y, cy);
  }
  const double dx = cx.value - pos_.x.value;
  const double dy = cy.value - pos_.y.value;
  const Coord r = MakeCoord(10, 4, std::hypot(dx, dy));
  // Direction from the current position to the centre, turned round.
  double s;
  if (std::fabs(dx) < 0.0001) {
    s = dy > 0 ? 90 : -90;
  } else {
    s = std::atan(dy / dx) / kDeg;
    if (dx < 0) s += 180;
  }
  s = s > 180 ? s - 180 : s + 180;
  const double from = sweep > 0 ? s : s + sweep;
  const double to = sweep > 0 ? s + sweep : s;
  Line("ARC");
  Line("  8");
  Line(Layer());
  Line(" 62");
  Line(pen_);
  Line(" 10");
  Line(cx.text);
  Line(" 20");
  Line(cy.text);
  Line(" 40 ");
  Line(r.text);
  Line(" 50");
  Line(FastFixed(7, 2, from));
  Line(" 51");
  Line(FastFixed(7, 2, to));
  Line("0");
  const double end = (s + sweep) * kDeg;
  pos_ = {MakeCoord(11, 5, cx.value + r.value * std::cos(end)),
          MakeCoord(11, 5, cy.value + r.value * std::sin(end))};
}

void Converter::Label() {
  EndPolyline();
  converted_ = true;
  EnsurePosition();
  std::string label = buffer_;
  // A line break inside a value would end the DXF line early.
  for (char& c : label)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  if (label == "^") label = "^ ";
  Line("TEXT");
  Line("  8");
  Line(Layer());
  Line(" 62");
  Line(pen_);
  Line(" 10");
  Line(pos_.x.text);
  Line(" 20");
  Line(pos_.y.text);
  Line(" 40");
  Line(text_height_);
  Line(" 41");
  Line(width_factor_);
  Line("  1");
  Line(label);
  Line(" 50");
  Line(direction_);
  Line(" 51");
  Line(slant_);
  Line("  7");
  Line(symbols_ ? "symbols" : "STANDARD");
  Line("  0");
}

void Converter::SelectPen() {
  EndPolyline();
  converted_ = true;
  std::string pen;
  for (char c : buffer_)
    if (static_cast<unsigned char>(c) >= 0x20) pen += c;
  pen = TrimLeft(std::move(pen));
  pen_ = pen.empty() ? "0" : pen;
}

void Converter::LineType(std::string_view params) {
  line_type_ = "CONTINUOUS";
  if (params.empty()) return;
  std::string text;
  double v = 0;
  if (!ReadRaw(params, text) || !ParseNumber(text, v)) return;
  if (v == 1) {
    line_type_ = "DOT";
  } else if (v == 2 || v == 3) {
    line_type_ = "DASHED";
  } else if (v == 4) {
    line_type_ = "DASHDOT";
  }
}

void Converter::PenWidth(std::string_view params) {
  messages_.push_back(std::string(PenWidthText()));
  if (params.empty()) {
    pen_width_.clear();
    return;
  }
  std::string text;
  double v = 0;
  if (!ReadRaw(params, text) || !ParseNumber(text, v)) return;
  pen_width_ = v == 0 ? "0" : FastFixed(6, 2, v * 4 / d_);
}

void Converter::CharSize(std::string_view params) {
  converted_ = true;
  if (params.empty()) {
    width_factor_ = "0.7";
    text_height_ = FastFixed(10, 4, kDefaultTextHeight);
    return;
  }
  std::string wt, ht;
  double w = 0, h = 0;
  if (!ReadRaw(params, wt) || !ReadRaw(params, ht) || !ParseNumber(wt, w) ||
      !ParseNumber(ht, h))
    return;
  const double height = h * 400 / d_;
  text_height_ = FastFixed(6, 2, height);
  width_factor_ =
      height != 0 ? FastFixed(6, 2, (w * 400 * 1.4 / d_) / height) : "0.7";
}

void Converter::Direction(std::string_view params) {
  if (params.empty()) {
    direction_ = "0.0";
    return;
  }
  std::string run, rise;
  double x = 0, y = 0;
  if (!ReadRaw(params, run) || !ReadRaw(params, rise) || !ParseNumber(run, x) ||
      !ParseNumber(rise, y)) {
    messages_.push_back(DirectionErrorText(run, rise));
    direction_ = "0.0";
    return;
  }
  direction_ = FastFixed(5, 1, std::atan2(y, x) / kDeg);
}

void Converter::Slant(std::string_view params) {
  if (params.empty()) {
    slant_ = "0.0";
    return;
  }
  std::string text;
  double v = 0;
  if (!ReadRaw(params, text) || !ParseNumber(text, v)) {
    messages_.push_back(SlantErrorText(buffer_));
    return;
  }
  slant_ = FastFixed(5, 1, std::atan(v) / kDeg);
}

void Converter::SetWindow(double x1, double y1, double x2, double y2, Coord cx1,
                          Coord cy1, Coord cx2, Coord cy2) {
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(cx1, cx2);
  }
  if (y1 > y2) {
    std::swap(y1, y2);
    std::swap(cy1, cy2);
  }
  xmin_ = x1;
  xmax_ = x2;
  ymin_ = y1;
  ymax_ = y2;
  xmin_t_ = cx1.text;
  xmax_t_ = cx2.text;
  ymin_t_ = cy1.text;
  ymax_t_ = cy2.text;
  window_ = xmin_ != xmax_;
}

void Converter::InputWindow(std::string_view params) {
  Coord c[4];
  bool ok = !params.empty();
  for (int k = 0; ok && k < 4; ++k) ok = ReadNumber(params, c[k], true);
  if (!ok) {
    const Coord zero = MakeCoord(10, 4, 0);
    const Coord x = MakeCoord(10, 4, kResetWindowX);
    const Coord y = MakeCoord(10, 4, kResetWindowY);
    SetWindow(0, 0, kResetWindowX, kResetWindowY, zero, zero, x, y);
    return;
  }
  SetWindow(c[0].value, c[1].value, c[2].value, c[3].value, c[0], c[1], c[2],
            c[3]);
}

void Converter::Rectangle(std::string_view params, bool relative) {
  EndPolyline();
  EnsurePosition();
  if (params.empty()) return;
  Coord x, y;
  if (!ReadNumber(params, x, true) || !ReadNumber(params, y, true)) return;
  if (relative) {
    x = Offset(pos_.x, x);
    y = Offset(pos_.y, y);
  }
  StartPolyline(true);
  const Coord& x0 = pos_.x;
  const Coord& y0 = pos_.y;
  Vertex({x0, y0});
  Vertex({x, y0});
  Vertex({x, y});
  Vertex({x0, y});
  Vertex({x0, y0});
  EndPolyline();
}

}  // namespace lumtar::output::hpgl
