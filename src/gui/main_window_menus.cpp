// The main menu, its shortcuts and captions, and the two popup menus.
#include <QActionGroup>
#include <QApplication>
#include <QKeySequence>
#include <QMenuBar>

#include "gui/gallery.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "texts/captions.h"
#include "texts/text_table.h"

namespace lumtar::gui {

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  const auto item = [this](QMenu* menu, int n, QKeySequence key,
                           std::function<void()> run) {
    QAction* a = menu->addAction(QString::number(n));
    if (!key.isEmpty()) {
      a->setShortcut(key);
      a->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (run) connect(a, &QAction::triggered, this, std::move(run));
    items_[n] = a;
    return a;
  };
  const auto top = [this, bar](int n) {
    QMenu* m = bar->addMenu(QString::number(n));
    items_[n] = m->menuAction();
    return m;
  };
  const auto sub = [this](QMenu* parent_menu, int n) {
    QMenu* m = parent_menu->addMenu(QString::number(n));
    items_[n] = m->menuAction();
    return m;
  };
  using K = QKeySequence;

  QMenu* files = top(1);
  item(files, 2, K(Qt::ALT | Qt::Key_F1), [this] { StartWizard(); });
  item(files, 3, K(Qt::ALT | Qt::Key_F3), [this] { CloseAllOrCancel(); });
  item(files, 4, K(), [this] { PrinterSetup(); });
  item(files, 5, K(Qt::Key_F3), [this] { PrintActive(); });
  item(files, 6, K(), [this] { PrintWindowImage(); });
  files->addSeparator();
  item(files, 7, K(Qt::ALT | Qt::Key_X), [this] { close(); });

  QMenu* options = top(8);
  item(options, 9, K(Qt::Key_F5), [this] { OpenActivity(WindowRole::kSite); });
  item(options, 10, K(Qt::Key_F6), [this] { OpenActivity(WindowRole::kKind); });
  item(options, 11, K(Qt::Key_F7),
       [this] { OpenActivity(WindowRole::kParameters); });
  options->addSeparator();
  item(options, 12, K(), [this] { LoadDefaults(); });
  item(options, 13, K(Qt::ALT | Qt::Key_F2), [this] { SaveSettings(); });
  item(options, 14, K(Qt::ALT | Qt::Key_F4), [this] { ReloadSettings(); });
  options->addSeparator();
  item(options, 15, K(Qt::Key_F2), [this] { SaveConstructionData(); });
  item(options, 16, K(Qt::Key_F4), [this] { LoadConstructionData(); });

  QMenu* display = top(17);
  item(display, 18, K(Qt::Key_F8),
       [this] { OpenActivity(WindowRole::kConstruction); });
  QMenu* format = sub(display, 19);
  auto* formats = new QActionGroup(this);
  for (int n : {20, 21}) {
    QAction* a = item(format, n, K(), [this, n] { SetScreenFormat(n == 20); });
    a->setCheckable(true);
    formats->addAction(a);
  }
  items_[20]->setChecked(screen_format_a4_);
  items_[21]->setChecked(!screen_format_a4_);
  item(display, 22, K(Qt::ALT | Qt::Key_F8),
       [this] { OpenActivity(WindowRole::kColours); });

  // The calculators, the tables and the graphs, each opening its window
  // in the mode of its item.
  QMenu* calc = top(23);
  using YK = tables::YearTableKind;
  using GK = tables::GraphKind;
  item(calc, 24, K(Qt::Key_F9),
       [this] { OpenCalculator(tables::kCalcRiseSet); });
  item(calc, 25, K(Qt::Key_F10),
       [this] { OpenCalculator(tables::kCalcPosition); });
  item(calc, 26, K(Qt::Key_F11),
       [this] { OpenCalculator(tables::kCalcAzimuthTime); });
  item(calc, 27, K(Qt::Key_F12),
       [this] { OpenCalculator(tables::kCalcEquationOfTime); });
  QMenu* table_menu = sub(calc, 28);
  item(table_menu, 29, K(Qt::ALT | Qt::Key_F9), [this] { OpenMonthTable(); });
  item(table_menu, 30, K(Qt::ALT | Qt::Key_F12),
       [this] { OpenYearTable(YK::kEquationOfTime); });
  item(table_menu, 31, K(Qt::ALT | Qt::Key_F10),
       [this] { OpenYearTable(YK::kDeclination); });
  item(table_menu, 32, K(Qt::ALT | Qt::Key_F11),
       [this] { OpenYearTable(YK::kMeridianPassage); });
  item(calc, 33, K(Qt::CTRL | Qt::Key_F12), [this] { OpenGraph(GK::kEot); });
  QMenu* path = sub(calc, 34);
  item(path, 35, K(Qt::CTRL | Qt::Key_F10),
       [this] { OpenGraph(GK::kSunPathRect); });
  item(path, 36, K(Qt::CTRL | Qt::Key_F11),
       [this] { OpenGraph(GK::kSunPathPolar); });

  QMenu* help = top(37);
  item(help, 38, K(Qt::Key_F1), [this] { ShowHelp(); });
  // The same command as item 2; one key may start only one item, so this
  // one shows its key in the caption.
  item(help, 39, K(), [this] { StartWizard(); });
  help->addSeparator();
  item(help, 40, K(Qt::CTRL | Qt::ALT | Qt::Key_X), [this] {
    ToggleExpertMode();
  })->setCheckable(true);
  QMenu* language = sub(help, 41);
  auto* languages = new QActionGroup(this);
  item(language, 42, K(Qt::CTRL | Qt::Key_D),
       [this] { SetLanguage(texts::Language::kGerman); });
  item(language, 43, K(Qt::CTRL | Qt::Key_E),
       [this] { SetLanguage(texts::Language::kEnglish); });
  for (int n : {42, 43}) {
    items_[n]->setCheckable(true);
    languages->addAction(items_[n]);
  }
  item(help, 44, K(), [this] { SetHints(!hints_on_); })->setCheckable(true);
  help->addSeparator();
  item(help, 45, K(), [this] { ShowAbout(); });

  // An item without caption that only holds a key.
  nothing_action_ = new QAction(this);
  nothing_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_M));
  addAction(nothing_action_);
}

void MainWindow::BuildPopups() {
  const auto add = [this](QMenu* menu, int text_id, std::function<void()> run) {
    QAction* a = menu->addAction(QString());
    connect(a, &QAction::triggered, this, std::move(run));
    popup_texts_.push_back({a, text_id});
    return a;
  };
  wizard_popup_ = new QMenu(this);
  add(wizard_popup_, 1600, [this] { wizard_.Next(); });
  add(wizard_popup_, 1601, [this] { wizard_.Cancel(); });
  wizard_popup_->addSeparator();
  add(wizard_popup_, 1602, [this] { ShowHelp(); });

  normal_popup_ = new QMenu(this);
  add(normal_popup_, -15, [this] { SaveConstructionData(); });
  add(normal_popup_, -16, [this] { LoadConstructionData(); });
  popup_save_dates_ = add(normal_popup_, 1603, [this] { SaveDateLines(); });
  popup_load_dates_ = add(normal_popup_, 1604, [this] { LoadDateLines(); });
  normal_popup_->addSeparator();
  add(normal_popup_, 1605, [this] { OpenActivity(WindowRole::kSite); });
  add(normal_popup_, 1606, [this] { OpenActivity(WindowRole::kKind); });
  add(normal_popup_, 1607, [this] { OpenActivity(WindowRole::kParameters); });
  add(normal_popup_, 1608, [this] { OpenActivity(WindowRole::kConstruction); });
  normal_popup_->addSeparator();
  popup_hints_ = add(normal_popup_, 1609, [this] { SetHints(!hints_on_); });
  popup_hints_->setCheckable(true);
  add(normal_popup_, 1610, [this] { CloseAllOrCancel(); });
}

void MainWindow::RetranslatePopups() {
  const texts::Language l = model_.Language;
  for (auto& [action, id] : popup_texts_) {
    // Negative ids name a main-menu caption (the popup repeats that item).
    action->setText(id < 0 ? Q(texts::MenuCaption(-id, l))
                           : Q(texts::RawText(id, l)));
  }
}

void MainWindow::ApplyLanguage() {
  const texts::Language l = model_.Language;
  const auto captions = texts::MenuCaptions(l);
  for (int n = 1; n <= texts::kMenuCaptionCount; ++n)
    if (items_[n]) items_[n]->setText(Q(captions[n - 1]));
  items_[39]->setText(Q(captions[38]) + "\t" +
                      items_[2]->shortcut().toString(QKeySequence::NativeText));
  items_[40]->setChecked(model_.ExpertMode != 0);
  items_[42]->setChecked(l == texts::Language::kGerman);
  items_[43]->setChecked(l == texts::Language::kEnglish);
  setWindowTitle(QString("  Lumtar  v. ") + kVersionText);
  RetranslatePopups();
  gallery_->Retranslate();
  for (const OpenEntry& e : open_)
    if (e.widget && e.window.retranslate) e.window.retranslate();
  if (colour_panel_ && colour_window_.retranslate) colour_window_.retranslate();
}

void MainWindow::UpdateMenuState() {
  const bool wizard = wizard_.running();
  const bool any = AnyWindowOpen();
  const auto exists = [this](WindowRole r) {
    return static_cast<bool>(factories_.of(r));
  };
  items_[2]->setEnabled(!wizard);
  items_[39]->setEnabled(!wizard);
  items_[8]->setEnabled(!wizard);
  items_[23]->setEnabled(!wizard);
  items_[18]->setEnabled(!wizard && exists(WindowRole::kConstruction));
  items_[3]->setEnabled(any || wizard);
  items_[6]->setEnabled(any);
  // A graph prints as a drawing; its window is not printed as an image.
  items_[6]->setVisible(OpenWindowOf(WindowRole::kGraph) == nullptr);
  bool printable = false;
  for (const OpenEntry& e : open_)
    if (e.widget && e.window.print) printable = true;
  items_[5]->setEnabled(printable);
  items_[9]->setEnabled(exists(WindowRole::kSite));
  items_[10]->setEnabled(exists(WindowRole::kKind));
  items_[11]->setEnabled(exists(WindowRole::kParameters));
  items_[22]->setEnabled(exists(WindowRole::kColours));
  for (int n : {24, 25, 26, 27})
    items_[n]->setEnabled(exists(WindowRole::kCalculator));
  for (int n : {28, 29, 30, 31, 32})
    items_[n]->setEnabled(exists(WindowRole::kTables));
  for (int n : {33, 34, 35, 36})
    items_[n]->setEnabled(exists(WindowRole::kGraph));
}

}  // namespace lumtar::gui
