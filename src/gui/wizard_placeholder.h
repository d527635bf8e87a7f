#pragma once

// TEMPORARY: stand-ins for the wizard's windows until the site, kind,
// parameter and construction windows are wired in. Remove this file then.

#include <QDialog>
#include <QImage>
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

// The current construction drawn on the window's image, nothing more.
class PlaceholderConstructionWindow : public QWidget {
  Q_OBJECT

 public:
  PlaceholderConstructionWindow(model::Model& model, platform::Ui& ui,
                                QWidget* parent = nullptr);
  void Retranslate();
  int HelpContext() const;
  void Redraw();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  model::Model& model_;
  platform::Ui& ui_;
  QImage image_;
};

// Factories of the stand-ins, for every role that has no real window yet.
WindowFactories PlaceholderFactories(model::Model& model, platform::Ui& ui);

}  // namespace lumtar::gui
