#pragma once

#include <QFont>
#include <QPainter>

#include "platform/canvas.h"

namespace lumtar::gui {

// The drawing interface on a QPainter that is already active on a window
// image, a QPrinter or a QPdfWriter. Coordinates go through the painter's
// transform unchanged, so a printer painter scaled to 0.1 mm receives the
// printer space of the drawing code. Faces are replaced by the free faces of
// the font mapping; Wingdings text becomes the Unicode zodiac signs.
class QtCanvas : public platform::Canvas {
 public:
  explicit QtCanvas(QPainter& painter);

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(std::span<const platform::Point> points) override;
  void Text(int x, int y, std::string_view text) override;

  void SetPen(const platform::Pen& pen) override;
  platform::Pen pen() const override { return pen_; }
  void SetBrush(const platform::Brush& brush) override;
  platform::Brush brush() const override { return brush_; }
  void SetFont(const platform::Font& font) override;
  platform::Font font() const override { return font_; }

 private:
  void ApplyPen();

  QPainter& painter_;
  platform::Pen pen_;
  platform::Brush brush_;
  platform::Font font_;
  QFont qfont_;
  QPoint current_{0, 0};
};

// The drawing code's 0x00bbggrr colour as a QColor, and back.
QColor ToQColor(platform::Color color);
platform::Color FromQColor(const QColor& color);

// The QFont that stands in for `font` (family by the font mapping, pixel
// size = em height in the painter's units, weight, italic).
QFont ToQFont(const platform::Font& font);

}  // namespace lumtar::gui
