#pragma once

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "gui/calculator_window_printer.h"
#include "model/model.h"
#include "platform/printer.h"
#include "platform/ui.h"
#include "tables/calculator.h"
#include "tables/table_print.h"

namespace lumtar::gui {

// The sun calculator: one window for the four calculators (rise and set,
// position of the sun, time of an azimuth, equation of time and
// declination at noon), chosen by the CalcMode of its state when it opens.
// The widgets only move texts to and from the calculator of tables/, which
// owns the field rules, the result list, the zone warning and the print
// flow; the window shows the result panel of the mode and the result list.
class CalculatorWindow : public QWidget {
  Q_OBJECT

 public:
  // `state` holds the values that outlive the window (CalcMode, the date,
  // the time, the azimuth, the year table kind); without one the window
  // keeps its own, starting on today's date.
  CalculatorWindow(model::Model& model, platform::Ui& ui,
                   QWidget* parent = nullptr,
                   tables::CalcState* state = nullptr);
  ~CalculatorWindow() override;

  void Retranslate();
  int HelpContext() const;
  // Opens the calculator of `calc_mode` (1, 2, 4 or 8) in this window.
  void SetMode(int calc_mode);

  // The actions of the buttons and menus.
  bool Calculate();   // "Berechnung"
  void ShowTables();  // "Tables": calculates, hands over, closes
  void ChooseMoreTables(tables::Calculator::MoreTables entry);
  void Print();  // "&Print" and F3: with the form-feed question
  void PrintWithFormFeed();
  void PrintWithoutFormFeed();
  void PrintPage();

  // Where printouts go: by default the print dialog, asked when a page
  // starts; tests print into PDF files.
  using PrinterSource = std::function<std::unique_ptr<platform::Printer>()>;
  void SetPrinterSource(PrinterSource source) {
    printer_source_ = std::move(source);
  }

  const tables::Calculator& calculator() const { return calc_; }
  const tables::CalcState& state() const { return *state_; }
  QLineEdit* field(tables::Calculator::Field f) const;
  QPushButton* button(const char* name) const;
  QLabel* label(const char* name) const;
  QPlainTextEdit* result_view() const { return result_view_; }
  QStackedWidget* panels() const { return panels_; }
  QMenu* more_tables_menu() const { return more_menu_; }
  QRadioButton* time_kind_button(int index) const;
  QRadioButton* twilight_button(int index) const;
  bool print_channel_open() const;

 signals:
  // The calculator hands over to the tables window and closes.
  void TablesRequested(const tables::Calculator::TablesRequest& request);
  void EotGraphRequested();          // the graph button of the noon panel
  void SunPathRequested();           // the graph button of the position panel
  void SaveSettingsRequested();      // the main window's "Save INI-File"
  void LoadConstructionRequested();  // "Load Sundial Data from..."
  void Closing();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFields(QWidget* box);
  void BuildPanels();
  void BuildButtons(QWidget* column);
  void BuildMenus();
  QLabel* AddValue(QWidget* panel, QGridLayout* grid, int row,
                   const char* caption_name, const char* value_name);
  void Leave(tables::Calculator::Field f);
  void ToModel();
  void FromModel();
  void ShowResult();
  void ApplyView();
  tables::TextChannel& Channel();
  std::unique_ptr<platform::Printer> MakePrinter();

  model::Model& model_;
  platform::Ui& ui_;
  std::unique_ptr<tables::CalcState> own_state_;
  tables::CalcState* state_;
  tables::Calculator calc_;
  PrinterSource printer_source_;
  std::unique_ptr<DeferredPrinter> printer_;
  std::unique_ptr<tables::TextChannel> channel_;

  QMenuBar* menu_bar_;
  QMenu* file_menu_;
  QMenu* more_menu_;
  QMenu* print_menu_;
  QAction* save_settings_action_;
  QAction* load_data_action_;
  QAction* more_actions_[4];
  QAction* print_ff_action_;
  QAction* print_noff_action_;
  QAction* print_page_action_;
  QGroupBox* site_box_;
  QGroupBox* time_kind_box_;
  QGroupBox* twilight_box_;
  QButtonGroup* time_kinds_;
  QButtonGroup* twilights_;
  QWidget* time_row_;
  QWidget* azimuth_row_;
  QStackedWidget* panels_;
  QPlainTextEdit* result_view_;
  QLabel* result_caption_;
  // Captions rewritten on a language switch: text table ids and
  // PhraseTable entries (shown trimmed).
  std::vector<std::pair<QLabel*, int>> text_captions_;
  std::vector<std::pair<QLabel*, int>> phrase_captions_;
  bool syncing_ = false;
};

}  // namespace lumtar::gui

Q_DECLARE_METATYPE(lumtar::tables::Calculator::TablesRequest)
