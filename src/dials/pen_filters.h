#pragma once

#include "dials/pen_sink.h"
#include "dials/planar_geometry.h"

namespace lumtar::dials {

// Pens that pass line work on to other pens.

// Cuts every segment at a rectangle before it reaches `inner`, so that no
// output sees a point beyond the page: a pen move is passed on only when a
// segment starts somewhere else than where the last one ended. Marks
// outside the rectangle are dropped.
class ClipPen : public PenSink {
 public:
  ClipPen(PenSink& inner, const Rect& rect) : inner_(inner), rect_(rect) {}
  void BeginLine(LineRole role, double value, const char* label) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void Mark(double x, double y, bool filled) override;

 private:
  PenSink& inner_;
  Rect rect_;
  Point at_{0, 0};        // where the traced line stands
  Point inner_at_{0, 0};  // where the inner pen stands
  bool inner_valid_ = false;
};

// Sends the same line work to two pens.
class TeePen : public PenSink {
 public:
  TeePen(PenSink& a, PenSink& b) : a_(a), b_(b) {}
  void BeginLine(LineRole role, double value, const char* label) override {
    a_.BeginLine(role, value, label);
    b_.BeginLine(role, value, label);
  }
  void MoveTo(double x, double y) override {
    a_.MoveTo(x, y);
    b_.MoveTo(x, y);
  }
  void LineTo(double x, double y) override {
    a_.LineTo(x, y);
    b_.LineTo(x, y);
  }
  void Mark(double x, double y, bool filled) override {
    a_.Mark(x, y, filled);
    b_.Mark(x, y, filled);
  }

 private:
  PenSink& a_;
  PenSink& b_;
};

}  // namespace lumtar::dials
