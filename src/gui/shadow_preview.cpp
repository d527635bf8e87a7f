#include "gui/shadow_preview.h"

#include <QDateTime>
#include <QGridLayout>
#include <QTimeZone>
#include <cmath>

#include "gui/qt_text.h"

namespace lumtar::gui {

namespace {

QString ApparentTimeText(double hours) {
  const int minutes = static_cast<int>(std::lround(hours * 60)) % (24 * 60);
  return QString("%1:%2")
      .arg(minutes / 60)
      .arg(minutes % 60, 2, 10, QChar('0'));
}

}  // namespace

ShadowPreview::ShadowPreview(model::Model& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  enabled_ = new QCheckBox(this);
  date_ = new QDateEdit(this);
  date_->setDisplayFormat("dd/MM/yyyy");
  date_->setCalendarPopup(true);
  time_ = new QTimeEdit(this);
  time_->setDisplayFormat("HH:mm");
  slider_ = new QSlider(Qt::Horizontal, this);
  slider_->setRange(0, 24 * 60 - 1);
  slider_->setPageStep(60);
  now_ = new QPushButton(this);
  layout->addWidget(enabled_, 0, 0, 1, 2);
  layout->addWidget(date_, 1, 0);
  layout->addWidget(time_, 1, 1);
  layout->addWidget(slider_, 2, 0, 1, 2);
  layout->addWidget(now_, 3, 0, 1, 2);
  date_->setDate(QDate(model.parameters.Year, 6, 21));
  time_->setTime(QTime(12, 0));
  slider_->setValue(12 * 60);

  connect(enabled_, &QCheckBox::toggled, this, &ShadowPreview::MomentChanged);
  connect(date_, &QDateEdit::dateChanged, this, &ShadowPreview::MomentChanged);
  connect(time_, &QTimeEdit::timeChanged, this, [this](const QTime& t) {
    const int m = t.hour() * 60 + t.minute();
    if (slider_->value() != m) slider_->setValue(m);
    emit MomentChanged();
  });
  connect(slider_, &QSlider::valueChanged, this, [this](int m) {
    const QTime t(m / 60, m % 60);
    if (time_->time() != t) time_->setTime(t);
  });
  connect(now_, &QPushButton::clicked, this, &ShadowPreview::SetNow);
  Retranslate();
}

std::optional<dials::ShadowMoment> ShadowPreview::Moment() const {
  if (!enabled_->isChecked()) return std::nullopt;
  const QDate d = date_->date();
  const QTime t = time_->time();
  return dials::ShadowMoment{d.day(), d.month(), d.year(),
                             t.hour() + t.minute() / 60.0};
}

void ShadowPreview::SetMoment(const QDate& date, const QTime& zone_time) {
  const QSignalBlocker block(enabled_);
  enabled_->setChecked(true);
  date_->setDate(date);
  time_->setTime(zone_time);
  emit MomentChanged();
}

void ShadowPreview::SetNow() {
  // Zone time: UT shifted by the zone meridian (west positive).
  const int offset_s = static_cast<int>(
      std::lround(-model_.parameters.ZoneMeridian / 15 * 3600));
  const QDateTime zone =
      QDateTime::currentDateTimeUtc().toTimeZone(QTimeZone(offset_s));
  SetMoment(zone.date(), zone.time());
}

void ShadowPreview::Retranslate() {
  enabled_->setText(Text(1980, model_.Language));
  now_->setText(Text(1981, model_.Language));
  const QString tip = Text(1982, model_.Language);
  time_->setToolTip(tip);
  slider_->setToolTip(tip);
}

void PaintShadow(QPainter& painter, const dials::ShadowPoint& s) {
  if (!s.valid) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF foot(s.foot.x, s.foot.y);
  // The foot of the nodus.
  painter.setPen(QPen(QColor(60, 60, 60), 1.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(foot, 5, 5);
  if (s.sun_up) {
    const QPointF tip(s.tip.x, s.tip.y);
    QLineF shadow(foot, tip);
    // A shadow far beyond the image is cut at a reasonable length.
    if (shadow.length() > 20000) shadow.setLength(20000);
    painter.setPen(
        QPen(QColor(40, 40, 40, 170), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(shadow);
    if (s.inside) {
      painter.setPen(QPen(QColor(200, 120, 0), 2));
      painter.setBrush(QColor(255, 200, 0));
      painter.drawEllipse(tip, 6, 6);
      painter.setPen(QColor(120, 60, 0));
      QFont f = painter.font();
      f.setBold(true);
      painter.setFont(f);
      painter.drawText(tip + QPointF(9, -9), ApparentTimeText(s.apparent_time));
    }
  }
  painter.restore();
}

}  // namespace lumtar::gui
