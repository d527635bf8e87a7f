// The windows the program opens, by role, and how the main window follows
// their signals.
#include <QDate>
#include <QDialog>
#include <QMetaObject>
#include <QShortcut>

#include "app/palette_file.h"
#include "app/program_directory.h"
#include "gui/calculator_window.h"
#include "gui/colour_panel.h"
#include "gui/construction_window.h"
#include "gui/gallery.h"
#include "gui/graph_window.h"
#include "gui/kind_window.h"
#include "gui/main_window.h"
#include "gui/parameter_window.h"
#include "gui/site_window.h"
#include "gui/tables_window.h"
#include "model/catalogue.h"

namespace lumtar::gui {

namespace {

// A window's own F3 key serves it when it stands alone; inside the main
// window the main menu's F3 prints it, and two F3 keys would cancel out.
void LeaveF3ToTheMainMenu(QWidget* w) {
  for (QShortcut* s : w->findChildren<QShortcut*>())
    if (s->key() == QKeySequence(Qt::Key_F3)) s->setEnabled(false);
}

template <class W>
ActivityWindow PrintableActivity(W* w) {
  LeaveF3ToTheMainMenu(w);
  ActivityWindow a = MakeActivity(w);
  a.print = [w] { w->Print(); };
  return a;
}

// The palette buttons of the colour panel work on the program's lum.ini.
ColourPanel::PaletteFile SettingsPalette() {
  ColourPanel::PaletteFile file;
  file.save = [](model::Model& m, platform::Ui& u) {
    return app::SavePalette(m, app::SettingsPath(), u) ==
           app::PaletteFileStatus::kSaved;
  };
  file.load = [](model::Model& m, platform::Ui& u) {
    const app::PaletteFileStatus s =
        app::LoadPalette(m, app::SettingsPath(), u);
    // A missing lum.ini gives the built-in colours: a change as well.
    return s == app::PaletteFileStatus::kLoaded ||
           s == app::PaletteFileStatus::kMissing;
  };
  return file;
}

}  // namespace

WindowFactories DefaultWindowFactories(model::Model& model, platform::Ui& ui) {
  WindowFactories f;
  f.calculation = std::make_shared<CalculationState>(
      CalculationState{tables::StartupCalcState(QDate::currentDate().month(),
                                                QDate::currentDate().day())});
  const std::shared_ptr<CalculationState> shared = f.calculation;
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
    return MakeActivity(new ColourPanel(model, ui, parent, SettingsPalette()));
  };
  f.calculator = [&model, &ui, shared](QWidget* parent) {
    return PrintableActivity(
        new CalculatorWindow(model, ui, parent, &shared->calc));
  };
  f.tables = [&model, &ui, shared](QWidget* parent) {
    return PrintableActivity(
        new TablesWindow(model, ui, parent, &shared->calc));
  };
  f.graph = [&model, &ui, shared](QWidget* parent) {
    return PrintableActivity(new GraphWindow(model, ui, parent, shared->graph));
  };
  return f;
}

void MainWindow::ConnectCalculationWindow(QWidget* window) {
  if (auto* calc = qobject_cast<CalculatorWindow*>(window)) {
    // The calculator closes itself after the hand-over; the tables window
    // opens once it has.
    connect(calc, &CalculatorWindow::TablesRequested, this,
            [this](const tables::Calculator::TablesRequest& request) {
              QMetaObject::invokeMethod(
                  this,
                  [this, request] {
                    calculation().calc.CalcMode =
                        request.month_table ? tables::kCalcRiseSet
                                            : tables::kCalcEquationOfTime;
                    calculation().calc.YearTableKind = request.kind;
                    OpenActivity(WindowRole::kTables);
                    if (auto* t = qobject_cast<TablesWindow*>(
                            OpenWindowOf(WindowRole::kTables)))
                      t->ShowRequest(request);
                  },
                  Qt::QueuedConnection);
            });
    connect(calc, &CalculatorWindow::EotGraphRequested, this,
            [this] { OpenGraph(tables::GraphKind::kEot); });
    connect(calc, &CalculatorWindow::SunPathRequested, this,
            [this] { OpenGraph(tables::GraphKind::kSunPathRect); });
    connect(calc, &CalculatorWindow::SaveSettingsRequested, this,
            [this] { SaveSettings(); });
    connect(calc, &CalculatorWindow::LoadConstructionRequested, this,
            [this] { LoadConstructionData(); });
    return;
  }
  if (auto* t = qobject_cast<TablesWindow*>(window)) {
    connect(t, &TablesWindow::EotGraphRequested, this,
            [this] { OpenGraph(tables::GraphKind::kEot); });
    connect(t, &TablesWindow::SunPathRequested, this, [this](bool polar) {
      OpenGraph(polar ? tables::GraphKind::kSunPathPolar
                      : tables::GraphKind::kSunPathRect);
    });
  }
}

void MainWindow::RedrawAfterColours() {
  if (auto* c = qobject_cast<ConstructionWindow*>(
          OpenWindowOf(WindowRole::kConstruction)))
    c->Redraw();
  if (auto* t = qobject_cast<TablesWindow*>(OpenWindowOf(WindowRole::kTables)))
    t->ShowChoice(t->choice());
  if (auto* g = qobject_cast<GraphWindow*>(OpenWindowOf(WindowRole::kGraph)))
    g->Redraw();
}

void MainWindow::ConnectWindow(QWidget* window) {
  ConnectCalculationWindow(window);
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
      connect(panel, &ColourPanel::Closed, this,
              [this] { RedrawAfterColours(); });
    }
  }
  colour_panel_->show();
  colour_panel_->raise();
}

void MainWindow::HideColourPanel() {
  if (colour_panel_) colour_panel_->hide();
}

}  // namespace lumtar::gui
