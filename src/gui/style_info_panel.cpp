#include "gui/style_info_panel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "texts/text_table.h"

namespace lumtar::gui {

StyleInfoPanel::StyleInfoPanel(model::Model& model, QWidget* parent)
    : QWidget(parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  title_ = new QLabel(this);
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  memo_ = new QPlainTextEdit(this);
  memo_->setReadOnly(true);
  memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  print_ = new QPushButton(this);
  close_ = new QPushButton(this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(print_);
  buttons->addWidget(close_);
  layout->addWidget(title_);
  layout->addWidget(memo_, 1);
  layout->addLayout(buttons);
  connect(print_, &QPushButton::clicked, this, &StyleInfoPanel::PrintRequested);
  connect(close_, &QPushButton::clicked, this, &StyleInfoPanel::CloseRequested);
  Retranslate();
}

void StyleInfoPanel::Show(const std::vector<std::string>& lines) {
  lines_ = lines;
  QString text;
  for (const std::string& l : lines) text += Q(l) + "\n";
  memo_->setPlainText(text);
}

void StyleInfoPanel::Retranslate() {
  const texts::Language lang = model_.Language;
  title_->setText(Q(texts::RawText(1566, lang)));
  print_->setText(Q(texts::RawText(1567, lang)));
  close_->setText(Q(texts::RawText(1568, lang)));
}

}  // namespace lumtar::gui
