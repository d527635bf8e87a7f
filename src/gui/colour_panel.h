#pragma once

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "model/model.h"
#include "platform/ui.h"

namespace lumtar::gui {

// The colour panel: the heading of the current dial family, the twelve
// role rows with their swatches, the line width, "&Save Colors", "&Load
// Colors" and "Colors &Reset", and two pattern images (the current set and
// the built-in colours). Closing it emits Closed, on which the main window
// redraws an open construction.
class ColourPanel : public QWidget {
  Q_OBJECT

 public:
  // Where the palette is kept: saving into and loading from the "[Farben]"
  // section of lum.ini. Both return true when the model's palette was
  // saved or changed; without them the two buttons stay disabled.
  struct PaletteFile {
    std::function<bool(model::Model&, platform::Ui&)> save;
    std::function<bool(model::Model&, platform::Ui&)> load;
  };

  ColourPanel(model::Model& model, platform::Ui& ui, QWidget* parent = nullptr,
              PaletteFile file = {});

  void Retranslate();
  int HelpContext() const { return 8; }
  // Fills the heading, rows, swatches and line width from the model
  // (as when shown).
  void Refresh();

  // The colour dialog; tests answer it instead.
  using ColourChooser = std::function<std::optional<QColor>(const QColor&)>;
  void SetColourChooser(ColourChooser chooser) {
    chooser_ = std::move(chooser);
  }
  void SetPaletteFile(PaletteFile file);

  // Colour number n (1..12) picked through the chooser.
  void PickColour(int n);
  void ResetColours();

  QLabel* heading() { return heading_; }
  QTableWidget* rows() { return rows_; }
  QPushButton* swatch(int n) { return swatches_[n - 1]; }
  QRadioButton* width_button(int k) { return widths_[k]; }
  QPushButton* save_button() { return save_; }
  QPushButton* load_button() { return load_; }
  QPushButton* reset_button() { return reset_; }
  const QImage& actual_pattern() const { return actual_; }

 signals:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void DrawPatterns();

  model::Model& model_;
  platform::Ui& ui_;
  PaletteFile file_;
  ColourChooser chooser_;
  QLabel* heading_;
  QTableWidget* rows_;
  std::array<QPushButton*, 12> swatches_;
  std::array<QLabel*, 12> labels_;
  QButtonGroup* width_group_;
  QLabel* width_title_;
  std::array<QRadioButton*, 3> widths_;
  QLabel* actual_label_;
  QLabel* original_label_;
  QLabel* actual_view_;
  QLabel* original_view_;
  QImage actual_;
  QImage original_;
  QPushButton* save_;
  QPushButton* load_;
  QPushButton* reset_;
  QPushButton* close_;
};

}  // namespace lumtar::gui
