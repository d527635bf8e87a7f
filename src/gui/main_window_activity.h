#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "tables/calculator.h"
#include "tables/graph_save.h"

namespace lumtar::gui {

// What the main window opens: the wizard's dialogs and the activity
// windows, each as one role. Only one of them is open at a time.
enum class WindowRole {
  kSite,          // site and year dialog
  kKind,          // dial kind dialog
  kParameters,    // dial parameter dialog
  kConstruction,  // construction window, in the work area
  kColours,       // colour panel
  kCalculator,    // sun calculator
  kTables,        // yearly tables
  kGraph,         // equation-of-time graph and sun path diagrams
};

// What the calculator, the tables and the graph window share and keep
// between openings: the calculator's state (CalcMode, its date and time,
// the year table kind) and the graph the graph window opens with. The
// main window sets them before it opens one of these windows.
struct CalculationState {
  tables::CalcState calc;
  tables::GraphKind graph = tables::GraphKind::kEot;
};

// An open window as the main window sees it: the widget (a QDialog shows
// as a window of its own, anything else in the work area) and the three
// things every window offers.
struct ActivityWindow {
  QWidget* widget = nullptr;
  std::function<void()> retranslate;  // captions in the current language
  std::function<int()> help_context;  // for F1
  std::function<void()> print;        // F3; empty: F3 does nothing
};

// The ActivityWindow of a window class with Retranslate() and
// HelpContext().
template <class W>
ActivityWindow MakeActivity(W* w) {
  ActivityWindow a;
  a.widget = w;
  a.retranslate = [w] { w->Retranslate(); };
  a.help_context = [w] { return w->HelpContext(); };
  return a;
}

// Makes the window of a role, parented to `parent`; an empty factory means
// the window does not exist yet (its menu items stay disabled).
using WindowFactory = std::function<ActivityWindow(QWidget* parent)>;

struct WindowFactories {
  WindowFactory site, kind, parameters, construction, colours, calculator,
      tables, graph;
  // Read by the calculator, tables and graph factories; the main window
  // makes one when none is given.
  std::shared_ptr<CalculationState> calculation;
  const WindowFactory& of(WindowRole role) const;
};

}  // namespace lumtar::gui
