#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "dials/hour_line_angles.h"
#include "model/model.h"

namespace lumtar::gui {

// The hour-line angle table of the plain planar dials: the site and plane
// values, the title, the sunshine period, the style summary and the grid
// of four column groups (time, angle, tangent).
class AngleTablePanel : public QWidget {
  Q_OBJECT

 public:
  AngleTablePanel(model::Model& model, QWidget* parent = nullptr);

  // Fills the panel from `table` (computed for the model's dial).
  void Show(const dials::HourLineAngleTable& table);
  void Retranslate();

  QTableWidget* grid() { return grid_; }
  QCheckBox* longitude_check() { return longitude_; }

 signals:
  void LongitudeCorrectionToggled(bool on);
  void PrintRequested();
  void CloseRequested();

 private:
  model::Model& model_;
  QLabel* title_;
  QLabel* site_;
  QLabel* sunshine_;
  QLabel* summary_;
  QCheckBox* longitude_;
  QTableWidget* grid_;
  QPushButton* print_;
  QPushButton* close_;
};

}  // namespace lumtar::gui
