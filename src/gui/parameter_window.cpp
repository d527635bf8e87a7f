#include "gui/parameter_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/parameter_page.h"
#include "gui/qt_text.h"
#include "model/catalogue.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::gui {
namespace {

// While the wizard runs (any state but 0) the dialog is one of its steps.
bool InWizard(const model::Model& m) { return m.WizardState != 0; }

}  // namespace

ParameterWindow::ParameterWindow(model::Model& model, platform::Ui& ui,
                                 QWidget* parent)
    : QDialog(parent), model_(model), dialog_(model, ui) {
  setObjectName("Form4");
  dialog_.Open();
  auto* outer = new QVBoxLayout(this);
  kind_label_ = new QLabel(this);
  QFont bold = kind_label_->font();
  bold.setBold(true);
  kind_label_->setFont(bold);
  outer->addWidget(kind_label_);
  page_ = new ParameterPageWidget(model_, dialog_, this);
  outer->addWidget(page_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  cancel_button_ = new QPushButton(this);
  cancel_button_->setAutoDefault(false);
  close_button_ = new QPushButton(this);
  close_button_->setDefault(true);
  buttons->addWidget(cancel_button_);
  buttons->addWidget(close_button_);
  outer->addLayout(buttons);
  connect(close_button_, &QPushButton::clicked, this, &ParameterWindow::accept);
  connect(cancel_button_, &QPushButton::clicked, this,
          &ParameterWindow::reject);
  Retranslate();
  if (!model_.NormalWindowSize) setWindowState(Qt::WindowMaximized);
}

void ParameterWindow::Retranslate() {
  const texts::Language l = model_.Language;
  const bool wizard = InWizard(model_);
  setWindowTitle(wizard ? Q(texts::TitleText(12, l)) + "3" : Text(1607, l));
  const int entry =
      model::KindToEntry(model_.DialKind, model_.selectors.UmbrellaFlag != 0);
  kind_label_->setText(
      Text(model::kKindEntries[entry].text_id, l).remove('&').trimmed());
  close_button_->setText(Text(wizard ? 1600 : 1972, l));
  cancel_button_->setText(Text(1601, l));
  page_->Retranslate();
}

int ParameterWindow::HelpContext() const {
  const int entry =
      model::KindToEntry(model_.DialKind, model_.selectors.UmbrellaFlag != 0);
  const int h = model::kKindEntries[entry].help_context;
  return h ? h : 10;
}

void ParameterWindow::accept() {
  // The click on the close button left a field first; its refusal has been
  // shown already.
  if (page_->JustRefused()) return;
  page_->SetClosing(true);
  const bool ok = dialog_.Close();
  page_->SetClosing(false);
  page_->Load();
  if (!ok) {
    if (dialog_.focus) page_->FocusField(*dialog_.focus);
    return;
  }
  page_->SetClosing(true);
  QDialog::accept();
  page_->SetClosing(false);
}

void ParameterWindow::reject() {
  dialog_.Cancel();
  page_->SetClosing(true);
  QDialog::reject();
  page_->SetClosing(false);
}

}  // namespace lumtar::gui
