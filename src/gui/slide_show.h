#pragma once

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWidget>

#include "model/model.h"

namespace lumtar::gui {

// The timed slide show of the gallery: every tick shows the next picture
// with its caption, round and round. The slider sets the interval in
// tenths of a second (default 2.2 s); "Stop" ends the show.
class SlideShow : public QWidget {
  Q_OBJECT

 public:
  explicit SlideShow(const model::Model& model, QWidget* parent = nullptr);

  void Retranslate();
  void Start();
  void Stop();
  bool running() const { return timer_.isActive(); }
  // The next picture (the timer's tick).
  void Advance();

  int current() const { return current_; }
  int interval_ms() const { return timer_.interval(); }
  QSlider* slider() const { return slider_; }
  QString interval_text() const { return interval_->text(); }
  QString caption() const { return caption_->text(); }

  static constexpr int kDefaultIntervalMs = 2200;

 signals:
  void Stopped();

 private:
  void SetSliderPosition(int position);
  void ShowCurrent();

  const model::Model& model_;
  QTimer timer_;
  QLabel* picture_;
  QLabel* caption_;
  QSlider* slider_;
  QLabel* interval_;
  QPushButton* stop_;
  int current_ = 0;
};

}  // namespace lumtar::gui
