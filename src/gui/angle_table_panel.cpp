#include "gui/angle_table_panel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "app/construction_lists.h"
#include "astro/format.h"
#include "gui/qt_text.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {
std::string Degrees(double v) { return astro::FormatFixed(7, 3, v) + " deg "; }
}  // namespace

AngleTablePanel::AngleTablePanel(model::Model& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  QFont big = title_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  title_->setFont(big);
  site_ = new QLabel(this);
  sunshine_ = new QLabel(this);
  QFont bold = sunshine_->font();
  bold.setBold(true);
  sunshine_->setFont(bold);
  sunshine_->setStyleSheet("color: maroon");
  summary_ = new QLabel(this);
  summary_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  grid_ = new QTableWidget(0, 12, this);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->verticalHeader()->hide();
  grid_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  longitude_ = new QCheckBox(this);
  print_ = new QPushButton(this);
  close_ = new QPushButton(this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(longitude_);
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(close_);
  layout->addWidget(title_);
  layout->addWidget(site_);
  layout->addWidget(sunshine_);
  layout->addWidget(summary_);
  layout->addWidget(grid_, 1);
  layout->addLayout(buttons);
  connect(longitude_, &QCheckBox::toggled, this,
          &AngleTablePanel::LongitudeCorrectionToggled);
  connect(print_, &QPushButton::clicked, this,
          &AngleTablePanel::PrintRequested);
  connect(close_, &QPushButton::clicked, this,
          &AngleTablePanel::CloseRequested);
  Retranslate();
}

void AngleTablePanel::Show(const dials::HourLineAngleTable& table) {
  const auto& p = model_.parameters;
  const texts::Language lang = model_.Language;
  title_->setText(Q(table.title));
  const char k = model_.DialKind;
  const std::string none = " - - - -";
  std::string site = std::string(texts::RawText(1460, lang)) + " " +
                     Degrees(p.Latitude) + "   λ " + Degrees(p.Longitude) +
                     "   λz " + Degrees(p.ZoneMeridian) + "   D " +
                     (k == 'h' ? none : Degrees(p.WallDeclination)) + "   i " +
                     (k == 'i' ? Degrees(p.Inclination) : none);
  site_->setText(Q(site));
  sunshine_->setText(Q(table.sunshine_text));
  std::string summary;
  for (const std::string& line : table.summary) summary += line + "\n";
  if (!summary.empty()) summary.pop_back();
  summary_->setText(Q(summary));

  const app::AngleGrid g = app::LayOutAngleGrid(table, lang);
  QStringList headings;
  for (const std::string& h : g.headings) headings << Q(h);
  grid_->setHorizontalHeaderLabels(headings);
  grid_->setRowCount(static_cast<int>(g.rows.size()));
  for (int r = 0; r < static_cast<int>(g.rows.size()); ++r)
    for (int c = 0; c < 12; ++c) {
      auto* item = new QTableWidgetItem(Q(g.rows[r][c]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(r, c, item);
    }
}

void AngleTablePanel::Retranslate() {
  const texts::Language lang = model_.Language;
  longitude_->setText(Q(texts::RawText(1521, lang)) + " " +
                      Q(texts::RawText(1522, lang)));
  print_->setText(Q(texts::RawText(1512, lang)));
  close_->setText(Q(texts::RawText(1568, lang)));
}

}  // namespace lumtar::gui
