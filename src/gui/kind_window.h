#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "app/kind_dialog.h"
#include "model/model.h"
#include "platform/ui.h"

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumtar::gui {

// The dial kind dialog: the list of dial kinds (the compressed and mean-time
// dials only in expert mode), the selector of the chosen kind (umbrella
// plane, altitude dial, azimuthal circles and spacing, cylinder dial) and
// the few values of the kind. The rules are app::KindDialogModel's.
//
// exec() returns Accepted after the close button once the close check
// passed; Cancel, Escape and the close box give Rejected and put the kind
// back as it was.
class KindWindow : public QDialog {
  Q_OBJECT

 public:
  using Field = app::KindDialogModel::Field;

  KindWindow(model::Model& model, platform::Ui& ui, QWidget* parent = nullptr);

  // Rewrites every caption in the model's language and shows the kind list
  // as the model's expert mode allows.
  void Retranslate();
  int HelpContext() const;

  // The widgets, for tests.
  QRadioButton* Entry(int entry) const;  // nullptr when not offered
  int VisibleEntryCount() const;
  QLineEdit* Edit(Field field) const;
  QLabel* Label(Field field) const;
  QGroupBox* SelectorBox(int which) const;  // see kSelector* below
  QRadioButton* SelectorButton(int which, int index) const;
  QPushButton* CloseButton() const { return close_button_; }
  QPushButton* CancelButton() const { return cancel_button_; }

  // The selector groups: umbrella plane, altitude dials, azimuthal circles,
  // azimuthal spacing, cylinder dials.
  static constexpr int kUmbrellaPlane = 0;
  static constexpr int kAltitudeDials = 1;
  static constexpr int kAzimuthCircles = 2;
  static constexpr int kAzimuthScale = 3;
  static constexpr int kCylinderDials = 4;

  void accept() override;
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Selector {
    QGroupBox* box = nullptr;
    QButtonGroup* group = nullptr;
    std::vector<QRadioButton*> buttons;
  };

  void Build();
  void BuildSelector(int which, int count);
  void LoadFields();
  void UpdateFromKind();  // selector and field visibility, checked buttons
  void FocusField(Field field);

  model::Model& model_;
  app::KindDialogModel dialog_;
  QGroupBox* kind_box_ = nullptr;
  QButtonGroup* kind_group_ = nullptr;
  std::array<QRadioButton*, 14> entries_{};
  std::array<Selector, 5> selectors_;
  std::array<QLineEdit*, 7> edits_{};
  std::array<QLabel*, 7> labels_{};
  QPushButton* close_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  bool closing_ = false;
};

}  // namespace lumtar::gui
