#include "gui/tables_window.h"

#include <QCloseEvent>
#include <QDate>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/qt_printer.h"
#include "gui/qt_text.h"
#include "tables/month_tables.h"
#include "tables/symmetric_table.h"
#include "tables/table_export.h"
#include "tables/table_print.h"
#include "texts/captions.h"
#include "texts/months.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

using app::TableSource;

QString MenuText(int item, texts::Language lang) {
  return Q(texts::MenuCaption(item, lang)).trimmed();
}

// The fixed-pitch face of the tables ("Courier New" in the font table).
QFont TableFont(int points) {
  QFont f("Liberation Mono");
  f.setStyleHint(QFont::Monospace);
  f.setFixedPitch(true);
  f.setPointSize(points);
  return f;
}

int WidestLine(const tables::TableText& table) {
  int widest = 0;
  for (const std::string& line : table.lines)
    widest = std::max(widest, tables::TextWidth(line));
  return widest;
}

// The main-menu caption of the table shown is the window's title.
int TitleMenuItem(const app::TableChoice& c) {
  switch (c.source) {
    case TableSource::kMonth:
    case TableSource::kFirstHalfYear:
    case TableSource::kSecondHalfYear:
      return 29;
    case TableSource::kSymmetric:
      return 30;
    case TableSource::kYear:
      break;
  }
  switch (c.kind) {
    case tables::YearTableKind::kDeclination:
      return 31;
    case tables::YearTableKind::kMeridianPassage:
      return 32;
    default:
      return 30;
  }
}

}  // namespace

TablesWindow::TablesWindow(model::Model& model, platform::Ui& ui,
                           QWidget* parent, tables::CalcState* state)
    : QWidget(parent),
      model_(model),
      ui_(ui),
      own_state_(
          state
              ? nullptr
              : std::make_unique<tables::CalcState>(tables::StartupCalcState(
                    QDate::currentDate().month(), QDate::currentDate().day()))),
      state_(state ? state : own_state_.get()) {
  setObjectName("Tsset2");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 4, 4, 4);
  view_ = new QPlainTextEdit(this);
  view_->setObjectName("TableView");
  view_->setReadOnly(true);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  row->addWidget(view_, 1);
  view_->viewport()->installEventFilter(this);
  auto* column = new QWidget(this);
  column->setFixedWidth(300);
  BuildControls(column);
  row->addWidget(column);

  auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
  connect(f3, &QShortcut::activated, this, &TablesWindow::Print);

  // The calculator's choices: its year table kind and month.
  choice_.kind = state_->YearTableKind;
  choice_.month = state_->CalcMonth;
  choice_.source = state_->CalcMode == tables::kCalcRiseSet
                       ? TableSource::kMonth
                       : TableSource::kYear;
  resize(1100, 760);
  Retranslate();  // builds and shows the table
}

TablesWindow::~TablesWindow() = default;

void TablesWindow::BuildControls(QWidget* column) {
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);

  year_box_ = new QGroupBox(column);
  auto* year_layout = new QVBoxLayout(year_box_);
  year_kinds_ = new QButtonGroup(this);
  for (int k = 0; k < 4; ++k) {
    auto* r = new QRadioButton(year_box_);
    r->setObjectName(QString("RadioJahr%1").arg(k));
    year_layout->addWidget(r);
    year_kinds_->addButton(r, k);
  }
  symmetric_ = new QCheckBox(year_box_);
  symmetric_->setObjectName("CheckSymmetrisch");
  year_layout->addWidget(symmetric_);
  symmetric_lines_ = new QComboBox(year_box_);
  symmetric_lines_->setObjectName("ComboWerte");
  for (int i = 0; i < 7; ++i) symmetric_lines_->addItem(QString());
  year_layout->addWidget(symmetric_lines_);
  auto* save_pairs = new QPushButton(year_box_);
  save_pairs->setObjectName("BtnEotPaare");
  year_layout->addWidget(save_pairs);
  layout->addWidget(year_box_);

  month_box_ = new QGroupBox(column);
  auto* month_layout = new QVBoxLayout(month_box_);
  month_scopes_ = new QButtonGroup(this);
  auto* single = new QHBoxLayout;
  for (int s = 0; s < 3; ++s) {
    auto* r = new QRadioButton(month_box_);
    r->setObjectName(QString("RadioMonate%1").arg(s));
    month_scopes_->addButton(r, s);
    if (s == 0) {
      single->addWidget(r);
      months_ = new QComboBox(month_box_);
      months_->setObjectName("ComboMonat");
      for (int m = 0; m < 12; ++m) months_->addItem(QString());
      single->addWidget(months_);
      month_layout->addLayout(single);
    } else {
      month_layout->addWidget(r);
    }
  }
  twilight_ = new QComboBox(month_box_);
  twilight_->setObjectName("ComboDaemmerung");
  for (int t = 0; t < 3; ++t) twilight_->addItem(QString());
  month_layout->addWidget(twilight_);
  layout->addWidget(month_box_);

  const auto add = [&](const char* name) {
    auto* b = new QPushButton(column);
    b->setObjectName(name);
    layout->addWidget(b);
    return b;
  };
  auto* save = add("BtnSpeichern");
  auto* print = add("BtnDrucken");
  auto* eot_graph = add("BtnZglGraph");
  auto* rect_graph = add("BtnBahnRechteck");
  auto* polar_graph = add("BtnBahnKreis");
  layout->addStretch();
  auto* close_button = add("BtnSchliessen");

  connect(year_kinds_, &QButtonGroup::idClicked, this, [this](int k) {
    if (updating_) return;
    choice_.source = TableSource::kYear;
    choice_.kind = static_cast<tables::YearTableKind>(k);
    state_->YearTableKind = choice_.kind;
    Rebuild();
  });
  connect(symmetric_, &QCheckBox::toggled, this, [this](bool on) {
    if (updating_) return;
    choice_.source = on ? TableSource::kSymmetric : TableSource::kYear;
    Rebuild();
  });
  connect(symmetric_lines_, &QComboBox::currentIndexChanged, this,
          [this](int i) {
            if (updating_) return;
            choice_.symmetric_index = i;
            if (choice_.source == TableSource::kSymmetric) Rebuild();
          });
  connect(month_scopes_, &QButtonGroup::idClicked, this, [this](int s) {
    if (updating_) return;
    choice_.source = s == 0   ? TableSource::kMonth
                     : s == 1 ? TableSource::kFirstHalfYear
                              : TableSource::kSecondHalfYear;
    Rebuild();
  });
  connect(months_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (updating_) return;
    choice_.source = TableSource::kMonth;
    choice_.month = i + 1;
    state_->CalcMonth = choice_.month;
    Rebuild();
  });
  connect(twilight_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (updating_) return;
    model_.TwilightKind = static_cast<std::uint8_t>(i);
    if (choice_.source == TableSource::kMonth) Rebuild();
  });
  connect(save_pairs, &QPushButton::clicked, this,
          &TablesWindow::SaveSymmetric);
  connect(save, &QPushButton::clicked, this, &TablesWindow::Export);
  connect(print, &QPushButton::clicked, this, &TablesWindow::Print);
  connect(eot_graph, &QPushButton::clicked, this,
          &TablesWindow::EotGraphRequested);
  connect(rect_graph, &QPushButton::clicked, this,
          [this] { emit SunPathRequested(false); });
  connect(polar_graph, &QPushButton::clicked, this,
          [this] { emit SunPathRequested(true); });
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
}

QRadioButton* TablesWindow::year_kind_button(int kind) const {
  return qobject_cast<QRadioButton*>(year_kinds_->button(kind));
}

QRadioButton* TablesWindow::month_scope_button(int scope) const {
  return qobject_cast<QRadioButton*>(month_scopes_->button(scope));
}

QPushButton* TablesWindow::button(const char* name) const {
  return findChild<QPushButton*>(name);
}

int TablesWindow::HelpContext() const {
  return app::TablesHelpContext(choice_);
}

void TablesWindow::ShowRequest(
    const tables::Calculator::TablesRequest& request) {
  choice_.source =
      request.month_table ? TableSource::kMonth : TableSource::kYear;
  choice_.month = request.month;
  choice_.kind = request.kind;
  table_ = request.table;
  setWindowTitle(MenuText(TitleMenuItem(choice_), model_.Language));
  UpdateControls();
  QStringList lines;
  for (const std::string& line : table_.lines) lines << Q(line);
  view_->setPlainText(lines.join('\n'));
  FitFont();
}

void TablesWindow::ShowChoice(const app::TableChoice& choice) {
  choice_ = choice;
  Rebuild();
}

void TablesWindow::Rebuild() {
  tables::Calculator::TablesRequest r;
  r.month_table = choice_.source == TableSource::kMonth;
  r.month = choice_.month;
  r.kind = choice_.kind;
  r.table = app::BuildChosenTable(model_, choice_);
  const app::TableChoice keep = choice_;
  ShowRequest(r);
  choice_ = keep;  // the half-year and symmetric sources stay
  UpdateControls();
  setWindowTitle(MenuText(TitleMenuItem(choice_), model_.Language));
}

void TablesWindow::UpdateControls() {
  updating_ = true;
  const bool year = choice_.source == TableSource::kYear ||
                    choice_.source == TableSource::kSymmetric;
  year_kinds_->setExclusive(false);
  for (int k = 0; k < 4; ++k)
    year_kinds_->button(k)->setChecked(year &&
                                       static_cast<int>(choice_.kind) == k);
  year_kinds_->setExclusive(true);
  const bool symmetric_shown = app::SymmetricOptionShown(choice_);
  symmetric_->setVisible(symmetric_shown);
  symmetric_->setChecked(choice_.source == TableSource::kSymmetric);
  symmetric_lines_->setVisible(symmetric_shown);
  symmetric_lines_->setCurrentIndex(choice_.symmetric_index);
  button("BtnEotPaare")->setVisible(choice_.source == TableSource::kSymmetric);
  month_scopes_->setExclusive(false);
  const int scope = choice_.source == TableSource::kMonth            ? 0
                    : choice_.source == TableSource::kFirstHalfYear  ? 1
                    : choice_.source == TableSource::kSecondHalfYear ? 2
                                                                     : -1;
  for (int s = 0; s < 3; ++s) month_scopes_->button(s)->setChecked(s == scope);
  month_scopes_->setExclusive(true);
  months_->setCurrentIndex(std::clamp(choice_.month, 1, 12) - 1);
  twilight_->setCurrentIndex(model_.TwilightKind <= 2 ? model_.TwilightKind
                                                      : 2);
  updating_ = false;
}

void TablesWindow::FitFont() {
  const QSize area = view_->viewport()->size();
  const int margin = 2 * static_cast<int>(view_->document()->documentMargin());
  font_points_ = app::TableFontPoints(
      area.width() - margin, area.height() - margin, WidestLine(table_),
      [](int points) {
        const QFontMetrics m(TableFont(points));
        return app::CharBox{m.horizontalAdvance(QLatin1Char('M')),
                            m.lineSpacing()};
      });
  view_->setFont(TableFont(font_points_));
}

void TablesWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitFont();
}

// The view's own area settles after the window's layout: fit again then.
bool TablesWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_->viewport() && event->type() == QEvent::Resize)
    FitFont();
  return QWidget::eventFilter(watched, event);
}

void TablesWindow::Retranslate() {
  const texts::Language lang = model_.Language;
  updating_ = true;
  year_box_->setTitle(Text(1780, lang));
  for (int k = 0; k < 4; ++k)
    year_kinds_->button(k)->setText(Text(1781 + k, lang));
  symmetric_->setText(Text(1785, lang));
  for (int i = 0; i < 7; ++i)
    symmetric_lines_->setItemText(i, Text(1786 + i, lang));
  button("BtnEotPaare")->setText(Text(1842, lang));
  month_box_->setTitle(Text(1837, lang));
  month_scopes_->button(0)->setText(Text(1838, lang));
  month_scopes_->button(1)->setText(Text(1839, lang));
  month_scopes_->button(2)->setText(Text(1840, lang));
  for (int m = 1; m <= 12; ++m)
    months_->setItemText(m - 1, Q(texts::MonthListItem(m, lang)));
  for (int t = 0; t < 3; ++t)
    twilight_->setItemText(
        t, Q(tables::TwilightName(static_cast<astro::TwilightKind>(t), lang)));
  button("BtnSpeichern")->setText(Text(1841, lang));
  button("BtnDrucken")->setText(Text(1512, lang));
  button("BtnZglGraph")->setText(MenuText(33, lang));
  button("BtnBahnRechteck")
      ->setText(MenuText(34, lang) + ": " + MenuText(35, lang));
  button("BtnBahnKreis")
      ->setText(MenuText(34, lang) + ": " + MenuText(36, lang));
  button("BtnSchliessen")->setText(Text(1610, lang).trimmed());
  updating_ = false;
  // A table is written in the language of its building: build it again.
  Rebuild();
}

void TablesWindow::Export() {
  if (choice_.source == TableSource::kSymmetric) {
    SaveSymmetric();
    return;
  }
  tables::ExportTable(table_, ui_, model_.Language);
}

void TablesWindow::SaveSymmetric() {
  tables::SaveSymmetricEotTable(
      model_, tables::SymmetricLinesForIndex(choice_.symmetric_index), ui_);
}

std::unique_ptr<platform::Printer> TablesWindow::MakePrinter(bool landscape) {
  if (printer_source_) return printer_source_();
  return ChoosePrinter(ProgramQPrinter(),
                       landscape ? platform::Orientation::kLandscape
                                 : platform::Orientation::kPortrait,
                       this);
}

void TablesWindow::Print() {
  if (choice_.source == TableSource::kSymmetric) {
    if (auto printer = MakePrinter(false))
      tables::PrintSymmetricEotTable(
          model_, tables::SymmetricLinesForIndex(choice_.symmetric_index),
          *printer, ui_);
    return;
  }
  auto printer = MakePrinter(WidestLine(table_) > tables::kPortraitMaxChars);
  if (!printer) return;
  tables::PrintTable(table_, *printer, ui_, model_.Language);
}

void TablesWindow::closeEvent(QCloseEvent* event) {
  emit Closing();
  event->accept();
}

}  // namespace lumtar::gui
