// The windows the program opens, by role, and how the main window follows
// their signals.
#include <QDialog>

#include "gui/colour_panel.h"
#include "gui/construction_window.h"
#include "gui/gallery.h"
#include "gui/kind_window.h"
#include "gui/main_window.h"
#include "gui/parameter_window.h"
#include "gui/site_window.h"
#include "model/catalogue.h"

namespace lumtar::gui {

WindowFactories DefaultWindowFactories(model::Model& model, platform::Ui& ui) {
  WindowFactories f;
  f.site = [&model, &ui](QWidget* parent) {
    return MakeActivity(new SiteWindow(model, ui, parent));
  };
  f.kind = [&model, &ui](QWidget* parent) {
    return MakeActivity(new KindWindow(model, ui, parent));
  };
  f.parameters = [&model, &ui](QWidget* parent) {
    return MakeActivity(new ParameterWindow(model, ui, parent));
  };
  f.construction = [&model, &ui](QWidget* parent) {
    auto* w = new ConstructionWindow(model, ui, parent);
    ActivityWindow a = MakeActivity(w);
    a.print = [w] { w->Print(); };
    return a;
  };
  f.colours = [&model, &ui](QWidget* parent) {
    return MakeActivity(new ColourPanel(model, ui, parent));
  };
  return f;
}

void MainWindow::ConnectWindow(QWidget* window) {
  auto* c = qobject_cast<ConstructionWindow*>(window);
  if (c == nullptr) return;
  connect(c, &ConstructionWindow::ParametersRequested, this,
          [this] { OpenActivity(WindowRole::kParameters); });
  connect(c, &ConstructionWindow::ColoursRequested, this,
          [this] { ShowColourPanel(); });
  connect(c, &ConstructionWindow::PrintLikeScreenChanged, this,
          [this](bool on) { SetScreenFormat(on); });
  connect(c, &ConstructionWindow::ConstructionLoaded, this,
          [this] { ApplyLanguage(); });
  connect(c, &ConstructionWindow::ImageRequested, this, [this] {
    // The sample picture of the current kind, in the emptied work area.
    CloseAllWindows();
    const int entry =
        model::KindToEntry(model_.DialKind, model_.selectors.UmbrellaFlag != 0);
    gallery_->ShowPictureOfKind(entry);
  });
}

void MainWindow::ShowColourPanel() {
  if (!factories_.colours) return;
  if (!colour_panel_) {
    ActivityWindow a = factories_.colours(this);
    if (a.widget == nullptr) return;
    colour_window_ = a;
    colour_panel_ = a.widget;
    // A tool window of its own beside the construction window.
    colour_panel_->setWindowFlags(Qt::Tool | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint);
    if (auto* panel = qobject_cast<ColourPanel*>(colour_panel_.data())) {
      connect(panel, &ColourPanel::Closed, this, [this] {
        if (auto* c = qobject_cast<ConstructionWindow*>(
                OpenWindowOf(WindowRole::kConstruction)))
          c->Redraw();
      });
    }
  }
  colour_panel_->show();
  colour_panel_->raise();
}

void MainWindow::HideColourPanel() {
  if (colour_panel_) colour_panel_->hide();
}

}  // namespace lumtar::gui
