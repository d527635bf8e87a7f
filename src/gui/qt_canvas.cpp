#include "gui/qt_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPolygon>
#include <QString>
#include <algorithm>

#include "output/fonts.h"

namespace lumtar::gui {

QColor ToQColor(platform::Color color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

platform::Color FromQColor(const QColor& color) {
  return static_cast<platform::Color>(color.red()) |
         (static_cast<platform::Color>(color.green()) << 8) |
         (static_cast<platform::Color>(color.blue()) << 16);
}

QFont ToQFont(const platform::Font& font) {
  const output::FontMapping& mapping = output::MapFont(font.name);
  QFont qfont(QString::fromUtf8(mapping.family.data(),
                                static_cast<qsizetype>(mapping.family.size())));
  qfont.setPixelSize(std::max(1, font.height));
  // Windows weights 100..900 map linearly onto Qt's 1..1000 scale.
  qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  qfont.setItalic(font.italic);
  return qfont;
}

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
  qfont_ = ToQFont(font_);
  ApplyPen();
  SetBrush(brush_);
}

void QtCanvas::MoveTo(int x, int y) { current_ = QPoint(x, y); }

void QtCanvas::LineTo(int x, int y) {
  const QPoint to(x, y);
  if (pen_.style != platform::PenStyle::kNone) painter_.drawLine(current_, to);
  current_ = to;
}

// The box includes its top-left corner and excludes its bottom-right one,
// as the drawing code expects of a filled rectangle.
void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  painter_.drawRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                          QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  painter_.drawEllipse(
      QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
            QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)));
}

void QtCanvas::Polygon(std::span<const platform::Point> points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const platform::Point& p : points) polygon << QPoint(p.x, p.y);
  painter_.drawPolygon(polygon);
}

void QtCanvas::Text(int x, int y, std::string_view text) {
  const bool symbol = output::MapFont(font_.name).symbol;
  const std::string shown =
      symbol ? output::WingdingsToUnicode(text) : std::string(text);
  painter_.save();
  painter_.setFont(qfont_);
  painter_.setPen(ToQColor(font_.color));
  painter_.translate(x, y);
  // Escapement turns anticlockwise on a y-down surface: a negative angle for
  // Qt, which turns clockwise there.
  if (font_.escapement != 0) painter_.rotate(-font_.escapement / 10.0);
  const QFontMetrics metrics(qfont_, painter_.device());
  painter_.drawText(
      QPoint(0, metrics.ascent()),
      QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
  painter_.restore();
}

void QtCanvas::SetPen(const platform::Pen& pen) {
  pen_ = pen;
  ApplyPen();
}

void QtCanvas::ApplyPen() {
  QPen qpen(ToQColor(pen_.color));
  // On an unscaled surface (the window image) the thinnest line is Qt's
  // one-pixel cosmetic pen, which it draws faster than a stroked pen of
  // width 1; scaled surfaces (printer space of 0.1 mm) keep the width in
  // their own units.
  if (pen_.width <= 1 && painter_.worldTransform().isIdentity())
    qpen.setWidth(0);
  else
    qpen.setWidth(std::max(1, pen_.width));
  switch (pen_.style) {
    case platform::PenStyle::kSolid:
      qpen.setStyle(Qt::SolidLine);
      break;
    case platform::PenStyle::kDot:
      qpen.setStyle(Qt::DotLine);
      break;
    case platform::PenStyle::kNone:
      qpen.setStyle(Qt::NoPen);
      break;
  }
  painter_.setPen(qpen);
  // Not-xor needs a raster surface; printers and PDF draw it as copy.
  const bool raster = painter_.paintEngine() &&
                      painter_.paintEngine()->type() == QPaintEngine::Raster;
  if (pen_.mode == platform::PenMode::kNotXor && raster)
    painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  else
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void QtCanvas::SetBrush(const platform::Brush& brush) {
  brush_ = brush;
  if (brush.style == platform::BrushStyle::kClear)
    painter_.setBrush(Qt::NoBrush);
  else
    painter_.setBrush(ToQColor(brush.color));
}

void QtCanvas::SetFont(const platform::Font& font) {
  font_ = font;
  qfont_ = ToQFont(font);
}

}  // namespace lumtar::gui
