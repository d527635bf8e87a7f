#include "dials/pen_filters.h"

namespace lumtar::dials {

void ClipPen::BeginLine(LineRole role, double value, const char* label) {
  inner_.BeginLine(role, value, label);
  inner_valid_ = false;
}

void ClipPen::MoveTo(double x, double y) { at_ = {x, y}; }

void ClipPen::LineTo(double x, double y) {
  const Point to{x, y};
  const auto part = ClipSegment(at_, to, rect_);
  at_ = to;
  if (!part) return;
  const auto [a, b] = *part;
  if (!inner_valid_ || a.x != inner_at_.x || a.y != inner_at_.y)
    inner_.MoveTo(a.x, a.y);
  inner_.LineTo(b.x, b.y);
  inner_at_ = b;
  inner_valid_ = true;
}

void ClipPen::Mark(double x, double y, bool filled) {
  if (x < rect_.left || x > rect_.right || y < rect_.top || y > rect_.bottom)
    return;
  inner_.Mark(x, y, filled);
}

}  // namespace lumtar::dials
