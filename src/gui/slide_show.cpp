#include "gui/slide_show.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/gallery.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {
constexpr int kSide = 600;
}

SlideShow::SlideShow(const model::Model& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setObjectName("SlideShow");
  caption_ = new QLabel;
  picture_ = new QLabel;
  picture_->setFixedSize(kSide, kSide);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setStyleSheet("background: white");
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setRange(5, 100);  // 0.5 s .. 10 s
  interval_ = new QLabel;
  stop_ = new QPushButton;
  auto* controls = new QHBoxLayout;
  controls->addWidget(slider_, 1);
  controls->addWidget(interval_);
  controls->addWidget(stop_);
  auto* panel = new QWidget;
  panel->setFixedWidth(kSide);
  auto* panel_layout = new QVBoxLayout(panel);
  panel_layout->setContentsMargins(0, 0, 0, 0);
  panel_layout->addWidget(caption_);
  panel_layout->addWidget(picture_);
  panel_layout->addLayout(controls);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(1);
  layout->addWidget(panel, 0, Qt::AlignHCenter);
  layout->addStretch(2);

  connect(&timer_, &QTimer::timeout, this, &SlideShow::Advance);
  connect(slider_, &QSlider::valueChanged, this, &SlideShow::SetSliderPosition);
  connect(stop_, &QPushButton::clicked, this, &SlideShow::Stop);
  timer_.setInterval(kDefaultIntervalMs);
  slider_->setValue(kDefaultIntervalMs / 100);
  SetSliderPosition(slider_->value());
  Retranslate();
}

void SlideShow::Retranslate() {
  stop_->setText(QString::fromUtf8(texts::RawText(1620, model_.Language)));
  ShowCurrent();
}

void SlideShow::SetSliderPosition(int position) {
  timer_.setInterval(position * 100);
  interval_->setText(QString::number(position / 10.0, 'f', 1) + " s");
}

void SlideShow::Start() {
  current_ = 0;
  ShowCurrent();
  timer_.start();
}

void SlideShow::Stop() {
  const bool was_running = timer_.isActive();
  timer_.stop();
  if (was_running) emit Stopped();
}

void SlideShow::Advance() {
  const int n = static_cast<int>(GalleryPictures().size());
  current_ = (current_ + 1) % n;
  ShowCurrent();
}

void SlideShow::ShowCurrent() {
  const GalleryPicture& p = GalleryPictures()[current_];
  const QImage image = GalleryImage(p);
  if (!image.isNull())
    picture_->setPixmap(QPixmap::fromImage(image.scaled(
        kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  caption_->setText(GalleryCaption(p, model_.Language));
}

}  // namespace lumtar::gui
