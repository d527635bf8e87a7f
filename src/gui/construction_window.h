#pragma once

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/construction_dispatch.h"
#include "app/construction_save.h"
#include "gui/angle_table_panel.h"
#include "gui/construction_window_image.h"
#include "gui/save_panel.h"
#include "gui/shadow_preview.h"
#include "gui/style_info_panel.h"
#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"

namespace lumtar::gui {

// The construction window: shows the current dial through the dispatch
// table (so every kind that has a construction appears here unchanged),
// places the gnomon foot and the text box with the mouse, zooms, draws with
// a grid, switches the display scale, prints, saves HPGL, DXF and
// coordinate lists, saves and loads construction data, and for the plain
// planar dials shows the hour-line angle table, the style information and
// the shadow of the real sun. It owns no geometry: each action calls the
// rules of app/.
class ConstructionWindow : public QWidget {
  Q_OBJECT

 public:
  ConstructionWindow(model::Model& model, platform::Ui& ui,
                     QWidget* parent = nullptr);
  ~ConstructionWindow() override;

  void Retranslate();
  int HelpContext() const;
  // Redraws after a model change (colours, parameters, a loaded file).
  void Redraw();

  // The actions of the buttons and the popup menu.
  void Display();          // "&Display": Zoom 1, no grid, draw
  void DisplayWithGrid();  // "...+&Grid"
  void ZoomIn();
  void ZoomOut();
  void SetPrintLikeScreen(bool on);  // the two display scale items
  void Print();
  void OpenSavePanel(app::SaveOutput output, app::CoordinateOutput preselect);
  void SaveHpgl() {
    OpenSavePanel(app::SaveOutput::kHpgl, app::CoordinateOutput::kNone);
  }
  void SaveDxf() {
    OpenSavePanel(app::SaveOutput::kDxf, app::CoordinateOutput::kNone);
  }
  void SaveCoordinates() {
    OpenSavePanel(app::SaveOutput::kDxf, app::CoordinateOutput::kFile);
  }
  void SaveConstructionData();
  void LoadConstructionData();
  void ShowAngleTable();
  void ShowStyleInformation();
  void TogglePoleTriangle();
  void ToggleFootPointLines();

  // Where printouts go: by default the print dialog on the program's
  // printer (nullptr when cancelled); tests print into PDF files.
  using PrinterSource = std::function<std::unique_ptr<platform::Printer>()>;
  void SetPrinterSource(PrinterSource source) {
    printer_source_ = std::move(source);
  }

  const QImage& image() const { return image_->image(); }
  ConstructionImage* image_widget() { return image_; }
  SavePanel* save_panel() { return save_panel_; }
  AngleTablePanel* angle_table_panel() { return angle_panel_; }
  StyleInfoPanel* style_info_panel() { return style_panel_; }
  ShadowPreview* shadow_preview() { return shadow_; }
  bool angle_table_shown() const { return angle_table_shown_; }
  app::ConstructionStatus last_status() const { return last_status_; }
  const dials::ShadowPoint& shadow_point() const { return shadow_point_; }
  QMenu* popup_menu() { return menu_; }
  QPushButton* button(const char* name) const;

 signals:
  void ParametersRequested();  // "Para&meter": the dial parameter dialog
  void ImageRequested();       // "&Image ": the kind's sample photo
  void ColoursRequested();     // "Colors": the colour panel
  void PrintLikeScreenChanged(bool on);
  void ConstructionLoaded();  // the model was replaced from a file
  void Closing();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildButtons(QWidget* column);
  void BuildMenu();
  void UpdateControls();
  void OnClick(QPoint position, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers);
  void OnWheel(int delta);
  void OnSave(const app::SavePanelChoice& choice);
  void UpdateShadow();
  void PaintOverlay(QPainter& painter);
  void ShowPage(QWidget* page);
  std::unique_ptr<platform::Printer> MakePrinter(bool landscape);

  model::Model& model_;
  platform::Ui& ui_;
  PrinterSource printer_source_;

  QStackedWidget* stack_;
  ConstructionImage* image_;
  AngleTablePanel* angle_panel_;
  StyleInfoPanel* style_panel_;
  SavePanel* save_panel_;
  ShadowPreview* shadow_;
  QLabel* warning_;
  QCheckBox* coastlines_;
  QCheckBox* borders_;
  QSlider* map_scale_;
  QLabel* map_scale_label_;
  QMenu* menu_;
  QAction* redraw_action_;
  QAction* grid_action_;
  QAction* zoom_in_action_;
  QAction* zoom_out_action_;
  QAction* print_like_action_;
  QAction* a3_action_;
  QAction* print_action_;
  QAction* hpgl_action_;
  QAction* dxf_action_;
  QAction* save_data_action_;
  QAction* load_data_action_;
  QAction* style_action_;
  QAction* pole_action_;
  QAction* foot_action_;

  bool angle_table_shown_ = false;
  bool placing_hint_ = true;  // "Please fix the gnomon position ..."
  app::ConstructionStatus last_status_ = app::ConstructionStatus::kRefused;
  dials::ShadowPoint shadow_point_;
};

}  // namespace lumtar::gui
