#include "output/recording_canvas.h"

namespace lumtar::output {

using platform::Point;

void RecordingCanvas::Add(Kind kind, std::vector<Point> points,
                          std::string text) {
  // Moved in: a construction records tens of thousands of figures.
  figures_.push_back(
      Figure{kind, std::move(points), std::move(text), pen_, brush_, font_});
}

void RecordingCanvas::MoveTo(int x, int y) { position_ = {x, y}; }

void RecordingCanvas::LineTo(int x, int y) {
  Add(Kind::kLine, {position_, {x, y}});
  position_ = {x, y};
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  Add(Kind::kRectangle, {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  Add(Kind::kEllipse, {{x1, y1}, {x2, y2}});
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
  Add(Kind::kPolygon, std::vector<Point>(points.begin(), points.end()));
}

void RecordingCanvas::Text(int x, int y, std::string_view text) {
  Add(Kind::kText, {{x, y}}, std::string(text));
}

}  // namespace lumtar::output
