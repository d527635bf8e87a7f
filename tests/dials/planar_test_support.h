#pragma once

#include <string>
#include <vector>

#include "dials/pen_sink.h"
#include "dials/planar_geometry.h"

namespace lumtar::dials {

// Records every line as drawn pieces (runs of a move and its lines).
class RecordingPen : public PenSink {
 public:
  struct Line {
    LineRole role;
    double value;
    std::string label;
    std::vector<std::vector<Point>> pieces;  // each starts at a move
    std::vector<std::pair<Point, bool>> marks;
    // The drawn points of all pieces that have at least one segment.
    std::vector<Point> DrawnPoints() const {
      std::vector<Point> out;
      for (const auto& p : pieces)
        if (p.size() >= 2) out.insert(out.end(), p.begin(), p.end());
      return out;
    }
  };
  void BeginLine(LineRole role, double value, const char* label) override {
    lines.push_back({role, value, label, {}, {}});
  }
  void MoveTo(double x, double y) override {
    Current().pieces.push_back({{x, y}});
  }
  void LineTo(double x, double y) override {
    auto& l = Current();
    if (l.pieces.empty()) l.pieces.push_back({});
    l.pieces.back().push_back({x, y});
  }
  void Mark(double x, double y, bool filled) override {
    Current().marks.push_back({{x, y}, filled});
  }
  std::vector<const Line*> Of(LineRole role) const {
    std::vector<const Line*> out;
    for (const auto& l : lines)
      if (l.role == role) out.push_back(&l);
    return out;
  }
  std::vector<Line> lines;

 private:
  Line& Current() {
    if (lines.empty()) lines.push_back({LineRole::kDeclination, 0, "", {}, {}});
    return lines.back();
  }
};

}  // namespace lumtar::dials
