#include "gui/calculator_window.h"

#include <QCloseEvent>
#include <QDate>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "texts/captions.h"
#include "texts/pair_texts.h"
#include "texts/text_table.h"

namespace lumtar::gui {

namespace {

using Field = tables::Calculator::Field;

// The panels in the order of the stack: rise and set, position, azimuth,
// noon values.
int PanelOf(int calc_mode) {
  switch (calc_mode) {
    case tables::kCalcRiseSet:
      return 0;
    case tables::kCalcPosition:
      return 1;
    case tables::kCalcAzimuthTime:
      return 2;
    default:
      return 3;
  }
}

// The main-menu caption that opened the calculator is its title.
int TitleMenuItem(int calc_mode) {
  switch (calc_mode) {
    case tables::kCalcRiseSet:
      return 24;
    case tables::kCalcPosition:
      return 25;
    case tables::kCalcAzimuthTime:
      return 26;
    default:
      return 27;
  }
}

QString MenuText(int item, texts::Language lang) {
  return Q(texts::MenuCaption(item, lang)).trimmed();
}

struct FieldName {
  Field field;
  const char* name;
};
constexpr FieldName kFieldNames[] = {
    {Field::kYear, "EditJahr"},       {Field::kMonth, "EditMonat"},
    {Field::kDay, "EditTag"},         {Field::kLongitude, "EditLaenge"},
    {Field::kLatitude, "EditBreite"}, {Field::kZoneMeridian, "EditZone"},
    {Field::kTime, "EditZeit"},       {Field::kAzimuth, "EditAzimut"},
};

const char* NameOf(Field f) {
  for (const FieldName& n : kFieldNames)
    if (n.field == f) return n.name;
  return "";
}

}  // namespace

CalculatorWindow::CalculatorWindow(model::Model& model, platform::Ui& ui,
                                   QWidget* parent, tables::CalcState* state)
    : QWidget(parent),
      model_(model),
      ui_(ui),
      own_state_(
          state
              ? nullptr
              : std::make_unique<tables::CalcState>(tables::StartupCalcState(
                    QDate::currentDate().month(), QDate::currentDate().day()))),
      state_(state ? state : own_state_.get()),
      calc_(model, *state_, ui) {
  setObjectName("Tsset1");
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);
  BuildMenus();
  outer->setMenuBar(menu_bar_);

  auto* top = new QHBoxLayout;
  outer->addLayout(top);
  site_box_ = new QGroupBox(this);
  BuildFields(site_box_);
  top->addWidget(site_box_, 1);
  auto* column = new QWidget(this);
  BuildButtons(column);
  top->addWidget(column);

  BuildPanels();
  outer->addWidget(panels_);

  result_caption_ = new QLabel(this);
  outer->addWidget(result_caption_);
  result_view_ = new QPlainTextEdit(this);
  result_view_->setObjectName("ResultList");
  result_view_->setReadOnly(true);
  result_view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  mono.setFamily("Liberation Mono");
  mono.setPointSize(10);
  result_view_->setFont(mono);
  outer->addWidget(result_view_, 1);

  auto* f3 = new QShortcut(QKeySequence(Qt::Key_F3), this);
  connect(f3, &QShortcut::activated, this, &CalculatorWindow::Print);

  resize(900, 680);
  calc_.Open();
  ApplyView();
  Retranslate();
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::BuildMenus() {
  menu_bar_ = new QMenuBar(this);
  file_menu_ = menu_bar_->addMenu(QString());
  save_settings_action_ = file_menu_->addAction(QString());
  load_data_action_ = file_menu_->addAction(QString());
  connect(save_settings_action_, &QAction::triggered, this,
          &CalculatorWindow::SaveSettingsRequested);
  connect(load_data_action_, &QAction::triggered, this,
          &CalculatorWindow::LoadConstructionRequested);

  more_menu_ = menu_bar_->addMenu(QString());
  more_menu_->setObjectName("MenuWeitereTabellen");
  using MT = tables::Calculator::MoreTables;
  const MT entries[] = {MT::kRiseSet, MT::kEquationOfTime, MT::kDeclination,
                        MT::kNoon};
  for (int i = 0; i < 4; ++i) {
    more_actions_[i] = more_menu_->addAction(QString());
    const MT e = entries[i];
    connect(more_actions_[i], &QAction::triggered, this,
            [this, e] { ChooseMoreTables(e); });
  }

  print_menu_ = menu_bar_->addMenu(QString());
  print_ff_action_ = print_menu_->addAction(QString());
  print_noff_action_ = print_menu_->addAction(QString());
  print_page_action_ = print_menu_->addAction(QString());
  connect(print_ff_action_, &QAction::triggered, this,
          &CalculatorWindow::PrintWithFormFeed);
  connect(print_noff_action_, &QAction::triggered, this,
          &CalculatorWindow::PrintWithoutFormFeed);
  connect(print_page_action_, &QAction::triggered, this,
          &CalculatorWindow::PrintPage);
}

void CalculatorWindow::BuildFields(QWidget* box) {
  auto* grid = new QGridLayout(box);
  const auto add = [&](int row, int col, Field f, int caption_id) {
    auto* caption = new QLabel(box);
    text_captions_.push_back({caption, caption_id});
    auto* edit = new QLineEdit(box);
    edit->setObjectName(NameOf(f));
    edit->installEventFilter(this);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, col);
    grid->addWidget(edit, row, col + 1);
    return edit;
  };
  add(0, 0, Field::kYear, 1768)->setMaximumWidth(80);
  add(1, 0, Field::kMonth, 1769)->setMaximumWidth(80);
  add(2, 0, Field::kDay, 1770)->setMaximumWidth(80);
  add(0, 2, Field::kLatitude, 1767)->setMaximumWidth(160);
  add(1, 2, Field::kLongitude, 1771)->setMaximumWidth(160);
  add(2, 2, Field::kZoneMeridian, 1772)->setMaximumWidth(160);
  auto* east = new QLabel(box);
  text_captions_.push_back({east, 1687});
  grid->addWidget(east, 1, 4);

  // The time row of the position calculator with its time kind group.
  time_row_ = new QWidget(box);
  auto* time_layout = new QHBoxLayout(time_row_);
  time_layout->setContentsMargins(0, 0, 0, 0);
  auto* time_caption = new QLabel(time_row_);
  text_captions_.push_back({time_caption, 1773});
  auto* time = new QLineEdit(time_row_);
  time->setObjectName(NameOf(Field::kTime));
  time->setMaximumWidth(110);
  time->installEventFilter(this);
  time_caption->setBuddy(time);
  time_layout->addWidget(time_caption);
  time_layout->addWidget(time);
  time_kind_box_ = new QGroupBox(time_row_);
  auto* kinds = new QHBoxLayout(time_kind_box_);
  time_kinds_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(time_kind_box_);
    r->setObjectName(QString("RadioZeitart%1").arg(i));
    kinds->addWidget(r);
    time_kinds_->addButton(r, i);
  }
  time_layout->addWidget(time_kind_box_, 1);
  grid->addWidget(time_row_, 3, 0, 1, 5);
  connect(time_kinds_, &QButtonGroup::idClicked, this, [this](int id) {
    ToModel();
    calc_.ChooseTimeKind(static_cast<tables::Calculator::TimeKindChoice>(id));
    FromModel();
    ShowResult();
  });

  // The azimuth row of the time-for-azimuth calculator.
  azimuth_row_ = new QWidget(box);
  auto* az_layout = new QHBoxLayout(azimuth_row_);
  az_layout->setContentsMargins(0, 0, 0, 0);
  auto* az_caption = new QLabel(azimuth_row_);
  text_captions_.push_back({az_caption, 1777});
  auto* azimuth = new QLineEdit(azimuth_row_);
  azimuth->setObjectName(NameOf(Field::kAzimuth));
  azimuth->setMaximumWidth(110);
  azimuth->installEventFilter(this);
  az_caption->setBuddy(azimuth);
  auto* az_range = new QLabel(azimuth_row_);
  text_captions_.push_back({az_range, 1007});
  az_layout->addWidget(az_caption);
  az_layout->addWidget(azimuth);
  az_layout->addWidget(az_range, 1);
  grid->addWidget(azimuth_row_, 4, 0, 1, 5);

  // The twilight group of the rise and set calculator.
  twilight_box_ = new QGroupBox(box);
  auto* tw = new QHBoxLayout(twilight_box_);
  twilights_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    auto* r = new QRadioButton(twilight_box_);
    r->setObjectName(QString("RadioDaemmerung%1").arg(i));
    tw->addWidget(r);
    twilights_->addButton(r, i);
  }
  grid->addWidget(twilight_box_, 5, 0, 1, 5);
  connect(twilights_, &QButtonGroup::idClicked, this, [this](int id) {
    ToModel();
    calc_.ChooseTwilight(id);
    FromModel();
    ShowResult();
  });
  grid->setColumnStretch(5, 1);
}

QLabel* CalculatorWindow::AddValue(QWidget* panel, QGridLayout* grid, int row,
                                   const char* caption_name,
                                   const char* value_name) {
  auto* caption = new QLabel(panel);
  caption->setObjectName(caption_name);
  auto* value = new QLabel(panel);
  value->setObjectName(value_name);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QFont f = value->font();
  f.setBold(true);
  value->setFont(f);
  grid->addWidget(caption, row, 0);
  grid->addWidget(value, row, 1);
  return value;
}

void CalculatorWindow::BuildPanels() {
  panels_ = new QStackedWidget(this);
  struct Row {
    int phrase;
    const char* value;
  };
  const std::vector<std::vector<Row>> panels = {
      {{93, "LblAufgang"},
       {95, "LblUntergang"},
       {94, "LblDaemmBeginn"},
       {96, "LblDaemmEnde"},
       {98, "LblMondAuf"},
       {99, "LblMondUnter"},
       {92, "LblZgl1"},
       {91, "LblDekl1"}},
      {{101, "LblHoehe"},
       {102, "LblAzimut"},
       {92, "LblZgl2"},
       {103, "LblDekl2"}},
      {{107, "LblZeit"}, {101, "LblHoehe4"}},
      {{92, "LblZgl8"}, {91, "LblDekl8"}, {106, "LblMittag8"}},
  };
  for (const auto& rows : panels) {
    auto* panel = new QGroupBox(panels_);
    auto* grid = new QGridLayout(panel);
    int r = 0;
    for (const Row& row : rows) {
      const QString caption_name = QString(row.value) + "Text";
      QLabel* value = AddValue(panel, grid, r++,
                               caption_name.toUtf8().constData(), row.value);
      phrase_captions_.push_back(
          {panel->findChild<QLabel*>(caption_name), row.phrase});
      (void)value;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(r, 1);
    panels_->addWidget(panel);
  }
}

void CalculatorWindow::BuildButtons(QWidget* column) {
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  const auto add = [&](const char* name) {
    auto* b = new QPushButton(column);
    b->setObjectName(name);
    layout->addWidget(b);
    return b;
  };
  auto* calculate = add("BtnBerechnung");
  calculate->setDefault(true);
  auto* tables = add("BtnTabellen");
  auto* print = add("BtnDrucken");
  auto* eot_graph = add("BtnZglGraph");
  auto* path_graph = add("BtnSonnenbahn");
  layout->addStretch();
  auto* close_button = add("BtnSchliessen");
  connect(calculate, &QPushButton::clicked, this, &CalculatorWindow::Calculate);
  connect(tables, &QPushButton::clicked, this, &CalculatorWindow::ShowTables);
  connect(print, &QPushButton::clicked, this, &CalculatorWindow::Print);
  connect(eot_graph, &QPushButton::clicked, this,
          &CalculatorWindow::EotGraphRequested);
  connect(path_graph, &QPushButton::clicked, this,
          &CalculatorWindow::SunPathRequested);
  connect(close_button, &QPushButton::clicked, this, &QWidget::close);
}

QLineEdit* CalculatorWindow::field(Field f) const {
  return findChild<QLineEdit*>(NameOf(f));
}

QPushButton* CalculatorWindow::button(const char* name) const {
  return findChild<QPushButton*>(name);
}

QLabel* CalculatorWindow::label(const char* name) const {
  return findChild<QLabel*>(name);
}

QRadioButton* CalculatorWindow::time_kind_button(int index) const {
  return qobject_cast<QRadioButton*>(time_kinds_->button(index));
}

QRadioButton* CalculatorWindow::twilight_button(int index) const {
  return qobject_cast<QRadioButton*>(twilights_->button(index));
}

int CalculatorWindow::HelpContext() const { return calc_.view().help_context; }

void CalculatorWindow::SetMode(int calc_mode) {
  state_->CalcMode = calc_mode;
  calc_.Open();
  ApplyView();
  Retranslate();
}

void CalculatorWindow::ApplyView() {
  const tables::Calculator::View& v = calc_.view();
  const int mode = state_->CalcMode;
  panels_->setCurrentIndex(PanelOf(mode));
  time_row_->setVisible(mode == tables::kCalcPosition);
  azimuth_row_->setVisible(mode == tables::kCalcAzimuthTime);
  twilight_box_->setVisible(mode == tables::kCalcRiseSet);
  button("BtnTabellen")->setVisible(v.tables_button);
  button("BtnZglGraph")->setVisible(v.eot_graph_button);
  button("BtnSonnenbahn")->setVisible(v.altitude_graph_button);
  more_menu_->menuAction()->setVisible(v.more_tables_menu);
  for (QAction* a : {print_ff_action_, print_noff_action_, print_page_action_})
    a->setEnabled(calc_.print_enabled());
  if (QAbstractButton* t = twilights_->button(
          model_.TwilightKind <= 2 ? model_.TwilightKind : 2))
    t->setChecked(true);
  time_kinds_->button(static_cast<int>(calc_.time_kind))->setChecked(true);
  FromModel();
  ShowResult();
  if (v.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void CalculatorWindow::Retranslate() {
  const texts::Language lang = model_.Language;
  setWindowTitle(MenuText(TitleMenuItem(state_->CalcMode), lang));
  for (const auto& [label, id] : text_captions_) label->setText(Text(id, lang));
  for (const auto& [label, entry] : phrase_captions_)
    label->setText(Q(texts::PhraseText(entry, lang)).trimmed());
  site_box_->setTitle(MenuText(9, lang).remove('&'));
  time_kind_box_->setTitle(Text(1778, lang));
  for (int i = 0; i < 3; ++i) {
    time_kinds_->button(i)->setText(Text(1750 + i, lang));
    twilights_->button(i)->setText(Text(1753 + i, lang));
  }
  twilight_box_->setTitle(Text(1774, lang));
  result_caption_->setText(Text(1779, lang));
  button("BtnBerechnung")->setText(Text(1757, lang));
  // The button's text of the opening mode, in the current language.
  button("BtnTabellen")
      ->setText(Text(state_->CalcMode == tables::kCalcRiseSet ? 808 : 825, lang)
                    .trimmed());
  button("BtnDrucken")->setText(Text(1512, lang));
  button("BtnZglGraph")->setText(Text(1776, lang));
  button("BtnSonnenbahn")->setText(Text(1775, lang));
  button("BtnSchliessen")->setText(Text(1610, lang).trimmed());
  file_menu_->setTitle(MenuText(1, lang));
  save_settings_action_->setText(MenuText(13, lang));
  load_data_action_->setText(MenuText(16, lang));
  more_menu_->setTitle(Text(1756, lang));
  const int more_ids[] = {1758, 1759, 1761, 1760};
  for (int i = 0; i < 4; ++i)
    more_actions_[i]->setText(Text(more_ids[i], lang));
  print_menu_->setTitle(Text(1512, lang));
  print_ff_action_->setText(Text(1764, lang));
  print_noff_action_->setText(Text(1765, lang));
  print_page_action_->setText(Text(1766, lang));
  // A result list is in the language of its calculation; a new one follows
  // (not when that would ask the zone question in the middle of a switch).
  if (!calc_.ResultList().empty() && !model_.ZoneWarningPending) Calculate();
}

}  // namespace lumtar::gui
