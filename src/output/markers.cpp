#include "output/markers.h"

#include <cmath>

namespace lumtar::output {

using platform::Brush;
using platform::BrushStyle;
using platform::Canvas;
using platform::Pen;
using platform::PenMode;
using platform::PenStyle;
using platform::Point;

void ClearCanvas(Canvas& canvas, int width, int height) {
  const Pen pen = canvas.pen();
  const Brush brush = canvas.brush();
  canvas.SetPen({platform::kWhite, 1, PenMode::kCopy, PenStyle::kNone});
  canvas.SetBrush({BrushStyle::kSolid, platform::kWhite});
  canvas.Rectangle(0, 0, width, height);
  canvas.SetBrush(brush);
  canvas.SetPen(pen);
}

void RotatedText(Canvas& canvas, int x, int y, std::string_view text,
                 int weight, int height, double angle_deg) {
  if (text.empty()) return;
  const platform::Font previous = canvas.font();
  platform::Font font = previous;
  font.height = height;
  font.weight = weight;
  font.italic = false;
  font.escapement = static_cast<int>(std::lround(angle_deg * 10));
  canvas.SetFont(font);
  canvas.Text(x, y, text);
  canvas.SetFont(previous);
}

void CrossMarker(Canvas& canvas, int x, int y, int a) {
  canvas.MoveTo(x - a, y);
  canvas.LineTo(x + a, y);
  canvas.MoveTo(x, y - a);
  canvas.LineTo(x, y + a);
}

void PointMarker(Canvas& canvas, int x, int y, int r) {
  Pen pen = canvas.pen();
  pen.color = platform::kRed;
  pen.width = 1;
  canvas.SetPen(pen);
  canvas.Ellipse(x - r, y - r, x + r, y + r);
}

namespace {

// A rectangle outline in not-xor mode with the given pen colour and style;
// pen and brush are restored.
void XorFrame(Canvas& canvas, Point a, Point b, platform::Color color,
              PenStyle style) {
  const Pen pen = canvas.pen();
  const Brush brush = canvas.brush();
  canvas.SetPen({color, 1, PenMode::kNotXor, style});
  canvas.SetBrush({BrushStyle::kClear, platform::kWhite});
  canvas.Rectangle(a.x, a.y, b.x, b.y);
  canvas.SetBrush(brush);
  canvas.SetPen(pen);
}

}  // namespace

void OriginMarker(Canvas& canvas, Point point) {
  XorFrame(canvas, {point.x - 4, point.y - 4}, {point.x + 4, point.y + 4},
           platform::kBlack, PenStyle::kDot);
}

void LabelBoxMarker(Canvas& canvas, Point point, int image_width,
                    char dial_kind) {
  if (dial_kind == 'w') return;
  const double factor = (dial_kind == 'c' || dial_kind == 'm') ? 0.29
                        : dial_kind == 'v'                     ? 0.3
                                                               : 0.33;
  const int w = static_cast<int>(std::nearbyint(image_width * factor));
  const int h = static_cast<int>(std::nearbyint(image_width / 14.0));
  XorFrame(canvas, point, {point.x + w, point.y + h}, 0xFF0000,
           PenStyle::kSolid);
}

}  // namespace lumtar::output
