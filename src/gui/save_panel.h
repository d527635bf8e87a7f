#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/construction_save.h"
#include "model/model.h"

namespace lumtar::gui {

// The save panel of the construction window: the title for HPGL or DXF,
// the file name field, the plot line width and the coordinate choice.
// "C&ontinue >>" (or Enter in the name field) emits ContinueRequested with
// the choice; the window runs the save.
class SavePanel : public QFrame {
  Q_OBJECT

 public:
  SavePanel(model::Model& model, QWidget* parent = nullptr);

  // Shows the panel for `output`; `preselect` picks the coordinate choice
  // (the coordinates button preselects the file). The coordinate choice
  // is enabled only when `coordinates_allowed`.
  void Open(app::SaveOutput output, app::CoordinateOutput preselect,
            bool coordinates_allowed);
  app::SavePanelChoice Choice() const;
  void Retranslate();

  QLineEdit* name_field() { return name_; }
  QComboBox* line_width() { return width_; }
  QRadioButton* coordinate_button(app::CoordinateOutput c) {
    return coordinates_[static_cast<int>(c)];
  }
  QPushButton* continue_button() { return continue_; }

 signals:
  void ContinueRequested(app::SavePanelChoice choice);

 private:
  void UpdateNames();

  model::Model& model_;
  app::SaveOutput output_ = app::SaveOutput::kHpgl;
  QLabel* title_;
  QLineEdit* name_;
  QLabel* coordinate_name_;
  QComboBox* width_;
  QButtonGroup* group_;
  QRadioButton* coordinates_[3];
  QPushButton* continue_;
  QPushButton* close_;
};

}  // namespace lumtar::gui
