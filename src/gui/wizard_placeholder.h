#pragma once

// TEMPORARY: stand-ins for the wizard's dialogs until the site, kind and
// parameter dialogs are wired in. Remove this file then.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "gui/main_window_activity.h"
#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::gui {

// A step dialog that edits nothing: it shows which step it stands for and
// offers OK ("Next" in the wizard) and Cancel.
class PlaceholderStepDialog : public QDialog {
  Q_OBJECT

 public:
  PlaceholderStepDialog(model::Model& model, platform::Ui& ui, WindowRole role,
                        QWidget* parent = nullptr);
  void Retranslate();
  int HelpContext() const;

 private:
  model::Model& model_;
  WindowRole role_;
  QLabel* text_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// Factories of the stand-in dialogs (site, kind, parameters).
WindowFactories PlaceholderFactories(model::Model& model, platform::Ui& ui);

}  // namespace lumtar::gui
