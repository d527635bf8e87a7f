#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QTimeEdit>
#include <QWidget>
#include <optional>

#include "dials/shadow_point.h"
#include "model/model.h"

namespace lumtar::gui {

// The shadow preview of the planar dials: a date, a time of zone time
// (slider and field) and "Now". While "Shadow" is checked the window
// paints the nodus and its shadow for the real sun at that moment over
// the drawn dial; nothing of it goes into a printout or a plot file.
class ShadowPreview : public QWidget {
  Q_OBJECT

 public:
  ShadowPreview(model::Model& model, QWidget* parent = nullptr);

  // The moment shown, nullopt while the preview is off.
  std::optional<dials::ShadowMoment> Moment() const;
  // Sets the date and zone time (and switches the preview on).
  void SetMoment(const QDate& date, const QTime& zone_time);
  // "Now": the current time in the site's zone (zone meridian, no
  // daylight saving).
  void SetNow();
  void Retranslate();

  QCheckBox* enabled() { return enabled_; }
  QSlider* slider() { return slider_; }

 signals:
  void MomentChanged();

 private:
  model::Model& model_;
  QCheckBox* enabled_;
  QDateEdit* date_;
  QTimeEdit* time_;
  QSlider* slider_;
  QPushButton* now_;
};

// Paints the shadow of `s`: the rod's shadow from the foot to the tip,
// the nodus' foot and the sunlit tip with the apparent time beside it.
void PaintShadow(QPainter& painter, const dials::ShadowPoint& s);

}  // namespace lumtar::gui
