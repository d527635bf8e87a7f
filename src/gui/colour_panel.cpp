#include "gui/colour_panel.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QVBoxLayout>

#include "app/palette.h"
#include "gui/qt_canvas.h"
#include "gui/qt_text.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

constexpr int kPatternWidth = 45;
constexpr int kPatternHeight = 220;

void DrawPattern(QImage& image, const model::ColorTable& colours, int x1,
                 int x2, int width, int focus) {
  image.fill(Qt::white);
  QPainter p(&image);
  for (int i = 0; i < 12; ++i) {
    const int y = app::PaletteLineY(i, image.height());
    p.setPen(QPen(ToQColor(colours[i]), width));
    p.drawLine(x1, y, x2, y);
  }
  if (focus >= 1 && focus <= 12) {
    // The focus rectangle around the line being picked.
    const int y = app::PaletteLineY(focus - 1, image.height()) - 6;
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(2, y, 36, 14);
  }
}

// One role row beside each swatch.
constexpr int kRowHeight = 24;

}  // namespace

ColourPanel::ColourPanel(model::Model& model, platform::Ui& ui, QWidget* parent,
                         PaletteFile file)
    : QWidget(parent), model_(model), ui_(ui) {
  setWindowFlag(Qt::Tool);
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);
  layout->addWidget(heading_);

  auto* body = new QHBoxLayout;
  layout->addLayout(body);
  auto* swatch_grid = new QGridLayout;
  swatch_grid->setVerticalSpacing(0);
  swatch_grid->setContentsMargins(0, 0, 0, 0);
  body->addLayout(swatch_grid);
  for (int i = 0; i < 12; ++i) {
    labels_[i] = new QLabel(this);
    swatches_[i] = new QPushButton(this);
    swatches_[i]->setFixedSize(34, 18);
    labels_[i]->setFixedHeight(kRowHeight);
    swatch_grid->addWidget(labels_[i], i, 0);
    swatch_grid->addWidget(swatches_[i], i, 1);
    connect(swatches_[i], &QPushButton::clicked, this,
            [this, i] { PickColour(i + 1); });
  }
  rows_ = new QTableWidget(12, 4, this);
  rows_->horizontalHeader()->hide();
  rows_->verticalHeader()->hide();
  rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The first and last columns stay empty: the number and role columns
  // show, one row beside each swatch, all twelve at once.
  rows_->setColumnHidden(0, true);
  rows_->setColumnHidden(3, true);
  rows_->setColumnWidth(1, 40);
  rows_->horizontalHeader()->setStretchLastSection(true);
  rows_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rows_->setShowGrid(false);
  rows_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  rows_->verticalHeader()->setDefaultSectionSize(kRowHeight);
  rows_->setFixedHeight(12 * kRowHeight + 2 * rows_->frameWidth());
  rows_->setMinimumWidth(400);
  body->addWidget(rows_, 1);
  connect(rows_, &QTableWidget::cellDoubleClicked, this,
          [this](int row, int) { PickColour(row + 1); });

  auto* patterns = new QVBoxLayout;
  body->addLayout(patterns);
  actual_ = QImage(kPatternWidth, kPatternHeight, QImage::Format_RGB32);
  original_ = QImage(kPatternWidth, kPatternHeight, QImage::Format_RGB32);
  actual_label_ = new QLabel(this);
  original_label_ = new QLabel(this);
  actual_label_->setWordWrap(true);
  original_label_->setWordWrap(true);
  actual_view_ = new QLabel(this);
  original_view_ = new QLabel(this);
  auto* views = new QHBoxLayout;
  views->addWidget(actual_view_);
  views->addWidget(original_view_);
  patterns->addLayout(views);
  patterns->addWidget(actual_label_);
  patterns->addWidget(original_label_);
  DrawPattern(original_, model::kDefaultColors, 10, 29, 3, 0);
  original_view_->setPixmap(QPixmap::fromImage(original_));

  auto* bottom = new QHBoxLayout;
  layout->addLayout(bottom);
  width_title_ = new QLabel(this);
  bottom->addWidget(width_title_);
  width_group_ = new QButtonGroup(this);
  for (int k = 0; k < 3; ++k) {
    widths_[k] = new QRadioButton(this);
    width_group_->addButton(widths_[k], k);
    bottom->addWidget(widths_[k]);
  }
  width_title_->setBuddy(widths_[0]);
  connect(width_group_, &QButtonGroup::idClicked, this, [this](int k) {
    app::SetLineWidth(model_, k);
    DrawPatterns();
  });
  bottom->addStretch();
  save_ = new QPushButton(this);
  load_ = new QPushButton(this);
  reset_ = new QPushButton(this);
  close_ = new QPushButton(this);
  for (QPushButton* b : {save_, load_, reset_, close_}) bottom->addWidget(b);
  connect(save_, &QPushButton::clicked, this, [this] {
    if (file_.save) file_.save(model_, ui_);
  });
  connect(load_, &QPushButton::clicked, this, [this] {
    if (file_.load) file_.load(model_, ui_);
    Refresh();
  });
  connect(reset_, &QPushButton::clicked, this, &ColourPanel::ResetColours);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);

  chooser_ = [this](const QColor& initial) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(initial, this);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  SetPaletteFile(std::move(file));
  Retranslate();
}

void ColourPanel::SetPaletteFile(PaletteFile file) {
  file_ = std::move(file);
  save_->setEnabled(static_cast<bool>(file_.save));
  load_->setEnabled(static_cast<bool>(file_.load));
}

void ColourPanel::Retranslate() {
  const texts::Language lang = model_.Language;
  setWindowTitle(Q(texts::RawText(1569, lang)));
  for (int i = 0; i < 12; ++i)
    labels_[i]->setText(Q(texts::RawText(1710 + i, lang)));
  width_title_->setText(Q(texts::RawText(1700, lang)).trimmed());
  for (int k = 0; k < 3; ++k)
    widths_[k]->setText(Q(texts::RawText(1506 + k, lang)));
  save_->setText(Q(texts::RawText(1722, lang)));
  load_->setText(Q(texts::RawText(1723, lang)));
  reset_->setText(Q(texts::RawText(1724, lang)));
  close_->setText(Q(texts::RawText(1568, lang)));
  actual_label_->setText(Q(texts::RawText(1725, lang)));
  original_label_->setText(Q(texts::RawText(1726, lang)));
  Refresh();
}

void ColourPanel::Refresh() {
  heading_->setText(Q(app::ColourPanelHeading(model_)));
  for (int i = 1; i <= 12; ++i) {
    const app::PanelRow row = app::ColourPanelRow(model_, i);
    rows_->setItem(i - 1, 1, new QTableWidgetItem(Q(row.number)));
    rows_->setItem(i - 1, 2, new QTableWidgetItem(Q(row.role)));
    swatches_[i - 1]->setStyleSheet(
        QString("background-color: %1")
            .arg(ToQColor(model_.Colors[i - 1]).name()));
  }
  widths_[std::clamp<int>(model_.LineWidth, 1, 3) - 1]->setChecked(true);
  DrawPatterns();
}

void ColourPanel::DrawPatterns() {
  DrawPattern(actual_, model_.Colors, 10, 35, model_.LineWidth, 0);
  actual_view_->setPixmap(QPixmap::fromImage(actual_));
}

void ColourPanel::PickColour(int n) {
  if (n < 1 || n > 12 || !chooser_) return;
  DrawPattern(actual_, model_.Colors, 10, 35, model_.LineWidth, n);
  actual_view_->setPixmap(QPixmap::fromImage(actual_));
  const std::optional<QColor> c = chooser_(ToQColor(model_.Colors[n - 1]));
  if (c) app::PickColour(model_, n, FromQColor(*c));
  Refresh();
}

void ColourPanel::ResetColours() {
  app::ResetColours(model_);
  Refresh();
}

void ColourPanel::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit Closed();
}

}  // namespace lumtar::gui
