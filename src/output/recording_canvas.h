#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace lumtar::output {

// A canvas that keeps every figure with the pen, brush and font it was
// drawn with, so tests can assert on geometry.
class RecordingCanvas : public platform::Canvas {
 public:
  enum class Kind { kLine, kRectangle, kEllipse, kPolygon, kText };

  struct Figure {
    Kind kind;
    // kLine: from, to; kRectangle, kEllipse: the two corners; kPolygon: the
    // vertices; kText: the reference point.
    std::vector<platform::Point> points;
    std::string text;
    platform::Pen pen;
    platform::Brush brush;
    platform::Font font;
  };

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(std::span<const platform::Point> points) override;
  void Text(int x, int y, std::string_view text) override;

  void SetPen(const platform::Pen& pen) override { pen_ = pen; }
  platform::Pen pen() const override { return pen_; }
  void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
  platform::Brush brush() const override { return brush_; }
  void SetFont(const platform::Font& font) override { font_ = font; }
  platform::Font font() const override { return font_; }

  platform::Point position() const { return position_; }
  const std::vector<Figure>& figures() const { return figures_; }
  void Clear() { figures_.clear(); }

 private:
  void Add(Kind kind, std::vector<platform::Point> points,
           std::string text = {});

  platform::Point position_{0, 0};
  platform::Pen pen_;
  platform::Brush brush_;
  platform::Font font_;
  std::vector<Figure> figures_;
};

}  // namespace lumtar::output
