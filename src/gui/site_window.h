#pragma once

#include <QDialog>
#include <array>

#include "app/site_dialog.h"
#include "model/model.h"
#include "platform/ui.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumtar::gui {

// The site and year dialog: latitude, longitude and zone meridian as decimal
// degrees or as degrees, minutes and seconds with hemisphere buttons, and
// the reference year. Every rule lives in app::SiteDialogModel; the window
// moves texts between the fields and the dialog model, filters keys, and
// runs the model's check whenever a field is left.
//
// exec() returns Accepted after the close button once every check passed;
// the values are then in the model. Cancel, Escape and the close box give
// Rejected and leave the site values as they were when the dialog opened.
class SiteWindow : public QDialog {
  Q_OBJECT

 public:
  using Field = app::SiteDialogModel::Field;

  SiteWindow(model::Model& model, platform::Ui& ui, QWidget* parent = nullptr);

  // Rewrites every caption and label in the model's current language.
  void Retranslate();
  int HelpContext() const;

  // The widgets, for the main window's wizard and for tests.
  QLineEdit* Edit(Field field) const;
  QRadioButton* Hemisphere(Field any_field_of_angle, int index) const;
  QRadioButton* DecimalMode() const { return decimal_mode_; }
  QRadioButton* SexagesimalMode() const { return sexagesimal_mode_; }
  QPushButton* CloseButton() const { return close_button_; }
  QPushButton* CancelButton() const { return cancel_button_; }

  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build();
  void LoadFields();
  void UpdateEnabled();
  void LeaveField(Field field);
  void FocusFailedField();
  int FieldOf(QObject* watched) const;

  model::Model& model_;
  app::SiteDialogModel dialog_;
  std::array<QLineEdit*, 13> edits_{};
  QRadioButton* hemispheres_[3][2] = {};
  QButtonGroup* hemisphere_groups_[3] = {};
  QButtonGroup* mode_group_ = nullptr;
  QRadioButton* decimal_mode_ = nullptr;
  QRadioButton* sexagesimal_mode_ = nullptr;
  QGroupBox* mode_box_ = nullptr;
  QLabel* row_labels_[4] = {};   // latitude, longitude, zone meridian, year
  QLabel* head_labels_[4] = {};  // decimal, deg, min, sec
  QLabel* sign_notes_[3] = {};
  QLabel* year_note_ = nullptr;
  QLabel* empty_note_ = nullptr;
  QPushButton* close_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  bool checking_ = false;      // a check is running (its messages may steal
                               // the focus)
  bool leave_failed_ = false;  // a field exit was just refused
  bool closing_ = false;
};

}  // namespace lumtar::gui
