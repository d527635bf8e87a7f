#pragma once

#include <QWidget>
#include <map>
#include <vector>

#include "app/parameter_dialog.h"
#include "app/parameter_fields.h"
#include "app/parameter_pages.h"
#include "model/model.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace lumtar::gui {

// One page of the parameter dialog, built from the page's fields
// (app::FieldsOfPage) and layout (app::LayoutOfPage): the edit fields with
// their labels, the line options, the choices, the hour-line ranges and,
// where the page draws declination lines, the user's own dates. Check
// boxes, choices, lists and the date list write the model at once; edit
// fields go through the dialog model when they are left.
class ParameterPageWidget : public QWidget {
  Q_OBJECT

 public:
  ParameterPageWidget(model::Model& model, app::ParameterDialogModel& dialog,
                      QWidget* parent = nullptr);

  void Retranslate();
  // Rewrites every widget from the dialog model and the model.
  void Load();
  // Puts the focus on a field that was refused.
  void FocusField(app::ParamField field);
  // True right after a field exit was refused (until the events of the
  // click that caused it are processed): the close check must not repeat
  // its message.
  bool JustRefused() const { return just_refused_; }
  // The dialog is closing: field exits are no longer checked.
  void SetClosing(bool closing) { closing_ = closing; }

  // The widgets, for tests.
  QLineEdit* Edit(app::ParamField field) const;
  QLabel* Label(app::ParamField field) const;
  QCheckBox* Toggle(app::PageToggle toggle) const;
  QRadioButton* Choice(app::PageChoice choice, int index) const;
  QGroupBox* ChoiceBox(app::PageChoice choice) const;
  // 0 first, 1 last, 2 interval list of a range.
  QComboBox* RangeList(app::HourRange range, int which) const;
  QPlainTextEdit* DateLines() const { return date_lines_; }
  QLabel* ResultingDiameter() const { return diameter_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ChoiceWidgets {
    app::PageChoice choice;
    QGroupBox* box;
    QButtonGroup* group;
    std::vector<QRadioButton*> buttons;
  };
  struct RangeWidgets {
    app::HourRange range;
    QLabel* title;
    QComboBox* lists[3];
  };

  void Build();
  QWidget* BuildFields();
  QWidget* BuildRanges();
  QWidget* BuildDateLines();
  void LeaveField(app::ParamField field);

  model::Model& model_;
  app::ParameterDialogModel& dialog_;
  std::vector<app::ParamField> fields_;
  app::PageLayout layout_;
  std::map<app::ParamField, QLineEdit*> edits_;
  std::map<app::ParamField, QLabel*> labels_;
  std::map<app::PageToggle, QCheckBox*> toggles_;
  std::vector<ChoiceWidgets> choices_;
  std::vector<RangeWidgets> ranges_;
  QGroupBox* fields_box_ = nullptr;
  QGroupBox* toggles_box_ = nullptr;
  QGroupBox* ranges_box_ = nullptr;
  QGroupBox* dates_box_ = nullptr;
  QLabel* range_heads_[3] = {};
  QLabel* caption_ = nullptr;
  QLabel* diameter_ = nullptr;
  QLabel* diameter_label_ = nullptr;
  QPlainTextEdit* date_lines_ = nullptr;
  QLabel* date_notes_ = nullptr;
  bool loading_ = false;
  bool closing_ = false;
  bool checking_ = false;
  bool just_refused_ = false;
};

}  // namespace lumtar::gui
