#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "gui/main_window_activity.h"
#include "model/model.h"

namespace lumtar::gui {

// What the wizard needs of the main window.
class WizardHost {
 public:
  virtual ~WizardHost() = default;
  // Closes every window but the main window.
  virtual void CloseAllWindows() = 0;
  // Opens the window of `role` (a dialog step titled `title`, or the
  // construction window); nullptr when it could not be opened.
  virtual QWidget* OpenWindow(WindowRole role, const QString& title) = 0;
  // The wizard started or ended: menus, gallery and popup menu follow.
  virtual void WizardRunning(bool running) = 0;
};

// The dial wizard: site and year, dial kind, dial parameters, then the
// construction window. Each dialog step accepted (OK, "Next") opens the
// next; a step rejected (Cancel, its close box) cancels the whole wizard.
// The model's WizardState follows the steps: 0 none, 1 site dialog open,
// 3 kind dialog open, 5 parameter dialog open.
class Wizard : public QObject {
  Q_OBJECT

 public:
  Wizard(model::Model& model, WizardHost& host, QObject* parent = nullptr);

  // Starts at the site dialog; false (and nothing happens) while a wizard
  // runs already.
  bool Start();
  // "Next": closes the current step as if its OK was pressed.
  void Next();
  // Ends the wizard and closes its windows. The state is 0 before any
  // window closes, so no closing window advances the wizard.
  void Cancel();
  // Opens the current step again (its lists follow a changed mode); the
  // old window closes without ending the wizard.
  void Reopen();

  bool running() const { return model_.WizardState != 0; }
  WindowRole step() const { return step_; }
  QWidget* current_window() const { return current_; }

  // "Generate Sundial, part " and the step number 1..3.
  static QString StepTitle(int part, texts::Language language);

 private:
  void OpenStep(WindowRole role, int part);
  void StepFinished(QWidget* window, int result);

  model::Model& model_;
  WizardHost& host_;
  WindowRole step_ = WindowRole::kSite;
  int part_ = 1;
  QPointer<QWidget> current_;
};

}  // namespace lumtar::gui
