#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/tables_view.h"
#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"
#include "tables/calculator.h"
#include "tables/table.h"

namespace lumtar::gui {

// The tables window: shows one table of the year in a fixed-pitch font
// made small enough for 42 lines and the widest line, and lets the user
// choose the year table kind, the month or half-year of the rise and set
// tables, the twilight, and the symmetric equation-of-time table; exports
// the table as text or CSV and prints it. The tables themselves come from
// tables/; the window only chooses, shows and hands them on.
class TablesWindow : public QWidget {
  Q_OBJECT

 public:
  // `state` is the calculator's shared state (its month and year table
  // kind); without one the window keeps its own.
  TablesWindow(model::Model& model, platform::Ui& ui, QWidget* parent = nullptr,
               tables::CalcState* state = nullptr);
  ~TablesWindow() override;

  void Retranslate();
  int HelpContext() const;

  // Shows the table the calculator handed over.
  void ShowRequest(const tables::Calculator::TablesRequest& request);
  // Shows the table of `choice` (built afresh for the model).
  void ShowChoice(const app::TableChoice& choice);

  void Export();         // "save": text or CSV
  void SaveSymmetric();  // the symmetric table's own save button
  void Print();          // "&Print" and F3

  using PrinterSource = std::function<std::unique_ptr<platform::Printer>()>;
  void SetPrinterSource(PrinterSource source) {
    printer_source_ = std::move(source);
  }

  const app::TableChoice& choice() const { return choice_; }
  const tables::TableText& table() const { return table_; }
  QPlainTextEdit* view() const { return view_; }
  int font_points() const { return font_points_; }
  QRadioButton* year_kind_button(int kind) const;
  QRadioButton* month_scope_button(int scope) const;  // 0 month, 1, 2 halves
  QComboBox* month_list() const { return months_; }
  QComboBox* twilight_list() const { return twilight_; }
  QComboBox* symmetric_lines() const { return symmetric_lines_; }
  QCheckBox* symmetric_check() const { return symmetric_; }
  QPushButton* button(const char* name) const;

 signals:
  void EotGraphRequested();
  void SunPathRequested(bool polar);
  void Closing();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(QWidget* column);
  void UpdateControls();
  void FitFont();
  void Rebuild();
  std::unique_ptr<platform::Printer> MakePrinter(bool landscape);

  model::Model& model_;
  platform::Ui& ui_;
  std::unique_ptr<tables::CalcState> own_state_;
  tables::CalcState* state_;
  app::TableChoice choice_;
  tables::TableText table_;
  PrinterSource printer_source_;
  int font_points_ = app::kTableStartPoints;
  bool updating_ = false;

  QPlainTextEdit* view_;
  QGroupBox* year_box_;
  QGroupBox* month_box_;
  QButtonGroup* year_kinds_;
  QButtonGroup* month_scopes_;
  QComboBox* months_;
  QComboBox* twilight_;
  QCheckBox* symmetric_;
  QComboBox* symmetric_lines_;
};

}  // namespace lumtar::gui
