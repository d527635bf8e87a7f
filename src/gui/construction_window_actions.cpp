// The actions of the construction window: zoom, display scale, printing,
// the save panel, construction data and the panels of the planar dials.
#include <QGuiApplication>

#include "app/construction_lists.h"
#include "app/construction_view.h"
#include "gui/construction_window.h"
#include "gui/qt_printer.h"

namespace lumtar::gui {

void ConstructionWindow::Display() {
  app::ResetView(model_);
  ShowPage(image_);
  Redraw();
}

void ConstructionWindow::DisplayWithGrid() {
  model_.window.DrawGrid = true;
  ShowPage(image_);
  Redraw();
}

void ConstructionWindow::ZoomIn() {
  app::StepZoom(model_, +1);
  Redraw();
}

void ConstructionWindow::ZoomOut() {
  app::StepZoom(model_, -1);
  Redraw();
}

void ConstructionWindow::SetPrintLikeScreen(bool on) {
  model_.window.PrintLikeScreen = on;
  print_like_action_->setChecked(on);
  a3_action_->setChecked(!on);
  emit PrintLikeScreenChanged(on);
  Redraw();
}

std::unique_ptr<platform::Printer> ConstructionWindow::MakePrinter(
    bool landscape) {
  if (printer_source_) return printer_source_();
  return ChoosePrinter(ProgramQPrinter(),
                       landscape ? platform::Orientation::kLandscape
                                 : platform::Orientation::kPortrait,
                       this);
}

void ConstructionWindow::Print() {
  if (angle_table_shown_) {
    const dials::HourLineAngleTable table = dials::ComputeHourLineAngles(
        model_, angle_panel_->longitude_check()->isChecked());
    if (auto printer = MakePrinter(false))
      app::PrintAngleList(table, *printer, ui_, model_.Language);
    return;
  }
  if (!app::TemporalHoursPrintable(model_, ui_)) return;
  auto printer = MakePrinter(true);
  if (!printer) return;
  app::PrintConstruction(*printer, model_, ui_);
  // The printer pass computes the construction on the page; the image
  // keeps its own.
  Redraw();
}

void ConstructionWindow::OpenSavePanel(app::SaveOutput output,
                                       app::CoordinateOutput preselect) {
  save_panel_->Open(output, preselect, app::ControlsFor(model_).coordinates);
}

void ConstructionWindow::OnSave(const app::SavePanelChoice& choice) {
  std::unique_ptr<platform::Printer> printer;
  if (choice.coordinates == app::CoordinateOutput::kPrinter)
    printer = MakePrinter(false);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const app::SavePanelOutcome outcome =
      app::RunSavePanel(model_, choice, ui_, printer.get());
  QGuiApplication::restoreOverrideCursor();
  // The converter's remarks go into the information panel.
  if (!outcome.messages.empty()) {
    style_panel_->Show(outcome.messages);
    ShowPage(style_panel_);
  }
}

void ConstructionWindow::SaveConstructionData() {
  ShowPage(image_);
  app::SaveConstructionData(model_, ui_);
}

void ConstructionWindow::LoadConstructionData() {
  if (!app::LoadConstructionData(model_, ui_)) return;
  emit ConstructionLoaded();
  Retranslate();
  ShowPage(image_);
  Redraw();
}

void ConstructionWindow::ShowAngleTable() {
  if (!app::ControlsFor(model_).angle_table) return;
  const dials::HourLineAngleTable table = dials::ComputeHourLineAngles(
      model_, angle_panel_->longitude_check()->isChecked());
  model_.window.HourLineAngles = table.HourLineAngles;
  model_.window.HourAngleLimits = {table.first_limit, table.last_limit};
  angle_panel_->Show(table);
  ShowPage(angle_panel_);
}

void ConstructionWindow::ShowStyleInformation() {
  if (!app::ControlsFor(model_).style_info) return;
  style_panel_->Show(app::StyleInformationLines(model_));
  ShowPage(style_panel_);
}

void ConstructionWindow::TogglePoleTriangle() {
  model_.options.ShowPoleTriangle = !model_.options.ShowPoleTriangle;
  pole_action_->setChecked(model_.options.ShowPoleTriangle);
  Redraw();
}

void ConstructionWindow::ToggleFootPointLines() {
  model_.options.HourLinesToFootPoint = !model_.options.HourLinesToFootPoint;
  foot_action_->setChecked(model_.options.HourLinesToFootPoint);
  Redraw();
}

}  // namespace lumtar::gui
