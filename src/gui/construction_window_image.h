#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "platform/canvas.h"

namespace lumtar::gui {

// Qt's start-up leaves the upper halves of the wide vector registers in
// use; on some processors the plain SSE arithmetic of the dial code then
// runs several times slower until they are cleared. Called before each
// redraw of the image (a no-op elsewhere than x86-64).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) inline void ClearVectorUpperStateAvx() {
  __builtin_ia32_vzeroupper();
}
// The instruction exists only on processors with AVX; elsewhere there is no
// such state to clear.
inline void ClearVectorUpperState() {
  static const bool has_avx = __builtin_cpu_supports("avx");
  if (has_avx) ClearVectorUpperStateAvx();
}
#else
inline void ClearVectorUpperState() {}
#endif

// A canvas that forwards to another one and clears that state after each
// figure, for the window image's QtCanvas.
class VectorStateCanvas : public platform::Canvas {
 public:
  explicit VectorStateCanvas(platform::Canvas& inner) : inner_(inner) {}
  void MoveTo(int x, int y) override { inner_.MoveTo(x, y); }
  void LineTo(int x, int y) override {
    inner_.LineTo(x, y);
    ClearVectorUpperState();
  }
  void Rectangle(int x1, int y1, int x2, int y2) override {
    inner_.Rectangle(x1, y1, x2, y2);
    ClearVectorUpperState();
  }
  void Ellipse(int x1, int y1, int x2, int y2) override {
    inner_.Ellipse(x1, y1, x2, y2);
    ClearVectorUpperState();
  }
  void Polygon(std::span<const platform::Point> points) override {
    inner_.Polygon(points);
    ClearVectorUpperState();
  }
  void Text(int x, int y, std::string_view text) override {
    inner_.Text(x, y, text);
    ClearVectorUpperState();
  }
  void SetPen(const platform::Pen& pen) override { inner_.SetPen(pen); }
  platform::Pen pen() const override { return inner_.pen(); }
  void SetBrush(const platform::Brush& b) override { inner_.SetBrush(b); }
  platform::Brush brush() const override { return inner_.brush(); }
  void SetFont(const platform::Font& f) override {
    inner_.SetFont(f);
    ClearVectorUpperState();
  }
  platform::Font font() const override { return inner_.font(); }

 private:
  platform::Canvas& inner_;
};

// The drawing area of the construction window: shows the drawn image and
// paints the overlays (the shadow preview, the placing hint) above it, and
// reports clicks, wheel turns and size changes. It owns no drawing rule.
class ConstructionImage : public QWidget {
  Q_OBJECT

 public:
  explicit ConstructionImage(QWidget* parent = nullptr);

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

  // Painted over the image after it, in image pixels.
  using Overlay = std::function<void(QPainter&)>;
  void SetOverlay(Overlay overlay) { overlay_ = std::move(overlay); }

 signals:
  void Clicked(QPoint position, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers);
  void Wheel(int delta);
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
  Overlay overlay_;
};

}  // namespace lumtar::gui
