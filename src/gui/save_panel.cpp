#include "gui/save_panel.h"

#include <QVBoxLayout>

#include "output/plot_save.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {
QString Text(int id, texts::Language lang) {
  return QString::fromStdString(std::string(texts::RawText(id, lang)));
}
}  // namespace

SavePanel::SavePanel(model::Model& model, QWidget* parent)
    : QFrame(parent), model_(model) {
  setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  name_ = new QLineEdit(this);
  coordinate_name_ = new QLabel(this);
  width_ = new QComboBox(this);
  width_->addItems({"", "", ""});
  group_ = new QButtonGroup(this);
  layout->addWidget(title_);
  layout->addWidget(name_);
  layout->addWidget(coordinate_name_);
  layout->addWidget(width_);
  for (int i = 0; i < 3; ++i) {
    coordinates_[i] = new QRadioButton(this);
    group_->addButton(coordinates_[i], i);
    layout->addWidget(coordinates_[i]);
  }
  coordinates_[0]->setChecked(true);
  continue_ = new QPushButton(this);
  close_ = new QPushButton(this);
  layout->addWidget(continue_);
  layout->addWidget(close_);
  connect(name_, &QLineEdit::textEdited, this, [this] { UpdateNames(); });
  connect(name_, &QLineEdit::returnPressed, continue_, &QPushButton::click);
  connect(continue_, &QPushButton::clicked, this, [this] {
    const app::SavePanelChoice choice = Choice();
    hide();
    emit ContinueRequested(choice);
  });
  connect(close_, &QPushButton::clicked, this, &QWidget::hide);
  Retranslate();
  hide();
}

void SavePanel::Open(app::SaveOutput output, app::CoordinateOutput preselect,
                     bool coordinates_allowed) {
  output_ = output;
  for (QRadioButton* b : coordinates_) b->setEnabled(coordinates_allowed);
  coordinates_[static_cast<int>(coordinates_allowed
                                    ? preselect
                                    : app::CoordinateOutput::kNone)]
      ->setChecked(true);
  Retranslate();
  UpdateNames();
  show();
  name_->setFocus();
}

app::SavePanelChoice SavePanel::Choice() const {
  app::SavePanelChoice c;
  c.output = output_;
  c.typed_name = name_->text().toStdString();
  c.line_width = width_->currentIndex() + 1;
  c.coordinates =
      static_cast<app::CoordinateOutput>(std::max(0, group_->checkedId()));
  if (!coordinates_[0]->isEnabled())
    c.coordinates = app::CoordinateOutput::kNone;
  return c;
}

void SavePanel::UpdateNames() {
  const output::HpglMode mode = output_ == app::SaveOutput::kHpgl
                                    ? output::HpglMode::kHpgl
                                    : output::HpglMode::kForDxf;
  const std::filesystem::path proposed =
      output::ProposedPlotName(name_->text().toStdString(), mode);
  if (name_->text().isEmpty())
    name_->setPlaceholderText(QString::fromStdString(proposed.string()));
  coordinate_name_->setText(QString::fromStdString(
      output::CoordinateFileName(proposed).filename().string()));
}

void SavePanel::Retranslate() {
  const texts::Language lang = model_.Language;
  title_->setText(Text(output_ == app::SaveOutput::kHpgl ? 1550 : 1551, lang));
  for (int i = 0; i < 3; ++i) {
    width_->setItemText(i, Text(1506 + i, lang));
    coordinates_[i]->setText(Text(1552 + i, lang));
  }
  continue_->setText(Text(1555, lang));
  close_->setText(Text(1568, lang));
}

}  // namespace lumtar::gui
