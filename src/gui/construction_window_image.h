#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace lumtar::gui {

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
