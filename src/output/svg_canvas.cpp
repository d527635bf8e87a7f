#include "output/svg_canvas.h"

#include <algorithm>
#include <cstdlib>

#include "astro/format.h"
#include "output/fonts.h"

namespace lumtar::output {

using platform::Point;

namespace {

// Height of the ascender of the stand-in faces in em: the baseline of a
// text lies this far below its top-left reference point.
constexpr double kAscent = 0.905;

std::string Num(int v) { return std::to_string(v); }

std::string Decimal(double v, int decimals) {
  return astro::FormatFixed(decimals, decimals, v);
}

// Length of the UTF-8 sequence that starts with `lead`, 0 when it cannot
// start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool ValidSequence(std::string_view s, std::size_t i, int n) {
  if (i + n > s.size()) return false;
  const auto b = [&](int k) { return static_cast<unsigned char>(s[i + k]); };
  for (int k = 1; k < n; ++k)
    if ((b(k) & 0xC0) != 0x80) return false;
  if (n == 3 && b(0) == 0xE0 && b(1) < 0xA0) return false;   // overlong
  if (n == 3 && b(0) == 0xED && b(1) >= 0xA0) return false;  // surrogate
  if (n == 4 && b(0) == 0xF0 && b(1) < 0x90) return false;   // overlong
  if (n == 4 && b(0) == 0xF4 && b(1) >= 0x90) return false;  // > U+10FFFF
  return true;
}

}  // namespace

std::string EscapeXml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const int n = SequenceLength(c);
    if (n == 0 || !ValidSequence(text, i, n)) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (n > 1) {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      case '\t':
      case '\n':
      case '\r':
        out += static_cast<char>(c);
        break;
      default:
        if (c >= 0x20 && c != 0x7F) out += static_cast<char>(c);
    }
    ++i;
  }
  return out;
}

std::string SvgColor(platform::Color color) {
  static const char kHex[] = "0123456789abcdef";
  const unsigned r = color & 0xFF, g = (color >> 8) & 0xFF,
                 b = (color >> 16) & 0xFF;
  std::string s = "#";
  for (unsigned v : {r, g, b}) {
    s += kHex[v >> 4];
    s += kHex[v & 0xF];
  }
  return s;
}

SvgCanvas::SvgCanvas(int width, int height, int units_per_mm)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      units_per_mm_(std::max(units_per_mm, 1)) {}

void SvgCanvas::SetPen(const platform::Pen& pen) {
  if (!(pen == pen_)) FlushPolyline();
  pen_ = pen;
}

std::string SvgCanvas::StrokeAttributes() const {
  if (pen_.style == platform::PenStyle::kNone) return " stroke=\"none\"";
  std::string s = " stroke=\"" + SvgColor(pen_.color) + "\" stroke-width=\"" +
                  Num(std::max(pen_.width, 1)) + "\"";
  if (pen_.style == platform::PenStyle::kDot) {
    const int w = std::max(pen_.width, 1);
    s += " stroke-dasharray=\"" + Num(w) + " " + Num(w) + "\"";
  }
  return s;
}

std::string SvgCanvas::FillAttribute() const {
  if (brush_.style == platform::BrushStyle::kClear) return " fill=\"none\"";
  return " fill=\"" + SvgColor(brush_.color) + "\"";
}

void SvgCanvas::FlushPolyline() {
  if (polyline_.size() >= 2) {
    body_ += "<polyline points=\"";
    for (std::size_t i = 0; i < polyline_.size(); ++i) {
      if (i > 0) body_ += ' ';
      body_ += Num(polyline_[i].x) + "," + Num(polyline_[i].y);
    }
    body_ += "\" fill=\"none\"" + StrokeAttributes() +
             " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
  }
  polyline_.clear();
}

void SvgCanvas::MoveTo(int x, int y) {
  FlushPolyline();
  position_ = {x, y};
}

void SvgCanvas::LineTo(int x, int y) {
  if (polyline_.empty()) polyline_.push_back(position_);
  polyline_.push_back({x, y});
  position_ = {x, y};
}

void SvgCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  FlushPolyline();
  body_ += "<rect x=\"" + Num(std::min(x1, x2)) + "\" y=\"" +
           Num(std::min(y1, y2)) + "\" width=\"" + Num(std::abs(x2 - x1)) +
           "\" height=\"" + Num(std::abs(y2 - y1)) + "\"" + FillAttribute() +
           StrokeAttributes() + "/>\n";
}

void SvgCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  FlushPolyline();
  body_ += "<ellipse cx=\"" + Decimal((x1 + x2) / 2.0, 1) + "\" cy=\"" +
           Decimal((y1 + y2) / 2.0, 1) + "\" rx=\"" +
           Decimal(std::abs(x2 - x1) / 2.0, 1) + "\" ry=\"" +
           Decimal(std::abs(y2 - y1) / 2.0, 1) + "\"" + FillAttribute() +
           StrokeAttributes() + "/>\n";
}

void SvgCanvas::Polygon(std::span<const Point> points) {
  FlushPolyline();
  if (points.empty()) return;
  body_ += "<polygon points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i > 0) body_ += ' ';
    body_ += Num(points[i].x) + "," + Num(points[i].y);
  }
  body_ += "\"" + FillAttribute() + StrokeAttributes() + "/>\n";
}

void SvgCanvas::Text(int x, int y, std::string_view text) {
  FlushPolyline();
  if (text.empty()) return;
  const FontMapping& face = MapFont(font_.name);
  const std::string shown =
      face.symbol ? WingdingsToUnicode(text) : std::string(text);
  const int size = std::abs(font_.height);
  body_ += "<text x=\"" + Num(x) + "\" y=\"" + Decimal(y + kAscent * size, 1) +
           "\" font-family=\"" + std::string(face.family) + ", " +
           std::string(face.generic) + "\" font-size=\"" + Num(size) +
           "\" font-weight=\"" + Num(font_.weight) + "\"";
  if (font_.italic) body_ += " font-style=\"italic\"";
  body_ += " fill=\"" + SvgColor(font_.color) + "\"";
  // SVG turns clockwise with y downwards: anticlockwise on the page is a
  // negative SVG angle.
  if (font_.escapement != 0)
    body_ += " transform=\"rotate(" + Decimal(-font_.escapement / 10.0, 1) +
             " " + Num(x) + " " + Num(y) + ")\"";
  body_ += ">" + EscapeXml(shown) + "</text>\n";
}

std::string SvgCanvas::Document() {
  FlushPolyline();
  const double mm_w = static_cast<double>(width_) / units_per_mm_;
  const double mm_h = static_cast<double>(height_) / units_per_mm_;
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
      Decimal(mm_w, 2) + "mm\" height=\"" + Decimal(mm_h, 2) +
      "mm\" viewBox=\"0 0 " + Num(width_) + " " + Num(height_) + "\">\n";
  doc += body_;
  doc += "</svg>\n";
  return doc;
}

}  // namespace lumtar::output
