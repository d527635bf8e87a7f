#pragma once

#include <QAction>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QStackedWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "gui/main_window_activity.h"
#include "gui/wizard.h"
#include "model/model.h"
#include "platform/ui.h"

class QPrinter;

namespace lumtar::gui {

class GalleryPanel;
class Help;

// The main window: menus and shortcuts, the wizard, the work area with one
// activity window at a time, the gallery while the work area is empty,
// the global switches (expert mode, language, hints, screen format) and
// help. `factories` makes the windows it opens.
class MainWindow : public QMainWindow, public WizardHost {
  Q_OBJECT

 public:
  MainWindow(model::Model& model, platform::Ui& ui, WindowFactories factories,
             Help& help, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up steps that follow the first showing: lum.ini read, the
  // twilight kind, the date lines, the language applied, the font check.
  void StartUp();

  // The menu items, by their caption number 1..45 (the order of the
  // language tables); nullptr for a number that is no item.
  QAction* MenuAction(int item) const;
  QAction* wizard_action() const { return MenuAction(2); }

  Wizard& wizard() { return wizard_; }
  // The open activity window of `role`, or nullptr.
  QWidget* OpenWindowOf(WindowRole role) const;
  QWidget* colour_panel() const { return colour_panel_; }
  bool AnyWindowOpen() const;
  GalleryPanel* gallery() const { return gallery_; }
  QMdiArea* work_area() const { return mdi_; }

  // The menu commands.
  void StartWizard();
  void CloseAllOrCancel();
  void OpenActivity(WindowRole role);
  // The calculation menu: the calculator of `calc_mode` (1, 2, 4 or 8),
  // the rise and set table of the calculator's month, a year table, and
  // the graph window with one graph.
  void OpenCalculator(int calc_mode);
  void OpenMonthTable();
  void OpenYearTable(tables::YearTableKind kind);
  void OpenGraph(tables::GraphKind kind);
  CalculationState& calculation() { return *factories_.calculation; }
  void ToggleExpertMode();
  void SetLanguage(texts::Language language);
  void SetHints(bool on);
  void ShowHelp();
  void PrintActive();
  void PrintWindowImage();
  void SaveSettings();
  void ReloadSettings();
  void LoadDefaults();
  void SaveConstructionData();
  void LoadConstructionData();
  void SaveDateLines();
  void LoadDateLines();
  void PrinterSetup();
  void SetScreenFormat(bool a4);
  void ShowAbout();

  // Every caption of the menus in the model's language, check marks
  // included, and every open window retranslated.
  void ApplyLanguage();

  // WizardHost.
  void CloseAllWindows() override;
  QWidget* OpenWindow(WindowRole role, const QString& title) override;
  void WizardRunning(bool running) override;

  bool hints_on() const { return hints_on_; }
  // The popup menu the right mouse button shows now.
  QMenu* CurrentPopup() const;

  // Logs the time from `started` to the first painted frame (stderr).
  void LogFirstPaint(QElapsedTimer started);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct OpenEntry {
    WindowRole role;
    ActivityWindow window;
    QPointer<QWidget> widget;
    QPointer<QWidget> frame;  // the work-area frame of a non-dialog
  };

  // Follows the signals of a window the main window opened.
  void ConnectWindow(QWidget* window);
  void ConnectCalculationWindow(QWidget* window);
  // The colour panel closed: the open drawing follows the new colours.
  void RedrawAfterColours();
  void ShowColourPanel();
  void HideColourPanel();
  void BuildMenus();
  void BuildPopups();
  void UpdateMenuState();
  void RetranslatePopups();
  void WindowGone();
  void Reopen(WindowRole role);
  const OpenEntry* ActiveEntry() const;
  QPrinter& printer();

  model::Model& model_;
  platform::Ui& ui_;
  WindowFactories factories_;
  Help& help_;
  Wizard wizard_;
  QStackedWidget* central_ = nullptr;
  QMdiArea* mdi_ = nullptr;
  GalleryPanel* gallery_ = nullptr;
  std::vector<OpenEntry> open_;
  // The colour panel: a tool window beside the construction window, not
  // an activity of its own.
  QPointer<QWidget> colour_panel_;
  ActivityWindow colour_window_;
  std::array<QAction*, 46> items_{};   // by caption number, [0] unused
  QAction* nothing_action_ = nullptr;  // Ctrl+Alt+M
  QMenu* wizard_popup_ = nullptr;
  QMenu* normal_popup_ = nullptr;
  std::vector<std::pair<QAction*, int>> popup_texts_;  // action, text id
  QAction* popup_hints_ = nullptr;
  QAction* popup_save_dates_ = nullptr;
  QAction* popup_load_dates_ = nullptr;
  bool hints_on_ = false;
  bool screen_format_a4_ = true;
  QElapsedTimer started_;
  bool paint_logged_ = true;
};

// The windows of the program: the real ones where they exist.
WindowFactories DefaultWindowFactories(model::Model& model, platform::Ui& ui);

// The program's version text, as the caption and the About panel show it.
inline constexpr char kVersionText[] = " 8.1";

}  // namespace lumtar::gui
