#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace lumtar::output {

// A canvas that writes a true-size SVG drawing. Device units are those of
// the printer space (0.1 mm, y downwards) unless `units_per_mm` says
// otherwise: the SVG user unit is one device unit, and the width and height
// attributes are in millimetres, so cutters and editors open the drawing at
// its real size. Faces are replaced by their free stand-ins (fonts.h);
// rotated text is a rotation about its reference point. Not-xor drawing has
// no meaning in a file and is drawn like copy.
class SvgCanvas : public platform::Canvas {
 public:
  SvgCanvas(int width, int height, int units_per_mm = 10);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(std::span<const platform::Point> points) override;
  void Text(int x, int y, std::string_view text) override;

  void SetPen(const platform::Pen& pen) override;
  platform::Pen pen() const override { return pen_; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  platform::Brush brush() const override { return brush_; }
  void SetFont(const platform::Font& font) override { font_ = font; }
  platform::Font font() const override { return font_; }

  // The complete SVG document of everything drawn so far.
  std::string Document();

 private:
  void FlushPolyline();
  std::string StrokeAttributes() const;
  std::string FillAttribute() const;

  int width_;
  int height_;
  int units_per_mm_;
  platform::Point position_{0, 0};
  std::vector<platform::Point> polyline_;
  platform::Pen pen_;
  platform::Brush brush_;
  platform::Font font_;
  std::string body_;
};

// `text` made safe as XML character data or attribute value: the five
// markup characters become entities, malformed UTF-8 becomes U+FFFD and
// control characters other than tab and line breaks are dropped.
std::string EscapeXml(std::string_view text);

// "#rrggbb" of a colour value 0x00bbggrr.
std::string SvgColor(platform::Color color);

}  // namespace lumtar::output
