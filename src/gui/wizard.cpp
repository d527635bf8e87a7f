#include "gui/wizard.h"

#include <QDialog>

#include "texts/pair_texts.h"

namespace lumtar::gui {

Wizard::Wizard(model::Model& model, WizardHost& host, QObject* parent)
    : QObject(parent), model_(model), host_(host) {}

QString Wizard::StepTitle(int part, texts::Language language) {
  return QString::fromUtf8(texts::TitleText(12, language)) +
         QString::number(part);
}

bool Wizard::Start() {
  if (running()) return false;
  host_.CloseAllWindows();
  model_.WizardState = 1;
  host_.WizardRunning(true);
  OpenStep(WindowRole::kSite, 1);
  return true;
}

void Wizard::OpenStep(WindowRole role, int part) {
  step_ = role;
  part_ = part;
  current_ = host_.OpenWindow(role, StepTitle(part, model_.Language));
  auto* dialog = qobject_cast<QDialog*>(current_.data());
  if (dialog == nullptr) {
    Cancel();
    return;
  }
  connect(dialog, &QDialog::finished, this,
          [this, dialog](int result) { StepFinished(dialog, result); });
}

void Wizard::Next() {
  if (!running()) return;
  if (auto* dialog = qobject_cast<QDialog*>(current_.data())) dialog->accept();
}

void Wizard::Reopen() {
  if (!running()) return;
  QPointer<QWidget> old = current_;
  current_ = nullptr;
  if (old) old->close();
  OpenStep(step_, part_);
}

void Wizard::Cancel() {
  const bool was_running = running();
  model_.WizardState = 0;
  current_ = nullptr;
  host_.CloseAllWindows();
  if (was_running) host_.WizardRunning(false);
}

void Wizard::StepFinished(QWidget* window, int result) {
  if (window != current_ || !running()) return;
  if (result != QDialog::Accepted) {
    Cancel();
    return;
  }
  switch (step_) {
    case WindowRole::kSite:
      model_.WizardState = 3;
      OpenStep(WindowRole::kKind, 2);
      break;
    case WindowRole::kKind:
      model_.WizardState = 5;
      OpenStep(WindowRole::kParameters, 3);
      break;
    default:
      // The parameters were accepted: the construction window ends the
      // wizard.
      model_.WizardState = 0;
      current_ = nullptr;
      host_.WizardRunning(false);
      host_.OpenWindow(WindowRole::kConstruction, QString());
      break;
  }
}

}  // namespace lumtar::gui
