#include "gui/construction_window_image.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lumtar::gui {

ConstructionImage::ConstructionImage(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setMinimumSize(200, 150);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

void ConstructionImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!image_.isNull()) painter.drawImage(0, 0, image_);
  if (overlay_) overlay_(painter);
}

void ConstructionImage::mousePressEvent(QMouseEvent* event) {
  emit Clicked(event->position().toPoint(), event->button(),
               event->modifiers());
  event->accept();
}

void ConstructionImage::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta != 0) emit Wheel(delta);
  event->accept();
}

void ConstructionImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit Resized();
}

}  // namespace lumtar::gui
