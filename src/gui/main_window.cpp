#include "gui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDate>
#include <QDialog>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QToolTip>
#include <cstdio>

#include "gui/gallery.h"
#include "gui/help.h"
#include "gui/qt_printer.h"

namespace lumtar::gui {

const WindowFactory& WindowFactories::of(WindowRole role) const {
  switch (role) {
    case WindowRole::kSite:
      return site;
    case WindowRole::kKind:
      return kind;
    case WindowRole::kParameters:
      return parameters;
    case WindowRole::kConstruction:
      return construction;
    case WindowRole::kColours:
      return colours;
    case WindowRole::kCalculator:
      return calculator;
    case WindowRole::kTables:
      return tables;
    case WindowRole::kGraph:
      return graph;
  }
  return site;
}

MainWindow::MainWindow(model::Model& model, platform::Ui& ui,
                       WindowFactories factories, Help& help, QWidget* parent)
    : QMainWindow(parent),
      model_(model),
      ui_(ui),
      factories_(std::move(factories)),
      help_(help),
      wizard_(model, *this, this) {
  setObjectName("Form1");
  if (!factories_.calculation)
    factories_.calculation = std::make_shared<CalculationState>(
        CalculationState{tables::StartupCalcState(QDate::currentDate().month(),
                                                  QDate::currentDate().day())});
  mdi_ = new QMdiArea;
  mdi_->setViewMode(QMdiArea::SubWindowView);
  mdi_->viewport()->setMouseTracking(true);  // the gallery comes back
  gallery_ = new GalleryPanel(model_);
  central_ = new QStackedWidget;
  central_->addWidget(gallery_);
  central_->addWidget(mdi_);
  setCentralWidget(central_);
  statusBar();
  BuildMenus();
  BuildPopups();
  // The screen format is part of the construction window's scale.
  model_.window.PrintLikeScreen = screen_format_a4_;
  qApp->installEventFilter(this);
  ApplyLanguage();
  UpdateMenuState();
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  model_.WizardState = 0;
  // The windows die with their parent; they must not call back into a
  // main window that is half gone.
  for (const OpenEntry& e : open_)
    if (e.widget) e.widget->disconnect(this);
  open_.clear();
  if (colour_panel_) colour_panel_->disconnect(this);
}

void MainWindow::LogFirstPaint(QElapsedTimer started) {
  started_ = started;
  paint_logged_ = false;
}

QAction* MainWindow::MenuAction(int item) const {
  if (item < 1 || item >= static_cast<int>(items_.size())) return nullptr;
  return items_[item];
}

QWidget* MainWindow::OpenWindowOf(WindowRole role) const {
  for (const OpenEntry& e : open_)
    if (e.role == role && e.widget) return e.widget;
  return nullptr;
}

bool MainWindow::AnyWindowOpen() const {
  for (const OpenEntry& e : open_)
    if (e.widget) return true;
  return false;
}

void MainWindow::CloseAllWindows() {
  std::vector<OpenEntry> closing;
  closing.swap(open_);
  for (OpenEntry& e : closing) {
    if (e.frame)
      e.frame->close();
    else if (e.widget)
      e.widget->close();
  }
  WindowGone();
}

QWidget* MainWindow::OpenWindow(WindowRole role, const QString& title) {
  const WindowFactory& factory = factories_.of(role);
  if (!factory) return nullptr;
  ActivityWindow a = factory(this);
  if (a.widget == nullptr) return nullptr;
  QWidget* w = a.widget;
  w->setAttribute(Qt::WA_DeleteOnClose);
  OpenEntry entry{role, a, w, nullptr};
  if (auto* dialog = qobject_cast<QDialog*>(w)) {
    if (!title.isEmpty()) dialog->setWindowTitle(title);
    connect(dialog, &QDialog::finished, this, [this, dialog] {
      std::erase_if(open_, [dialog](const OpenEntry& e) {
        return e.widget == dialog || !e.widget;
      });
      WindowGone();
    });
  }
  connect(w, &QObject::destroyed, this, [this] {
    std::erase_if(open_, [](const OpenEntry& e) { return !e.widget; });
    WindowGone();
  });
  w->installEventFilter(this);
  ConnectWindow(w);
  central_->setCurrentWidget(mdi_);
  gallery_->StopSlideShow();
  if (qobject_cast<QDialog*>(w)) {
    if (model_.NormalWindowSize)
      w->show();
    else
      w->showMaximized();
    w->raise();
    w->activateWindow();
  } else {
    QMdiSubWindow* frame = mdi_->addSubWindow(w);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    entry.frame = frame;
    frame->showMaximized();
  }
  open_.push_back(entry);
  UpdateMenuState();
  return w;
}

void MainWindow::WindowGone() {
  if (!AnyWindowOpen()) central_->setCurrentWidget(gallery_);
  UpdateMenuState();
}

void MainWindow::WizardRunning(bool) {
  if (!wizard_.running()) central_->setCurrentWidget(gallery_);
  UpdateMenuState();
}

void MainWindow::StartWizard() {
  gallery_->StopSlideShow();
  if (!wizard_.running()) HideColourPanel();
  wizard_.Start();
}

void MainWindow::CloseAllOrCancel() {
  if (wizard_.running())
    wizard_.Cancel();
  else
    CloseAllWindows();
}

void MainWindow::OpenActivity(WindowRole role) {
  if (!factories_.of(role)) return;
  if (role == WindowRole::kColours) {
    ShowColourPanel();
    return;
  }
  const bool wizard_step = role == WindowRole::kSite ||
                           role == WindowRole::kKind ||
                           role == WindowRole::kParameters;
  if (wizard_.running() && wizard_step) return;
  if (wizard_.running()) wizard_.Cancel();
  CloseAllWindows();
  HideColourPanel();
  gallery_->StopSlideShow();
  if (!model_.DialogsValid) return;
  if (role == WindowRole::kConstruction && !model_.ParametersValid) return;
  OpenWindow(role, QString());
}

void MainWindow::OpenCalculator(int calc_mode) {
  calculation().calc.CalcMode = calc_mode;
  OpenActivity(WindowRole::kCalculator);
}

void MainWindow::OpenMonthTable() {
  // The rise and set table of the calculator's month.
  calculation().calc.CalcMode = tables::kCalcRiseSet;
  OpenActivity(WindowRole::kTables);
}

void MainWindow::OpenYearTable(tables::YearTableKind kind) {
  calculation().calc.CalcMode = tables::kCalcEquationOfTime;
  calculation().calc.YearTableKind = kind;
  OpenActivity(WindowRole::kTables);
}

void MainWindow::OpenGraph(tables::GraphKind kind) {
  calculation().graph = kind;
  OpenActivity(WindowRole::kGraph);
}

void MainWindow::Reopen(WindowRole role) {
  if (wizard_.running() && wizard_.step() == role) {
    wizard_.Reopen();
    return;
  }
  OpenActivity(role);
}

const MainWindow::OpenEntry* MainWindow::ActiveEntry() const {
  QWidget* active = QApplication::activeWindow();
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  const OpenEntry* any = nullptr;
  for (const OpenEntry& e : open_) {
    if (!e.widget) continue;
    if (e.widget == active || (sub && e.frame == sub)) return &e;
    any = &e;
  }
  return any;  // one window at a time: the open one
}

QMenu* MainWindow::CurrentPopup() const {
  return wizard_.running() ? wizard_popup_ : normal_popup_;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
  const OpenEntry* e = ActiveEntry();
  const bool parameters_active = e && e->role == WindowRole::kParameters;
  popup_save_dates_->setVisible(parameters_active);
  popup_load_dates_->setVisible(parameters_active);
  CurrentPopup()->popup(event->globalPos());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ToolTip:
      // Hints off: no tool tips anywhere. On: the status bar echoes them.
      if (!hints_on_) return true;
      if (auto* w = qobject_cast<QWidget*>(watched);
          w && !w->toolTip().isEmpty())
        statusBar()->showMessage(w->toolTip(), 4000);
      break;
    case QEvent::ContextMenu:
      for (const OpenEntry& e : open_) {
        if (e.widget == watched) {
          contextMenuEvent(static_cast<QContextMenuEvent*>(event));
          return true;
        }
      }
      break;
    case QEvent::Paint:
      if (!paint_logged_ && watched->isWidgetType() &&
          (watched == this || isAncestorOf(static_cast<QWidget*>(watched)))) {
        paint_logged_ = true;
        std::fprintf(stderr,
                     "lumtar: main window painted %lld ms after start\n",
                     static_cast<long long>(started_.elapsed()));
      }
      break;
    case QEvent::MouseMove:
      if (watched == mdi_->viewport() && !AnyWindowOpen())
        central_->setCurrentWidget(gallery_);
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  gallery_->StopSlideShow();
  model_.WizardState = 0;
  CloseAllWindows();
  if (colour_panel_) colour_panel_->close();
  QMainWindow::closeEvent(event);
}

QPrinter& MainWindow::printer() { return ProgramQPrinter(); }

}  // namespace lumtar::gui
