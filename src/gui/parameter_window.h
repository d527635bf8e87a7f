#pragma once

#include <QDialog>

#include "app/parameter_dialog.h"
#include "model/model.h"
#include "platform/ui.h"

class QLabel;
class QPushButton;

namespace lumtar::gui {

class ParameterPageWidget;

// The dial parameter dialog: the page of the current dial kind with its
// fields, line options, choices, hour-line ranges and own dates. The rules
// are app::ParameterDialogModel's and app::LayoutOfPage's.
//
// exec() returns Accepted after the close button once every field of the
// page and the page checks passed; the values are then in the model.
// Cancel, Escape and the close box give Rejected and put every value back
// as it was when the dialog opened.
class ParameterWindow : public QDialog {
  Q_OBJECT

 public:
  ParameterWindow(model::Model& model, platform::Ui& ui,
                  QWidget* parent = nullptr);

  void Retranslate();
  int HelpContext() const;

  ParameterPageWidget* Page() const { return page_; }
  QPushButton* CloseButton() const { return close_button_; }
  QPushButton* CancelButton() const { return cancel_button_; }
  model::ParameterPage PageKind() const { return dialog_.page(); }

  void accept() override;
  void reject() override;

 private:
  model::Model& model_;
  app::ParameterDialogModel dialog_;
  ParameterPageWidget* page_ = nullptr;
  QLabel* kind_label_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
};

}  // namespace lumtar::gui
